#include "frame/config.h"

#include "acedads.h"
#include "frame/module_path.h"
#include "settings/dv_ini.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_files.h"
#include "windows.h"

#include <algorithm>
#include <cwchar>
#include <optional>

namespace {

constexpr int kUserFileLine = 2;
constexpr int kConfigSection = 6;
// Catalogue sections describing the two files, two lines per item.
constexpr int kSystemDescription = 50;
constexpr int kUserDescription = 70;
constexpr int kLinesPerItem = 2;

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

// The two files, opened on first use; their handles once open.
struct ConfigFiles {
    std::wstring system;
    std::wstring user;
};

ConfigFiles& configFiles() {
    static ConfigFiles files;
    return files;
}

void openFile(std::wstring& handle, const std::wstring& path, int descriptionSection) {
    if (!handle.empty() && dv_ini_is_open(handle) == 1)
        return;
    dv_ini_open(path, &handle, descriptionSection, kLinesPerItem, DV_INI_FILE);
}

const ConfigFiles& loadedFiles() {
    ConfigFiles& files = configFiles();
    openFile(files.system, vma_config_system_path(), kSystemDescription);
    openFile(files.user, vma_config_user_path(), kUserDescription);
    return files;
}

// The item as an integer; a missing item gets the fallback written into the file.
int readInt(const std::wstring& handle, const wchar_t* section, const wchar_t* key, int fallback) {
    DvValue value = DvValue::ofInt(fallback);
    if (dv_ini_get(handle, section, key, RTSHORT, value) != 0)
        dv_ini_set(handle, section, key, RTSHORT, value);
    return value.integer;
}

// A switch: 0 and 1 as read, other values corrected (negative to 0, above to 1)
// and written back.
int readSwitch(const std::wstring& handle, const wchar_t* section, const wchar_t* key,
               int fallback) {
    int value = readInt(handle, section, key, fallback);
    int corrected = std::clamp(value, 0, 1);
    if (corrected != value)
        dv_ini_set(handle, section, key, RTSHORT, DvValue::ofInt(corrected));
    return corrected;
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

std::wstring vma_config_system_handle() {
    return loadedFiles().system;
}

std::wstring vma_config_user_handle() {
    return loadedFiles().user;
}

int vma_config_language() {
    const std::wstring& user = loadedFiles().user;
    int language = readInt(user, L"Voorkeur", L"Taal", 0);
    if (language >= 0 && language <= 2)
        return language;
    dv_ini_set(user, L"Voorkeur", L"Taal", RTSHORT, DvValue::ofInt(0));
    return 0;
}

std::wstring vma_config_dcl_file_name() {
    DvValue value = DvValue::ofText(L"");
    dv_ini_get(loadedFiles().user, L"Algemeen", L"DCLFileNaam", RTSTR, value);
    return value.text;
}

int vma_config_empty_drawing_notice() {
    return readSwitch(loadedFiles().user, L"Algemeen", L"ToonLegeDWGMelding", 1);
}

int vma_config_correct_load_sequence() {
    return readSwitch(loadedFiles().system, L"Voorkeur", L"CorrectLoadSequence", 1);
}

int vma_config_convert_dimstyles() {
    return readSwitch(loadedFiles().user, L"Voorkeur", L"ConvertDimstylen", 1);
}

void vma_config_write_back() {
    ConfigFiles& files = configFiles();
    dv_ini_write(files.user, 2);
    dv_ini_write(files.system, 2);
}
