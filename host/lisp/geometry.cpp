// Point functions: polar, distance, angle, inters and trans.
#include "acedads.h"
#include "host/lisp/builtins.h"

#include <cmath>

namespace vma::lisp {

namespace {

ErrorOr<Value> polar(Interp&, const Args& a) {
    VMA_TRY(arity(a, 3, 3));
    VMA_TRY_ASSIGN(auto p, pointArg(a[0]));
    VMA_TRY_ASSIGN(double angle, numberArg(a[1]));
    VMA_TRY_ASSIGN(double d, numberArg(a[2]));
    p[0] += d * std::cos(angle);
    p[1] += d * std::sin(angle);
    return point(p);
}

ErrorOr<Value> distance(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY_ASSIGN(auto p, pointArg(a[0]));
    VMA_TRY_ASSIGN(auto q, pointArg(a[1]));
    double dz = p.size() == 3 && q.size() == 3 ? q[2] - p[2] : 0;
    return makeReal(std::sqrt(std::pow(q[0] - p[0], 2) + std::pow(q[1] - p[1], 2) + dz * dz));
}

ErrorOr<Value> angle(Interp&, const Args& a) {
    VMA_TRY(arity(a, 2, 2));
    VMA_TRY_ASSIGN(auto p, pointArg(a[0]));
    VMA_TRY_ASSIGN(auto q, pointArg(a[1]));
    double r = std::atan2(q[1] - p[1], q[0] - p[0]);
    return makeReal(r < 0 ? r + 2 * M_PI : r);
}

// Lines p1-p2 and p3-p4; within both segments unless onseg is given as nil.
ErrorOr<Value> inters(Interp&, const Args& a) {
    VMA_TRY(arity(a, 4, 5));
    std::vector<double> p[4];
    for (size_t i = 0; i < 4; ++i) {
        VMA_TRY_ASSIGN(p[i], pointArg(a[i]));
    }
    bool onSegments = a.size() < 5 || a[4];
    double d1x = p[1][0] - p[0][0], d1y = p[1][1] - p[0][1];
    double d2x = p[3][0] - p[2][0], d2y = p[3][1] - p[2][1];
    double den = d1x * d2y - d1y * d2x;
    if (std::fabs(den) < 1e-12)
        return Value{};
    double t = ((p[2][0] - p[0][0]) * d2y - (p[2][1] - p[0][1]) * d2x) / den;
    double u = ((p[2][0] - p[0][0]) * d1y - (p[2][1] - p[0][1]) * d1x) / den;
    constexpr double eps = 1e-10;
    if (onSegments && (t < -eps || t > 1 + eps || u < -eps || u > 1 + eps))
        return Value{};
    std::vector<double> hit{p[0][0] + t * d1x, p[0][1] + t * d1y};
    if (p[0].size() == 3 && p[1].size() == 3)
        hit.push_back(p[0][2] + t * (p[1][2] - p[0][2]));
    return point(hit);
}

ErrorOr<resbuf> space(const Value& v) {
    resbuf rb{};
    if (is(v, Type::Int)) {
        rb.restype = RTSHORT;
        rb.resval.rint = static_cast<short>(v->integer);
        return rb;
    }
    if (is(v, Type::Ename)) {
        rb.restype = RTENAME;
        rb.resval.rlname[0] = v->name[0];
        rb.resval.rlname[1] = v->name[1];
        return rb;
    }
    VMA_TRY_ASSIGN(auto xyz, pointArg(v));
    rb.restype = RT3DPOINT;
    for (size_t i = 0; i < xyz.size(); ++i)
        rb.resval.rpoint[i] = xyz[i];
    return rb;
}

ErrorOr<Value> trans(Interp&, const Args& a) {
    VMA_TRY(arity(a, 3, 4));
    VMA_TRY_ASSIGN(auto p, pointArg(a[0]));
    VMA_TRY_ASSIGN(resbuf from, space(a[1]));
    VMA_TRY_ASSIGN(resbuf to, space(a[2]));
    ads_point in = {p[0], p[1], p.size() == 3 ? p[2] : 0};
    ads_point out;
    int disp = a.size() == 4 && a[3] ? 1 : 0;
    if (acedTrans(in, &from, &to, disp, out) != RTNORM)
        return badArgument("coordinate system", a[1]);
    return point({out[0], out[1], out[2]});
}

const Registrar registrar{
    {L"POLAR", polar},   {L"DISTANCE", distance}, {L"ANGLE", angle},
    {L"INTERS", inters}, {L"TRANS", trans},
};

} // namespace

} // namespace vma::lisp
