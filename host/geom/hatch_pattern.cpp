// Pattern lines clipped to a hatch boundary: each family of parallel lines
// is cut where it crosses the boundary rings, the pieces alternate inside
// and outside (even-odd), and the dash pattern runs along the inside pieces.
#include "host/geom/hatch.h"
#include "host/geom/matrix.h"

#include <algorithm>
#include <cmath>

namespace vma::geom {
namespace {

struct Family {
    Vec3 direction, normal;
    const PatternLine* line;
};

// Where the line origin + t * direction crosses the rings, sorted. A vertex
// exactly on the line counts once: an edge owns its start side only.
std::vector<double> crossings(const std::vector<std::vector<Vec3>>& rings, const Family& f,
                              const Vec3& origin) {
    std::vector<double> ts;
    for (const auto& ring : rings) {
        for (size_t i = 0; i < ring.size(); ++i) {
            const Vec3& a = ring[i];
            const Vec3& b = ring[(i + 1) % ring.size()];
            double sa = dot(a - origin, f.normal), sb = dot(b - origin, f.normal);
            if ((sa > 0) == (sb > 0))
                continue;
            double ta = dot(a - origin, f.direction), tb = dot(b - origin, f.direction);
            ts.push_back(ta + (tb - ta) * sa / (sa - sb));
        }
    }
    std::sort(ts.begin(), ts.end());
    return ts;
}

class Collector {
public:
    explicit Collector(std::vector<Segment>& out) : out_(out) {}
    bool full() const { return out_.size() >= kMaxPatternSegments; }

    // The dashes of a line between t0 and t1; the pattern starts at t = 0.
    void dashes(const Family& f, const Vec3& origin, double t0, double t1) {
        // A line that only touches the boundary at a corner has nothing inside.
        if (t1 - t0 < 1e-9)
            return;
        const std::vector<double>& dashes = f.line->dashes;
        double period = 0;
        for (double d : dashes)
            period += std::fabs(d);
        // Dashes too fine to step through (or too far out for the steps to
        // add up) look like a continuous line.
        bool tooFine = (t1 - t0) / period > static_cast<double>(kMaxPatternSegments) ||
                       std::fabs(t0) / period > 1e12;
        if (dashes.empty() || period < 1e-12 || tooFine) {
            piece(f, origin, t0, t1);
            return;
        }
        if (std::none_of(dashes.begin(), dashes.end(), [](double d) { return d >= 0; }))
            return;
        double pos = std::floor(t0 / period) * period;
        for (size_t k = 0; pos < t1 && !full(); k = (k + 1) % dashes.size()) {
            double d = dashes[k];
            double end = pos + std::fabs(d);
            if (d == 0 && pos >= t0)
                piece(f, origin, pos, pos);
            else if (d > 0 && end > t0)
                piece(f, origin, std::max(pos, t0), std::min(end, t1));
            pos = end;
        }
    }

private:
    void piece(const Family& f, const Vec3& origin, double t0, double t1) {
        if (full())
            return;
        out_.push_back({origin + f.direction * t0, origin + f.direction * t1});
    }

    std::vector<Segment>& out_;
};

Box ringBox(const std::vector<std::vector<Vec3>>& rings) {
    Box box;
    for (const auto& ring : rings)
        for (const Vec3& p : ring)
            box.add(p);
    return box;
}

void family(const std::vector<std::vector<Vec3>>& rings, const Box& box, const PatternLine& line,
            Collector& collect) {
    Family f{{std::cos(line.angle), std::sin(line.angle), 0},
             {-std::sin(line.angle), std::cos(line.angle), 0},
             &line};
    double spacing = dot(line.offset, f.normal);
    if (!std::isfinite(spacing) || std::fabs(spacing) < 1e-9)
        return;
    // The range of line numbers whose lines cross the boundary's box.
    double lo = 1e300, hi = -1e300;
    for (double x : {box.min.x, box.max.x}) {
        for (double y : {box.min.y, box.max.y}) {
            double k = dot(Vec3{x, y, 0} - line.base, f.normal) / spacing;
            lo = std::min(lo, k);
            hi = std::max(hi, k);
        }
    }
    if (!(hi - lo <= static_cast<double>(kMaxPatternLines)) || std::fabs(lo) > 1e15)
        return;
    for (auto k = static_cast<long>(std::ceil(lo)); k <= static_cast<long>(std::floor(hi)); ++k) {
        Vec3 origin = line.base + line.offset * static_cast<double>(k);
        std::vector<double> ts = crossings(rings, f, origin);
        for (size_t i = 0; i + 1 < ts.size() && !collect.full(); i += 2)
            collect.dashes(f, origin, ts[i], ts[i + 1]);
    }
}

} // namespace

std::vector<Segment> patternSegments(const std::vector<std::vector<Vec3>>& rings,
                                     const std::vector<PatternLine>& lines) {
    std::vector<Segment> out;
    Box box = ringBox(rings);
    if (box.empty())
        return out;
    Collector collect(out);
    for (const PatternLine& line : lines) {
        if (collect.full())
            break;
        family(rings, box, line, collect);
    }
    return out;
}

} // namespace vma::geom
