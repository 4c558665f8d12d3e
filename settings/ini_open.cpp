// Opening, releasing and re-reading settings files.
#include "settings/dv_ini.h"
#include "settings/ini_load.h"
#include "settings/ini_names.h"
#include "settings/ini_store.h"
#include "settings/ini_trace.h"
#include "toolkit/dv_text_lines.h"

#include <optional>

int dv_ini_open(std::wstring_view path, std::wstring* handle, int descriptionSection,
                int linesPerItem, unsigned storage) {
    const bool registry = storage != DV_INI_FILE;
    std::wstring fullPath = registry ? std::wstring(path) : ini_file_path(path);
    std::wstring name = ini_handle(fullPath, registry);
    if (handle != nullptr)
        *handle = name;
    IniStore& store = IniStore::get();
    if (store.find(name) != nullptr)
        return -1;
    store.lastStorage = storage;
    IniFile& file = store.add(fullPath, name);
    IniFile& prototypes = *store.prototypes(name);
    if (descriptionSection != 0) {
        ini_load_description(file, prototypes, descriptionSection, linesPerItem);
        file.descriptionSection = static_cast<unsigned>(descriptionSection);
        file.linesPerItem = static_cast<unsigned>(linesPerItem);
    }
    file.storage = storage;
    if (!registry) {
        // A file that cannot be read starts empty; the first write-back makes it.
        if (std::optional<std::string> text = dv_read_file(fullPath)) {
            ini_read_text(file, *text);
            file.dirty = false;
        }
    }
    ini_apply_prototypes(file, prototypes);
    return 0;
}

void dv_ini_free(std::wstring_view handle) {
    if (handle.empty())
        return;
    ini_trace_begin(57, L"Vrijgeven alle gegevens van [%s]", handle);
    IniStore::get().remove(handle);
    ini_trace_end(true);
}

int dv_ini_reinit(std::wstring& handle) {
    ini_trace_begin(59, L"\nOpnieuw inlezen gegevens van [%s]", handle);
    IniFile* file = IniStore::get().find(handle);
    if (file == nullptr)
        return ini_traced(5);
    const std::wstring path = file->path;
    const unsigned storage = file->storage;
    const int description = static_cast<int>(file->descriptionSection);
    const int lines = static_cast<int>(file->linesPerItem);
    dv_ini_free(handle);
    return ini_traced(dv_ini_open(path, &handle, description, lines, storage));
}

int dv_ini_is_open(std::wstring_view handle) {
    return IniStore::get().find(handle) != nullptr ? 1 : 0;
}

unsigned dv_ini_storage(std::wstring_view handle) {
    IniFile* file = IniStore::get().find(handle);
    return file != nullptr ? file->storage : 0;
}

int dv_ini_get_path(std::wstring& path, std::wstring_view handle) {
    IniFile* file = IniStore::get().find(handle);
    if (file == nullptr)
        return 1;
    path = file->path;
    return 0;
}

int dv_ini_validation(std::wstring_view handle, int request) {
    IniFile* file = IniStore::get().find(handle);
    if (file == nullptr)
        return -32000;
    if (request >= 0)
        file->validation = request > 0 ? 1 : 0;
    return static_cast<int>(file->validation);
}

void dv_ini_handle_of(std::wstring_view path, std::wstring& handle) {
    const bool registry = IniStore::get().lastStorage != DV_INI_FILE;
    handle = ini_handle(registry ? std::wstring(path) : ini_file_path(path), registry);
}

const std::list<IniSection>* dv_ini_first_section(std::wstring_view handle, int prototypes) {
    IniStore& store = IniStore::get();
    IniFile* file = prototypes != 0 ? store.prototypes(handle) : store.find(handle);
    return file != nullptr ? &file->sections : nullptr;
}
