#include "toolkit/dv_tiles.h"

#include "toolkit/dv_check.h"
#include "toolkit/dv_format.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

constexpr int kTileText = 81;

std::wstring tileText(ads_hdlg dialog, const wchar_t* key) {
    wchar_t buffer[kTileText] = {};
    if (ads_get_tile(dialog, key, buffer, kTileText) != RTNORM)
        return {};
    return buffer;
}

// Draws over the whole image tile: draw gets its width and height.
template <typename Draw> void drawWholeImage(ads_hdlg dialog, const wchar_t* key, Draw draw) {
    short width = 0, height = 0;
    ads_dimensions_tile(dialog, key, &width, &height);
    if (ads_start_image(dialog, key) != RTNORM)
        return;
    draw(width + 1, height + 1);
    ads_end_image();
}

} // namespace

void dv_fill_image_tile(ads_hdlg dialog, const wchar_t* key, int colour) {
    drawWholeImage(dialog, key, [&](int w, int h) { ads_fill_image(0, 0, w, h, colour); });
}

void dv_slide_image_tile(ads_hdlg dialog, const wchar_t* key, const wchar_t* slide) {
    drawWholeImage(dialog, key, [&](int w, int h) { ads_slide_image(0, 0, w, h, slide); });
}

int dv_get_tile_real(ads_hdlg dialog, const wchar_t* key, double& out) {
    const std::wstring text = tileText(dialog, key);
    out = text.empty() ? 0 : std::wcstod(text.c_str(), nullptr);
    return text.empty() ? 1 : 0;
}

int dv_get_tile_int(ads_hdlg dialog, const wchar_t* key, int& out) {
    const std::wstring text = tileText(dialog, key);
    out = text.empty() ? 0 : static_cast<int>(std::wcstol(text.c_str(), nullptr, 10));
    return text.empty() ? 1 : 0;
}

int dv_get_tile_checked(ads_hdlg dialog, const wchar_t* key, int type, int kind, void* out) {
    const std::wstring text = tileText(dialog, key);
    auto strange = std::count_if(text.begin(), text.end(), [](wchar_t c) {
        return std::wcschr(L"+-.0123456789", c) == nullptr;
    });
    if (strange > 0)
        return -static_cast<int>(strange);
    double real = std::wcstod(text.c_str(), nullptr);
    long whole = std::wcstol(text.c_str(), nullptr, 10);
    auto shortValue = static_cast<int16_t>(whole);
    auto longValue = static_cast<int32_t>(whole);
    const void* value = type == 5001   ? static_cast<const void*>(&real)
                        : type == 5003 ? static_cast<const void*>(&shortValue)
                        : type == 5010 ? static_cast<const void*>(&longValue)
                                       : nullptr;
    if (value == nullptr)
        return 1;
    int code = dv_check_value(type, kind, value);
    if (code != 0 || out == nullptr)
        return code;
    size_t size = type == 5001 ? sizeof real : type == 5003 ? sizeof shortValue : sizeof longValue;
    std::memcpy(out, value, size);
    return 0;
}

void dv_set_tile_real(ads_hdlg dialog, const wchar_t* key, const wchar_t* format, double value) {
    const std::wstring text = dv_formatf(format ? format : L"%lf", value);
    ads_set_tile(dialog, key, text.c_str());
}

void dv_set_tile_int(ads_hdlg dialog, const wchar_t* key, const wchar_t* format, int value) {
    const std::wstring text = dv_formatf(format ? format : L"%d", value);
    ads_set_tile(dialog, key, text.c_str());
}
