#include "host/input/point_reader.h"

#include "adscodes.h"
#include "host/db/session.h"
#include "host/input/engine.h"
#include "host/input/osnap.h"
#include "host/sysvar/access.h"

namespace vma::input {
namespace {

unsigned runningSnaps() {
    auto v = host::getSysvar(host::Session::get(), "OSMODE");
    if (!v.ok() || (v->integer & kSnapNone))
        return 0;
    return static_cast<unsigned>(v->integer);
}

double aperture() {
    auto v = host::getSysvar(host::Session::get(), "APERTURE");
    return (v.ok() ? static_cast<double>(v->integer) : 10) * pixelSize();
}

} // namespace

PointReader::PointReader(const InitGet& init, std::optional<Point> base)
    : init_(init), base_(base), units_(currentUnits()) {}

Point PointReader::snapped(const Point& world, bool picked) const {
    unsigned modes = override_                           ? *override_
                     : picked && !init_.has(RSG_NOOSNAP) ? runningSnaps()
                                                         : 0;
    auto& session = host::Session::get();
    if (modes == 0 || !session.hasDocument())
        return world;
    std::optional<Point> from = Engine::get().lastPoint();
    if (base_)
        from = toWorldPoint(units_, *base_);
    auto hit = snapPoint(*session.current().db, world, aperture(), modes, from);
    return hit ? *hit : world;
}

Reply PointReader::accept(const Point& world) {
    world_ = world;
    value_ = toUcs(units_, world);
    Engine::get().lastPoint() = world;
    // LASTPOINT speaks the UCS the point was given in, as a typed point does.
    (void)host::setSysvarInternal(
        host::Session::get(), "LASTPOINT",
        host::SysvarValue::ofPoint(host::VarType::Point3, value_[0], value_[1], value_[2]));
    return Reply::done(RTNORM);
}

Reply PointReader::read(const InputEvent& event, std::wstring_view complaint) {
    if (event.kind == InputEvent::Kind::Pick)
        return accept(snapped(event.point, true));
    if (event.kind != InputEvent::Kind::Text)
        return Reply::retry(std::wstring(complaint));
    std::optional<Point> last;
    if (auto l = Engine::get().lastPoint())
        last = toUcs(units_, *l);
    if (auto typed = parsePoint(event.text, units_, last))
        return accept(snapped(toWorldPoint(units_, *typed), false));
    if (auto modes = parseSnapModes(event.text); modes && !override_) {
        override_ = *modes;
        return Reply::then(L"of ");
    }
    return Reply::retry(std::wstring(complaint));
}

} // namespace vma::input
