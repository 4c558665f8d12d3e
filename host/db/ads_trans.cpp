// acedTrans: points between the world, the current UCS, the display and the
// object coordinate systems at the C boundary.
#include "acedads.h"
#include "host/db/ads_errno.h"
#include "host/db/ename.h"
#include "host/db/frames.h"
#include "host/db/session.h"

#include <cmath>
#include <optional>

namespace {

using vma::host::Frame;

constexpr short kWcs = 0;
constexpr short kUcs = 1;
constexpr short kDcs = 2;
constexpr short kPsdcs = 3;

bool isCode(const resbuf* rb, short code) {
    return rb->restype == RTSHORT && rb->resval.rint == code;
}

// Paper-space DCS pairs only with the DCS of a model-space viewport.
bool validPair(const resbuf* from, const resbuf* to) {
    if (isCode(from, kPsdcs))
        return isCode(to, kDcs);
    if (isCode(to, kPsdcs))
        return isCode(from, kDcs);
    return true;
}

std::optional<Frame> entityFrame(const resbuf& rb) {
    auto ref = vma::host::resolveEntity(rb.resval.rlname);
    if (!ref)
        return std::nullopt;
    const vma::db::GroupList& groups = ref->doc->db->entity(ref->index).groups;
    double extrusion[3] = {groups.findReal(210).value_or(0), groups.findReal(220).value_or(0),
                           groups.findReal(230).value_or(1)};
    return vma::host::extrusionFrame(extrusion);
}

std::optional<Frame> vectorFrame(const resbuf& rb) {
    const ads_real* v = rb.resval.rpoint;
    if (std::hypot(v[X], v[Y], v[Z]) < 1e-12)
        return std::nullopt;
    return vma::host::extrusionFrame(v);
}

std::optional<Frame> frameOf(const resbuf& rb) {
    if (rb.restype == RTENAME)
        return entityFrame(rb);
    if (rb.restype == RT3DPOINT)
        return vectorFrame(rb);
    if (rb.restype != RTSHORT)
        return std::nullopt;
    const vma::db::Database& db = *vma::host::Session::get().current().db;
    switch (rb.resval.rint) {
    case kWcs:
        return Frame{};
    case kUcs:
        return vma::host::ucsFrame(db);
    case kDcs:
    case kPsdcs:
        return vma::host::viewFrame(db);
    default:
        return std::nullopt;
    }
}

int refuse(int errnoValue) {
    vma::host::Session::get().lastErrno() = errnoValue;
    return RTERROR;
}

// A space code that names no system is the wrong space; anything else a bad argument.
int refuseFrame(const resbuf& rb) {
    namespace err = vma::host::adserr;
    return refuse(rb.restype == RTSHORT ? err::kTransformSpace : err::kTransformArgs);
}

} // namespace

int acedTrans(const ads_point pt, const resbuf* from, const resbuf* to, int disp,
              ads_point result) {
    namespace err = vma::host::adserr;
    if (pt == nullptr || from == nullptr || to == nullptr || result == nullptr)
        return refuse(err::kTransformArgs);
    if (!validPair(from, to))
        return refuse(err::kTransformSpace);
    auto source = frameOf(*from);
    if (!source)
        return refuseFrame(*from);
    auto target = frameOf(*to);
    if (!target)
        return refuseFrame(*to);
    double world[3];
    vma::host::toWorld(*source, pt, disp != 0, world);
    vma::host::fromWorld(*target, world, disp != 0, result);
    return RTNORM;
}
