// Writing settings files back to disk, and moving them.
#include "settings/dv_ini.h"
#include "settings/ini_load.h"
#include "settings/ini_names.h"
#include "settings/ini_store.h"
#include "settings/ini_trace.h"
#include "toolkit/dv_debug.h"
#include "toolkit/dv_text_lines.h"
#include "toolkit/dv_utf8.h"
#include "windows.h"

#include <cstdio>
#include <memory>

namespace {

// Writes the file when it changed: 0, or -1 with the old file left intact.
int writeFile(const IniFile& file) {
    if (!file.dirty)
        return 0;
    TextLines text;
    for (const std::wstring& line : ini_file_lines(file))
        text.lines.push_back(dv_to_utf8(line));
    if (dv_replace_lines(file.path, text))
        return 0;
    dv_debug_print(L"INI-bestand %s kon niet geopend worden!\n", file.path);
    return -1;
}

// Makes the file (opened for appending and closed again): false when it cannot be.
bool createFile(const std::wstring& path) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(_wfopen(path.c_str(), L"a"), &std::fclose);
    if (file)
        return true;
    dv_debug_print(L"Waarschuwing : Bestand %s kan niet geschreven worden!\n", path);
    return false;
}

// Writes and releases the first open file; a file that cannot be written goes
// to its handle's name in the current folder instead.
void saveFirst(IniFile& file) {
    std::wstring handle = file.handle;
    if (dv_ini_write(handle, 0) == 0)
        return;
    std::wstring fallback = handle;
    if (!ini_has_ini_extension(fallback))
        fallback += L".INI";
    createFile(fallback);
    file.path = fallback;
    file.dirty = true;
    dv_ini_write(handle, 2);
}

} // namespace

int dv_ini_write(std::wstring_view handle, int mode) {
    ini_trace_begin(56, L"Bewaren alle gegevens op schijf van [%s]", handle);
    IniFile* file = IniStore::get().find(handle);
    if (file == nullptr)
        return ini_traced(1);
    const std::wstring name = file->handle;
    int status = file->storage == DV_INI_FILE ? writeFile(*file) : 0;
    if (mode == 2 || (mode == 0 && status == 0))
        dv_ini_free(name);
    return ini_traced(status);
}

void dv_ini_save_all(int mode) {
    IniStore& store = IniStore::get();
    std::list<IniFile>& files = store.files();
    switch (mode) {
    case 1:
        for (IniFile& file : files)
            dv_ini_write(file.handle, 1);
        return;
    case 3:
        while (!files.empty())
            dv_ini_free(std::wstring(files.front().handle));
        return;
    case 0:
    case 2:
        while (!files.empty())
            saveFirst(files.front());
        return;
    default:
        dv_debug_print(L"Onbekende mode %d\n", mode);
    }
}

int dv_ini_set_path(std::wstring_view newPath, std::wstring_view handle) {
    IniFile* file = IniStore::get().find(handle);
    if (file == nullptr)
        return 1;
    std::wstring path(newPath);
    if (!ini_has_ini_extension(path))
        path += L".INI";
    file->path = path;
    file->dirty = true;
    return createFile(path) ? 0 : -1;
}
