#include "host/cmd/pline.h"

#include "acedads.h"
#include "host/cmd/make.h"
#include "host/cmd/prompts.h"
#include "host/db/frames.h"
#include "host/db/session.h"
#include "host/geom/ocs.h"
#include "host/input/prompt.h"
#include "host/sysvar/access.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace vma::cmd {
namespace {

constexpr double kPi = std::numbers::pi;

struct Vertex {
    Point at{};                                     // UCS
    double bulge = 0, startWidth = 0, endWidth = 0; // of the segment that starts here
};

double angleOf(const Point& a, const Point& b) {
    return std::atan2(b[1] - a[1], b[0] - a[0]);
}

double wrapped(double a) {
    while (a > kPi)
        a -= 2 * kPi;
    while (a <= -kPi)
        a += 2 * kPi;
    return a;
}

class Pline {
public:
    void run() {
        Answer start = askPoint(L"Specify start point: ");
        if (!start.ok())
            return;
        vertices_.push_back({start.point});
        auto w = host::getSysvar(host::Session::get(), "PLINEWID");
        startWidth_ = endWidth_ = w.ok() ? w->real : 0;
        input::say(L"Current line-width is " + decimal(startWidth_) + L"\n");
        while (arc_ ? arcStep() : lineStep()) {
        }
        make();
    }

private:
    bool closable() const { return vertices_.size() >= 3; }
    const Point& last() const { return vertices_.back().at; }

    // The direction the polyline leaves its last vertex in (radians, UCS).
    double tangent() const {
        if (vertices_.size() < 2)
            return 0;
        const Vertex& from = vertices_[vertices_.size() - 2];
        return angleOf(from.at, last()) + 2 * std::atan(from.bulge);
    }

    void segmentTo(const Point& p, double bulge) {
        Vertex& from = vertices_.back();
        from.bulge = bulge;
        from.startWidth = startWidth_;
        from.endWidth = endWidth_;
        startWidth_ = endWidth_;
        vertices_.push_back({p});
    }

    void close(double bulge) {
        Vertex& from = vertices_.back();
        from.bulge = bulge;
        from.startWidth = startWidth_;
        from.endWidth = endWidth_;
        closed_ = true;
    }

    // The bulge of an arc from the last vertex to p leaving along the tangent.
    double tangentBulge(const Point& p) const {
        return std::tan(wrapped(angleOf(last(), p) - tangent()) / 2);
    }

    bool lineStep() {
        Answer a =
            askPoint(closable() ? L"Specify next point or [Arc/Close/Halfwidth/Length/Undo/Width]: "
                                : L"Specify next point or [Arc/Halfwidth/Length/Undo/Width]: ",
                     closable() ? L"Arc Close Halfwidth Length Undo Width"
                                : L"Arc Halfwidth Length Undo Width",
                     last());
        if (a.ok()) {
            segmentTo(a.point, 0);
            return true;
        }
        if (a.is(L"Close")) {
            close(0);
            return false;
        }
        if (a.is(L"Arc")) {
            arc_ = true;
            return true;
        }
        if (a.is(L"Length"))
            return length();
        return common(a);
    }

    bool arcStep() {
        Answer a = askPoint(
            L"Specify endpoint of arc (hold Ctrl to switch direction) or\n"
            L"[Angle/CEnter/CLose/Direction/Halfwidth/Line/Radius/Second pt/Undo/Width]: ",
            L"Angle CEnter CLose Direction Halfwidth Line Radius Second Undo Width", last());
        if (a.ok()) {
            segmentTo(a.point, tangentBulge(a.point));
            return true;
        }
        if (a.is(L"CLose")) {
            close(vertices_.size() >= 2 ? tangentBulge(vertices_.front().at) : 0);
            return false;
        }
        if (a.is(L"Line")) {
            arc_ = false;
            return true;
        }
        if (a.is(L"Second"))
            return threePoint();
        if (a.is(L"Angle") || a.is(L"CEnter") || a.is(L"Direction") || a.is(L"Radius"))
            return arcBy(a.keyword);
        return common(a);
    }

    // Halfwidth, Width, Undo; anything else ends the command.
    bool common(const Answer& a) {
        if (a.is(L"Width"))
            return widths(L"Specify starting width <", L"Specify ending width <", 1);
        if (a.is(L"Halfwidth"))
            return widths(L"Specify starting half-width <", L"Specify ending half-width <", 0.5);
        if (a.is(L"Undo")) {
            undo();
            return true;
        }
        return false;
    }

    bool widths(const wchar_t* startPrompt, const wchar_t* endPrompt, double factor) {
        Answer s = askDistance(startPrompt + decimal(startWidth_ * factor) + L">: ", nullptr,
                               last(), RSG_NONEG);
        if (s.ok())
            startWidth_ = s.value / factor;
        else if (s.status != RTNONE)
            return false;
        Answer e = askDistance(endPrompt + decimal(startWidth_ * factor) + L">: ", nullptr, last(),
                               RSG_NONEG);
        if (e.ok())
            endWidth_ = e.value / factor;
        else if (e.status == RTNONE)
            endWidth_ = startWidth_;
        else
            return false;
        auto& session = host::Session::get();
        (void)host::setSysvar(session, "PLINEWID", host::SysvarValue::ofReal(endWidth_));
        return true;
    }

    bool length() {
        Answer d = askDistance(L"Specify length of line: ", nullptr, last(), RSG_NONEG);
        if (!d.ok())
            return d.status != RTCAN;
        double t = tangent();
        segmentTo({last()[0] + d.value * std::cos(t), last()[1] + d.value * std::sin(t), last()[2]},
                  0);
        return true;
    }

    void undo() {
        if (vertices_.size() < 2) {
            input::say(L"All segments already undone.\n");
            return;
        }
        vertices_.pop_back();
        vertices_.back().bulge = 0;
    }

    // Second pt: an arc through a second point to an end point.
    bool threePoint() {
        Answer m = askPoint(L"Specify second point on arc: ", nullptr, last());
        if (!m.ok())
            return m.status != RTCAN;
        Answer e = askPoint(L"Specify end point of arc: ", nullptr, m.point);
        if (!e.ok())
            return e.status != RTCAN;
        const Point &p = last(), &q = m.point, &r = e.point;
        double cross = (q[0] - p[0]) * (r[1] - q[1]) - (q[1] - p[1]) * (r[0] - q[0]);
        double atMiddle = std::fabs(wrapped(angleOf(q, p) - angleOf(q, r)));
        double bulge = std::fabs(cross) < 1e-12 ? 0 : std::tan((kPi - atMiddle) / 2);
        segmentTo(r, cross < 0 ? -bulge : bulge);
        return true;
    }

    // Angle, CEnter, Direction and Radius: the arc fixed by one more value and its end point.
    bool arcBy(const std::wstring& option) {
        if (option == L"CEnter")
            return arcByCentre();
        if (option == L"Direction") {
            Answer d = askAngle(L"Specify the tangent direction for the start point of arc: ",
                                nullptr, last());
            if (!d.ok())
                return d.status != RTCAN;
            Answer e = askPoint(L"Specify endpoint of the arc: ", nullptr, last());
            if (!e.ok())
                return e.status != RTCAN;
            segmentTo(e.point, std::tan(wrapped(angleOf(last(), e.point) - d.value) / 2));
            return true;
        }
        if (option == L"Angle") {
            Answer a = askAngle(L"Specify included angle: ");
            if (!a.ok())
                return a.status != RTCAN;
            Answer e = askPoint(L"Specify endpoint of arc: ", nullptr, last());
            if (!e.ok())
                return e.status != RTCAN;
            segmentTo(e.point, std::tan(wrapped(a.value) / 4));
            return true;
        }
        Answer r = askDistance(L"Specify radius of arc: ", nullptr, last(), RSG_NOZERO | RSG_NONEG);
        if (!r.ok())
            return r.status != RTCAN;
        Answer e = askPoint(L"Specify endpoint of arc: ", nullptr, last());
        if (!e.ok())
            return e.status != RTCAN;
        double chord = std::hypot(e.point[0] - last()[0], e.point[1] - last()[1]);
        double half = std::asin(std::min(1.0, chord / (2 * r.value)));
        segmentTo(e.point, std::tan(half / 2));
        return true;
    }

    bool arcByCentre() {
        Answer c = askPoint(L"Specify center point of arc: ", nullptr, last());
        if (!c.ok())
            return c.status != RTCAN;
        Answer e = askPoint(L"Specify endpoint of arc or [Angle/Length]: ", nullptr, c.point);
        if (!e.ok())
            return e.status != RTCAN;
        double sweep = angleOf(c.point, e.point) - angleOf(c.point, last());
        while (sweep <= 0)
            sweep += 2 * kPi;
        double radius = std::hypot(last()[0] - c.point[0], last()[1] - c.point[1]);
        double end = angleOf(c.point, last()) + sweep;
        segmentTo(
            {c.point[0] + radius * std::cos(end), c.point[1] + radius * std::sin(end), last()[2]},
            std::tan(sweep / 4));
        return true;
    }

    void make() const {
        if (vertices_.size() < 2)
            return;
        host::Frame ucs = host::ucsFrame(drawing());
        const double* z = ucs.axes.z;
        geom::Axes ocs = geom::ocsAxes(z);
        db::GroupList g;
        g.addText(0, "LWPOLYLINE");
        g.addInt(90, static_cast<int64_t>(vertices_.size()));
        g.addInt(70, closed_ ? 1 : 0);
        bool constant = isConstantWidth();
        if (constant)
            g.addReal(43, vertices_.front().startWidth);
        std::vector<std::array<double, 3>> points;
        for (const Vertex& v : vertices_) {
            Point w = toWorld(v.at);
            std::array<double, 3> o{};
            geom::wcsToOcs(ocs, w.data(), o.data());
            points.push_back(o);
        }
        if (std::fabs(points.front()[2]) > 1e-12)
            g.addReal(38, points.front()[2]);
        for (size_t i = 0; i < vertices_.size(); ++i) {
            g.addReal(10, points[i][0]);
            g.addReal(20, points[i][1]);
            if (!constant) {
                g.addReal(40, vertices_[i].startWidth);
                g.addReal(41, vertices_[i].endWidth);
            }
            g.addReal(42, vertices_[i].bulge);
        }
        if (!geom::isWorldZ(z)) {
            g.addReal(210, z[0]);
            g.addReal(220, z[1]);
            g.addReal(230, z[2]);
        }
        addToDrawing(std::move(g));
    }

    bool isConstantWidth() const {
        size_t segments = closed_ ? vertices_.size() : vertices_.size() - 1;
        for (size_t i = 0; i < segments; ++i)
            if (vertices_[i].startWidth != vertices_.front().startWidth ||
                vertices_[i].endWidth != vertices_.front().startWidth)
                return false;
        return true;
    }

    std::vector<Vertex> vertices_;
    double startWidth_ = 0, endWidth_ = 0;
    bool arc_ = false, closed_ = false;
};

} // namespace

void pline() {
    Pline().run();
}

} // namespace vma::cmd
