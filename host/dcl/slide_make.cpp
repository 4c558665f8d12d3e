#include "host/dcl/slide_make.h"

#include "host/dxf/dxf.h"
#include "host/geom/geom.h"

#include <algorithm>
#include <cmath>

namespace vma::dcl {

namespace {

constexpr size_t kMaxFillCorners = 10;

struct Scale {
    double minX = 0, minY = 0, factor = 1;
    std::pair<int, int> operator()(const geom::Vec3& p) const {
        return {static_cast<int>(std::lround((p.x - minX) * factor)),
                static_cast<int>(std::lround((p.y - minY) * factor))};
    }
};

void addOutline(const std::vector<geom::Vec3>& pts, bool closed, int color, const Scale& s,
                Slide& slide) {
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        auto [x1, y1] = s(pts[i]);
        auto [x2, y2] = s(pts[i + 1]);
        slide.vectors.push_back({x1, y1, x2, y2, color});
    }
    if (pts.size() == 1) {
        auto [x, y] = s(pts[0]);
        slide.vectors.push_back({x, y, x, y, color});
    }
    if (closed && pts.size() > 2) {
        auto [x1, y1] = s(pts.back());
        auto [x2, y2] = s(pts.front());
        slide.vectors.push_back({x1, y1, x2, y2, color});
    }
}

void addPrimitive(const geom::Primitive& p, const Scale& s, Slide& slide) {
    using Kind = geom::Primitive::Kind;
    if (p.kind == Kind::Text) {
        auto box = geom::textBox(p);
        addOutline({box.begin(), box.end()}, true, p.color, s, slide);
        return;
    }
    if (p.kind == Kind::Fill && p.points.size() >= 3 && p.points.size() <= kMaxFillCorners) {
        SlideFill fill{{}, p.color};
        for (const auto& pt : p.points)
            fill.points.push_back(s(pt));
        slide.fills.push_back(std::move(fill));
        return;
    }
    addOutline(p.points, p.closed || p.kind == Kind::Fill, p.color, s, slide);
}

} // namespace

Slide slideOfDrawing(const db::Database& db) {
    auto primitives = geom::explodeBlock(db, db.modelSpace());
    geom::Box box = geom::extents(primitives);
    Slide slide;
    slide.highX = kSlideDots;
    slide.highY = kSlideDots;
    if (box.empty())
        return slide;
    double w = std::max(box.max.x - box.min.x, 1e-9), h = std::max(box.max.y - box.min.y, 1e-9);
    Scale scale{box.min.x, box.min.y, kSlideDots / std::max(w, h)};
    slide.highX = std::max(1, static_cast<int>(std::lround(w * scale.factor)));
    slide.highY = std::max(1, static_cast<int>(std::lround(h * scale.factor)));
    slide.aspect = static_cast<double>(slide.highX) / slide.highY;
    for (const auto& p : primitives)
        addPrimitive(p, scale, slide);
    return slide;
}

ErrorOr<std::string> libraryOfDrawings(const std::vector<std::filesystem::path>& drawings) {
    std::vector<std::pair<std::string, std::string>> slides;
    for (const auto& path : drawings) {
        VMA_TRY_ASSIGN(auto read, dxf::readFile(path));
        slides.push_back({path.stem().string(), writeSlide(slideOfDrawing(*read.db))});
    }
    return writeLibrary(slides);
}

} // namespace vma::dcl
