#include "host/dcl/slide_find.h"

#include "acedads.h"
#include "host/base/text.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

namespace vma::dcl {

namespace {

bool hasExtension(std::wstring_view name) {
    size_t dot = name.rfind(L'.');
    return dot != std::wstring_view::npos &&
           name.find_first_of(L"\\/", dot) == std::wstring_view::npos;
}

ErrorOr<std::string> readFound(std::wstring name, const wchar_t* extension) {
    if (!hasExtension(name))
        name += extension;
    wchar_t found[4096];
    if (acedFindFile(name.c_str(), found, std::size(found)) != RTNORM)
        return Error{"slide file " + wideToUtf8(name) + " not found"};
    std::ifstream in(wideToUtf8(found), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace

ErrorOr<Slide> findSlide(std::wstring_view name) {
    if (name.empty())
        return Error{"no slide name"};
    size_t open = name.find(L'(');
    if (open == std::wstring_view::npos || name.back() != L')') {
        VMA_TRY_ASSIGN(std::string file, readFound(std::wstring(name), L".sld"));
        return readSlide(file);
    }
    VMA_TRY_ASSIGN(std::string library, readFound(std::wstring(name.substr(0, open)), L".slb"));
    std::wstring inner(name.substr(open + 1, name.size() - open - 2));
    VMA_TRY_ASSIGN(std::string_view bytes, librarySlide(library, wideToUtf8(upperName(inner))));
    return readSlide(bytes);
}

void drawSlide(const Slide& slide, int x, int y, int width, int height, std::vector<ImageOp>& out) {
    if (slide.highX <= 0 || slide.highY <= 0)
        return;
    double s = std::min(static_cast<double>(width) / slide.highX,
                        static_cast<double>(height) / slide.highY);
    auto px = [&](int sx) { return x + static_cast<int>(std::lround(sx * s)); };
    auto py = [&](int sy) { return y + height - static_cast<int>(std::lround(sy * s)); };
    for (const SlideVector& v : slide.vectors)
        out.push_back({ImageOp::Kind::Vector, px(v.x1), py(v.y1), px(v.x2), py(v.y2), v.color, {}});
    for (const SlideFill& f : slide.fills) {
        ImageOp op{ImageOp::Kind::Polygon, 0, 0, 0, 0, f.color, {}};
        for (const auto& [fx, fy] : f.points)
            op.points.push_back({px(fx), py(fy)});
        out.push_back(std::move(op));
    }
}

} // namespace vma::dcl
