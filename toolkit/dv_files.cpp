#include "toolkit/dv_files.h"

#include "acedads.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_print.h"
#include "toolkit/dv_vars.h"
#include "windows.h"

#include <algorithm>
#include <cwctype>

namespace {

constexpr size_t kMaxPath = 260;
constexpr size_t kMaxExtension = 10;

bool exists(const std::wstring& path) {
    return _waccess(path.c_str(), 0) == 0;
}

bool isSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

std::wstring upper(std::wstring text) {
    for (auto& c : text)
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return text;
}

std::optional<std::wstring> moduleFile(const std::wstring& name) {
    HMODULE module = GetModuleHandleW(name.c_str());
    if (!module)
        return std::nullopt;
    wchar_t buffer[kMaxPath + 1] = {};
    const DWORD n = GetModuleFileNameW(module, buffer, kMaxPath);
    if (n == 0)
        return std::nullopt;
    return std::wstring(buffer, n);
}

// The folder of the running application's module (DV_CUR_APP), with its separator.
std::optional<std::wstring> applicationFolder() {
    DvValue app;
    if (dv_get_lisp_var(L"DV_CUR_APP", RTSTR, app) != 0)
        return std::nullopt;
    auto file = moduleFile(app.text + L".ARX");
    if (!file)
        file = moduleFile(app.text + L".EXE");
    if (!file)
        return std::nullopt;
    const size_t cut = file->find_last_of(L"\\/");
    return cut == std::wstring::npos ? std::wstring() : file->substr(0, cut + 1);
}

bool endsWithPlatformLevel(const std::wstring& folder) {
    if (folder.size() < 5)
        return false;
    const std::wstring tail = upper(folder.substr(folder.size() - 5));
    return tail == L"\\X32\\" || tail == L"\\X64\\";
}

// The folder without its last level when that is x32 or x64.
std::wstring withoutPlatform(std::wstring folder) {
    std::replace(folder.begin(), folder.end(), L'/', L'\\');
    if (endsWithPlatformLevel(folder))
        folder.resize(folder.size() - 4);
    return folder;
}

} // namespace

int dv_number_format(std::wstring& out, int kind, int width) {
    const wchar_t* variable = kind == 101 ? L"LUPREC" : kind == 102 ? L"AUPREC" : nullptr;
    int precision = 0;
    if (!variable || dv_get_sysvar_int(variable, precision) != 0)
        return DV_FAILED;
    out =
        width == 0 ? dv_formatf(L"%%.%dlf", precision) : dv_formatf(L"%%%d.%dlf", width, precision);
    return 0;
}

// A name with a folder that does not exist goes on to the block and module
// folders like any other name, and fails when none has it.
int dv_find_file(const wchar_t* name, const wchar_t* extension, std::wstring& path,
                 int longExtension) {
    if (!name || !name[0])
        return 1;
    std::wstring wanted = name;
    if (!dv_has_extension(name, longExtension) && extension)
        wanted += L"." + std::wstring(extension).substr(0, kMaxExtension);
    wchar_t found[kMaxPath + 1] = {};
    if (acedFindFile(wanted.c_str(), found, kMaxPath) == RTNORM) {
        path = found;
        return 0;
    }
    DvValue blocks;
    if (dv_get_lisp_var(L"#BLK", RTSTR, blocks) == 0 && exists(blocks.text + wanted)) {
        path = blocks.text + wanted;
        return 0;
    }
    const auto folder = applicationFolder();
    if (!folder)
        return 1;
    if (exists(*folder + wanted)) {
        path = *folder + wanted;
        return 0;
    }
    const std::wstring inBlocks = withoutPlatform(*folder) + L"BLOKKEN\\" + wanted;
    if (exists(inBlocks)) {
        path = inBlocks;
        return 0;
    }
    dv_printf(L"File:%s niet gevonden!\n", inBlocks);
    return 1;
}

std::optional<std::wstring> dv_drawing_path() {
    std::wstring prefix, name;
    if (dv_get_sysvar_string(L"DWGPREFIX", prefix) != 0 ||
        dv_get_sysvar_string(L"DWGNAME", name) != 0)
        return std::nullopt;
    const size_t cut = name.find_last_of(L"\\/:");
    if (cut != std::wstring::npos)
        name.erase(0, cut + 1);
    if (name.size() >= 4 && upper(name.substr(name.size() - 4)) == L".DWG")
        name.resize(name.size() - 4);
    return prefix + name + L".DWG";
}

std::optional<std::wstring> dv_module_dir(const wchar_t* base, int strip) {
    const std::wstring stem = base ? base : L"";
    std::optional<std::wstring> file;
    for (const wchar_t* extension : {L".EXE", L".ARX", L".DLL"}) {
        if ((file = moduleFile(stem + extension)))
            break;
    }
    if (!file || file->size() < stem.size() + 4)
        return std::nullopt;
    std::wstring folder = upper(file->substr(0, file->size() - (stem.size() + 4)));
    if (!strip || folder.size() < 6)
        return folder;
    for (size_t back : {size_t(1), size_t(5)}) {
        if (folder[folder.size() - back] == L'/')
            folder[folder.size() - back] = L'\\';
    }
    if (endsWithPlatformLevel(folder))
        folder.resize(folder.size() - 4);
    return folder;
}

int dv_has_extension(const wchar_t* name, int longExtension) {
    if (!name)
        return 0;
    const std::wstring_view text(name);
    const size_t span = longExtension ? kMaxExtension : 4;
    for (size_t i = 0; i < span && i < text.size(); ++i) {
        const size_t at = text.size() - 1 - i;
        if (isSeparator(text[at]))
            return 0;
        if (text[at] == L'.' && i != 0)
            return 1;
    }
    return 0;
}

void dv_trim(std::wstring& text) {
    if (!text.empty() && text.back() == L'\n')
        text.pop_back();
    while (!text.empty() && (text.back() == L' ' || text.back() == L'\t'))
        text.pop_back();
    const size_t first = text.find_first_not_of(L' ');
    text.erase(0, first == std::wstring::npos ? text.size() : first);
}

void dv_trim(wchar_t* text) {
    if (!text)
        return;
    std::wstring copy(text);
    dv_trim(copy);
    std::copy(copy.begin(), copy.end(), text);
    text[copy.size()] = L'\0';
}

void dv_press_any_key() {
    dv_print(L"\n");
    const std::wstring prompt = dv_catalogue_line(47, L"Press any key to continue...");
    wchar_t ignored[133] = {};
    acedGetString(0, prompt.c_str(), ignored, 133);
}

int dv_dialog_active() {
    int active = 0;
    if (dv_get_sysvar_int(L"CMDACTIVE", active) != 0)
        return 0;
    return (active & 8) ? 1 : 0;
}
