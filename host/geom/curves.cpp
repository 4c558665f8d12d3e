#include "host/geom/curves.h"

#include "host/geom/matrix.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vma::geom {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

int chordCount(double sweep) {
    if (!std::isfinite(sweep))
        return 2;
    int n = static_cast<int>(std::ceil(std::fabs(sweep) / kTwoPi * kChordsPerTurn));
    return std::max(n, 2);
}

double sweepCcw(double a0, double a1) {
    double sweep = std::fmod(a1 - a0, kTwoPi);
    if (sweep <= 1e-12)
        sweep += kTwoPi;
    return sweep;
}

} // namespace

void appendArc(std::vector<Vec3>& out, const Vec3& centre, double radius, double a0, double a1) {
    double sweep = sweepCcw(a0, a1);
    int n = chordCount(sweep);
    for (int i = 0; i <= n; ++i) {
        double a = a0 + sweep * i / n;
        out.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a), centre.z});
    }
}

std::vector<Vec3> circlePoints(const Vec3& centre, double radius) {
    std::vector<Vec3> out;
    out.reserve(kChordsPerTurn);
    for (int i = 0; i < kChordsPerTurn; ++i) {
        double a = kTwoPi * i / kChordsPerTurn;
        out.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a), centre.z});
    }
    return out;
}

void appendBulge(std::vector<Vec3>& out, const Vec3& p0, const Vec3& p1, double bulge) {
    Vec3 chord = p1 - p0;
    double c = std::hypot(chord.x, chord.y);
    if (std::fabs(bulge) < 1e-9 || c < 1e-12) {
        out.push_back(p1);
        return;
    }
    // Sagitta geometry: sweep = 4 atan(bulge); the centre lies on the chord's
    // perpendicular bisector, to the left for a positive bulge.
    double sweep = 4 * std::atan(bulge);
    double radius = c / (2 * std::sin(std::fabs(sweep) / 2));
    double toCentre = c / 2 / std::tan(sweep / 2); // signed distance along the left normal
    Vec3 mid = (p0 + p1) * 0.5;
    Vec3 left{-chord.y / c, chord.x / c, 0};
    Vec3 centre = mid + left * toCentre;
    double a0 = std::atan2(p0.y - centre.y, p0.x - centre.x);
    int n = chordCount(sweep);
    for (int i = 1; i < n; ++i) {
        double a = a0 + sweep * i / n;
        double z = p0.z + (p1.z - p0.z) * i / n;
        out.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a), z});
    }
    out.push_back(p1);
}

void appendEllipse(std::vector<Vec3>& out, const Vec3& centre, const Vec3& major, const Vec3& minor,
                   double t0, double t1) {
    double sweep = sweepCcw(t0, t1);
    int n = chordCount(sweep);
    for (int i = 0; i <= n; ++i) {
        double t = t0 + sweep * i / n;
        out.push_back(centre + major * std::cos(t) + minor * std::sin(t));
    }
}

std::vector<Vec3> bspline(int degree, const std::vector<double>& knots,
                          const std::vector<Vec3>& control, const std::vector<double>& weights) {
    size_t n = control.size();
    auto p = static_cast<size_t>(degree);
    if (degree < 1 || n <= p || knots.size() != n + p + 1)
        return {};
    bool rational = weights.size() == n;
    double u0 = knots[p], u1 = knots[n];
    if (!(u1 > u0))
        return {};
    size_t samples = std::max<size_t>(n * 8, 16);
    std::vector<Vec3> out;
    out.reserve(samples + 1);
    std::vector<Vec3> d(p + 1);
    std::vector<double> w(p + 1);
    for (size_t s = 0; s <= samples; ++s) {
        double u = u0 + (u1 - u0) * static_cast<double>(s) / static_cast<double>(samples);
        // The knot span holding u, the last non-empty one at the end.
        size_t k = p;
        while (k + 1 < n && knots[k + 1] <= u)
            ++k;
        // de Boor on homogeneous points.
        for (size_t j = 0; j <= p; ++j) {
            double wj = rational ? weights[j + k - p] : 1.0;
            d[j] = control[j + k - p] * wj;
            w[j] = wj;
        }
        for (size_t r = 1; r <= p; ++r) {
            for (size_t j = p; j >= r; --j) {
                double lo = knots[j + k - p], hi = knots[j + 1 + k - r];
                double alpha = hi > lo ? (u - lo) / (hi - lo) : 0.0;
                d[j] = d[j - 1] * (1 - alpha) + d[j] * alpha;
                w[j] = w[j - 1] * (1 - alpha) + w[j] * alpha;
            }
        }
        out.push_back(w[p] != 0 ? d[p] * (1 / w[p]) : d[p]);
    }
    return out;
}

} // namespace vma::geom
