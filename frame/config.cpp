#include "frame/config.h"

#include "acedads.h"
#include "frame/ini_file.h"
#include "frame/module_path.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_files.h"
#include "windows.h"

#include <algorithm>
#include <cwchar>
#include <optional>

namespace {

constexpr int kUserFileLine = 2;
constexpr int kConfigSection = 6;

std::wstring userName() {
    const wchar_t* name = _wgetenv(L"DVS");
    if (name == nullptr)
        name = _wgetenv(L"USERNAME");
    return name == nullptr || *name == 0 ? L"CFG" : name;
}

std::wstring firstWord(std::wstring text) {
    if (!text.empty() && text.back() == L'\n')
        text.pop_back();
    return text.substr(0, text.find(L' '));
}

std::optional<int> readInt(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
    std::optional<std::wstring> text = vma_ini_read(path, section, key);
    if (!text || text->empty())
        return std::nullopt;
    return static_cast<int>(std::wcstol(text->c_str(), nullptr, 10));
}

// A switch: 0 and 1 as read, other values corrected (negative to 0, above to 1).
int readSwitch(const std::wstring& path, const wchar_t* section, const wchar_t* key, int fallback) {
    std::optional<int> value = readInt(path, section, key);
    if (!value)
        return fallback;
    return std::clamp(*value, 0, 1);
}

} // namespace

std::wstring vma_config_system_path() {
    return vma_module_path_with_extension(L"INI");
}

std::wstring vma_config_user_path() {
    std::wstring base;
    if (dv_catalogue_text(base, kConfigSection, kUserFileLine) == 0 && !firstWord(base).empty()) {
        std::optional<std::wstring> dir = dv_module_dir(L"VMAAPPS", 1);
        if (dir)
            return *dir + firstWord(base) + L"." + userName();
    }
    return vma_config_system_path() + L"." + userName();
}

int vma_config_language() {
    std::wstring path = vma_config_user_path();
    int language = readInt(path, L"Voorkeur", L"Taal").value_or(0);
    if (language >= 0 && language <= 2)
        return language;
    vma_ini_write(path, L"Voorkeur", L"Taal", L"0");
    return 0;
}

std::wstring vma_config_dcl_file_name() {
    return vma_ini_read(vma_config_user_path(), L"Algemeen", L"DCLFileNaam").value_or(L"");
}

int vma_config_empty_drawing_notice() {
    return readSwitch(vma_config_user_path(), L"Algemeen", L"ToonLegeDWGMelding", 1);
}

int vma_config_correct_load_sequence() {
    return readSwitch(vma_config_system_path(), L"Voorkeur", L"CorrectLoadSequence", 1);
}

int vma_config_convert_dimstyles() {
    return readSwitch(vma_config_user_path(), L"Voorkeur", L"ConvertDimstylen", 1);
}

void vma_config_write_back() {
    // Every item the readers corrected went to disk at once; nothing is held open.
}
