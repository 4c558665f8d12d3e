#include "host/geom/aci.h"

#include <array>
#include <cmath>

namespace vma::geom {
namespace {

// Indices 10..249 run through 24 hues in steps of 15 degrees; within a hue,
// even indices are fully saturated and odd ones half, at five brightness
// levels. The CAD program truncates the channel values.
Rgb hueColor(int index) {
    int hue = (index - 10) / 10;
    int step = (index - 10) % 10;
    constexpr double kLevels[5] = {1.0, 0.8, 0.6, 0.5, 0.3};
    double value = 255.0 * kLevels[step / 2];
    double saturation = step % 2 == 0 ? 1.0 : 0.5;
    double h = hue * 15.0 / 60.0;
    double chroma = value * saturation;
    double x = chroma * (1 - std::fabs(std::fmod(h, 2.0) - 1));
    double m = value - chroma;
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(h)) {
    case 0:
        r = chroma, g = x;
        break;
    case 1:
        r = x, g = chroma;
        break;
    case 2:
        g = chroma, b = x;
        break;
    case 3:
        g = x, b = chroma;
        break;
    case 4:
        r = x, b = chroma;
        break;
    default:
        r = chroma, b = x;
        break;
    }
    auto channel = [m](double c) { return static_cast<uint8_t>(c + m); };
    return {channel(r), channel(g), channel(b)};
}

std::array<Rgb, 256> buildTable() {
    std::array<Rgb, 256> t{};
    constexpr Rgb kFirst[10] = {{0, 0, 0},     {255, 0, 0},    {255, 255, 0}, {0, 255, 0},
                                {0, 255, 255}, {0, 0, 255},    {255, 0, 255}, {255, 255, 255},
                                {65, 65, 65},  {128, 128, 128}};
    for (int i = 0; i < 10; ++i)
        t[i] = kFirst[i];
    for (int i = 10; i < 250; ++i)
        t[i] = hueColor(i);
    constexpr uint8_t kGreys[6] = {51, 80, 105, 130, 190, 255};
    for (int i = 0; i < 6; ++i)
        t[250 + i] = {kGreys[i], kGreys[i], kGreys[i]};
    return t;
}

const std::array<Rgb, 256>& table() {
    static const std::array<Rgb, 256> t = buildTable();
    return t;
}

} // namespace

Rgb aciColor(int index) {
    if (index < 0 || index > 255)
        return table()[7];
    return table()[index];
}

int nearestAci(uint32_t rgb) {
    int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    int best = 7;
    long bestDistance = -1;
    for (int i = 1; i < 256; ++i) {
        const Rgb& c = table()[i];
        long dr = c.r - r, dg = c.g - g, db = c.b - b;
        long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace vma::geom
