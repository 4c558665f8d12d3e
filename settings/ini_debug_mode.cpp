#include "settings/ini_debug_mode.h"

#include "acedads.h"
#include "adscodes.h"
#include "frame/config.h"
#include "settings/dv_ini.h"
#include "settings/ini_registry_key.h"
#include "toolkit/dv_catalogue.h"
#include "toolkit/dv_debug.h"
#include "windows.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace {

constexpr int kPromptSection = 4;
constexpr int kPromptLine = 41;
constexpr int kOutOfRangeLine = 4;
constexpr const wchar_t* kMarkerFile = L"C:/VMADEBUG.001";
constexpr const wchar_t* kTraceFile = L"C:/VMADEBUG.002";
constexpr const wchar_t* kParkFolder = L"C:/";

// How each configuration file is opened normally: its description section,
// with two catalogue lines per item.
struct ConfigFile {
    std::wstring (*handle)();
    int descriptionSection;
};
constexpr ConfigFile kConfigFiles[] = {{vma_config_system_handle, 50},
                                       {vma_config_user_handle, 70}};
constexpr int kConfigLinesPerItem = 2;

// The directory settings copied into a clean user configuration, with the
// registry key that holds each.
struct DirectorySetting {
    const wchar_t* name;
    const wchar_t* key;
};
constexpr DirectorySetting kDirectories[] = {
    {L"BlokDir", L"SOFTWARE\\Dalvoren\\Velmora KLM\\V34"},
    {L"SupDir", L"SOFTWARE\\Dalvoren\\Velmora\\V34"},
    {L"UserDir", L"SOFTWARE\\Dalvoren\\Velmora\\V34"},
};
constexpr size_t kMaxRegistryText = 80;

std::wstring fileNameOf(const std::wstring& path) {
    const size_t cut = path.find_last_of(L"\\/:");
    return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

std::optional<std::wstring> pathOf(const std::wstring& handle) {
    std::wstring path;
    if (dv_ini_get_path(path, handle) != 0)
        return std::nullopt;
    return path;
}

// A directory text of the registry, cut to the 80 characters a directory setting holds.
std::optional<std::wstring> readRegistryText(HKEY root, const wchar_t* key, const wchar_t* name) {
    IniRegistryKey opened;
    if (!opened.open(root, key, KEY_READ))
        return std::nullopt;
    std::optional<IniRegistryValue> value = ini_registry_value(opened.get(), name);
    std::optional<std::wstring> text = value ? value->text() : std::nullopt;
    if (text)
        text->resize(std::min<size_t>(text->size(), kMaxRegistryText));
    return text;
}

// The directory from the registry, the current user's first, ending in a
// separator; nothing when neither root has it.
std::optional<std::wstring> registryDirectory(const DirectorySetting& setting) {
    std::optional<std::wstring> text =
        readRegistryText(HKEY_CURRENT_USER, setting.key, setting.name);
    if (!text)
        text = readRegistryText(HKEY_LOCAL_MACHINE, setting.key, setting.name);
    if (!text || text->empty())
        return std::nullopt;
    if (text->back() != L'\\' && text->back() != L'/')
        *text += L'\\';
    return text;
}

void createEmptyFile(const wchar_t* path) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(_wfopen(path, L"w"), &std::fclose);
}

// Where a configuration file is parked while mode 1 lasts.
std::wstring parkedPath(const std::wstring& path) {
    return kParkFolder + fileNameOf(path);
}

// Parks the configuration file under C:/ and lets the module go on with an
// empty one at the real path. The file moves as it is on disk, so both names
// stay exactly what they were (the store's path rules would add ".INI" to a
// name like VMAUSER.JAN). A file that cannot be written or moved stays.
void parkConfiguration(const ConfigFile& config) {
    std::wstring handle = config.handle();
    const std::optional<std::wstring> path = pathOf(handle);
    if (!path || dv_ini_write(handle, 1) != 0)
        return;
    if (!MoveFileExW(path->c_str(), parkedPath(*path).c_str(), MOVEFILE_REPLACE_EXISTING))
        return;
    dv_ini_free(handle);
    dv_ini_open(*path, &handle, 0, 1, DV_INI_FILE);
}

// Drops the clean configuration file and brings the parked one back to the
// real path, open with its description again. Without a parked copy the
// clean file stays: it is all there is.
void restoreConfiguration(const ConfigFile& config) {
    std::wstring handle = config.handle();
    const std::optional<std::wstring> path = pathOf(handle);
    if (!path)
        return;
    const std::wstring parked = parkedPath(*path);
    if (_waccess(parked.c_str(), 0) != 0)
        return;
    if (!MoveFileExW(parked.c_str(), path->c_str(), MOVEFILE_REPLACE_EXISTING))
        return;
    dv_ini_free(handle);
    dv_ini_open(*path, &handle, config.descriptionSection, kConfigLinesPerItem, DV_INI_FILE);
}

void copyRegistryDirectories() {
    const std::wstring user = vma_config_user_handle();
    for (const DirectorySetting& setting : kDirectories) {
        std::optional<std::wstring> directory = registryDirectory(setting);
        if (directory)
            dv_ini_set(user, L"Algemeen", setting.name, RTSTR, DvValue::ofText(*directory));
    }
}

void leaveMode(int mode) {
    if (mode == 1) {
        _wremove(kMarkerFile);
        for (const ConfigFile& config : kConfigFiles)
            restoreConfiguration(config);
        return;
    }
    if (mode == 2) {
        dv_set_trace_file(nullptr);
        _wremove(kTraceFile);
    }
}

void enterMode(int mode) {
    if (mode == 1) {
        for (const ConfigFile& config : kConfigFiles)
            parkConfiguration(config);
        createEmptyFile(kMarkerFile);
        copyRegistryDirectories();
        return;
    }
    if (mode == 2)
        dv_set_trace_file(kTraceFile);
}

// The mode the user chose: the current one on Enter, nothing on Esc; a value
// outside 0-2 is refused and asked again.
std::optional<int> askMode(int current) {
    std::wstring prompt;
    dv_catalogue_text(prompt, kPromptSection, kPromptLine, RTSHORT, dv_arg(current));
    for (;;) {
        int mode = current;
        acedInitGet(0, nullptr);
        const int status = acedGetInt(prompt.c_str(), &mode);
        if (status == RTNONE)
            return current;
        if (status != RTNORM)
            return std::nullopt;
        if (mode >= 0 && mode <= 2)
            return mode;
        dv_catalogue_print(kPromptSection, kOutOfRangeLine);
    }
}

} // namespace

void vmadebugmode() {
    const int current = dv_trace_mode();
    const std::optional<int> mode = askMode(current);
    if (!mode || *mode == current)
        return;
    leaveMode(current);
    enterMode(*mode);
    dv_set_trace_mode(*mode);
}
