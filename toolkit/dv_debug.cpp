#include "toolkit/dv_debug.h"

#include "acedads.h"
#include "toolkit/dv_alert.h"
#include "toolkit/dv_print.h"
#include "toolkit/dv_text_file.h"
#include "windows.h"

#include <cwchar>
#include <string>

namespace {

constexpr int kNotRead = -1;
constexpr int kUnset = -2;
constexpr size_t kMaxDebugLine = 2047;
constexpr const wchar_t* kDebugFile = L"debug.dat";

int g_level = kNotRead;
int g_traceMode = 0;
std::wstring g_traceFile;

// Reads DV_DEBUG once; false when it is not set.
bool readLevel() {
    const wchar_t* value = _wgetenv(L"DV_DEBUG");
    if (!value) {
        g_level = kUnset;
        return false;
    }
    g_level = static_cast<int>(std::wcstol(value, nullptr, 10));
    return true;
}

} // namespace

int dv_debug_level() {
    if (g_level == kNotRead)
        readLevel();
    return g_level;
}

void dv_debug_set_level(int level) {
    g_level = level;
}

void dv_debug_write(std::wstring_view text) {
    const std::wstring line(text.substr(0, kMaxDebugLine));
    switch (dv_debug_level()) {
    case 1:
        dv_print(line);
        return;
    case 2:
        dv_append_text(kDebugFile, line);
        return;
    case 3:
        dv_print(line);
        dv_append_text(kDebugFile, line);
        return;
    case 4:
        MessageBoxW(nullptr, line.c_str(), L"Debug print", MB_OK);
        return;
    default:
        return;
    }
}

void vmadebug() {
    if (g_level == kNotRead && !readLevel())
        return;
    const int shown = g_level == kUnset ? 0 : g_level;
    const std::wstring prompt = dv_formatf(L"\nGeef nieuw DEBUG-nivo (0/1/2/3) <%d> : ", shown);
    int level = shown;
    const int status = acedGetInt(prompt.c_str(), &level);
    if (status == RTNONE)
        level = shown;
    if (status == RTNORM || status == RTNONE) {
        if (level >= 0 && level <= 3)
            g_level = level;
        else
            dv_print(L"Waarde DV_DEBUG ongewijzigd!\n");
    }
    if (_waccess(kDebugFile, 0) != 0)
        return;
    dv_debug_print(L"\nTemporary file \"DEBUG.DAT\" is being deleted!\n");
    _wremove(kDebugFile);
}

int dv_trace_mode() {
    return g_traceMode;
}

void dv_set_trace_mode(int mode) {
    g_traceMode = mode;
}

int dv_set_trace_file(const wchar_t* path) {
    g_traceFile = path ? path : L"";
    if (g_traceFile.empty())
        return 0;
    return dv_append_text(g_traceFile.c_str(), L"") ? 0 : 1;
}

void dv_trace_write(std::wstring_view text) {
    dv_print(text);
    if (!g_traceFile.empty())
        dv_append_text(g_traceFile.c_str(), text);
}
