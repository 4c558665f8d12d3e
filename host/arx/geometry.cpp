// The small geometry library of the object model: points, vectors, scale
// factors and 4x4 affine matrices (points are columns).
#include "gemat3d.h"
#include "host/geom/ocs.h"

#include <cmath>

const AcGeVector3d AcGeVector3d::kIdentity(0, 0, 0);
const AcGeVector3d AcGeVector3d::kXAxis(1, 0, 0);
const AcGeVector3d AcGeVector3d::kYAxis(0, 1, 0);
const AcGeVector3d AcGeVector3d::kZAxis(0, 0, 1);
const AcGePoint3d AcGePoint3d::kOrigin(0, 0, 0);
const AcGeScale3d AcGeScale3d::kIdentity(1, 1, 1);
const AcGeMatrix3d AcGeMatrix3d::kIdentity;

AcGeVector3d AcGeVector3d::operator+(const AcGeVector3d& v) const {
    return {x + v.x, y + v.y, z + v.z};
}

AcGeVector3d AcGeVector3d::operator-(const AcGeVector3d& v) const {
    return {x - v.x, y - v.y, z - v.z};
}

AcGeVector3d AcGeVector3d::operator-() const {
    return {-x, -y, -z};
}

AcGeVector3d AcGeVector3d::operator*(double s) const {
    return {x * s, y * s, z * s};
}

double AcGeVector3d::length() const {
    return std::sqrt(x * x + y * y + z * z);
}

AcGeVector3d AcGeVector3d::normal() const {
    double len = length();
    return len == 0 ? *this : *this * (1 / len);
}

double AcGeVector3d::dotProduct(const AcGeVector3d& v) const {
    return x * v.x + y * v.y + z * v.z;
}

AcGeVector3d AcGeVector3d::crossProduct(const AcGeVector3d& v) const {
    return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
}

AcGeVector3d& AcGeVector3d::transformBy(const AcGeMatrix3d& m) {
    const auto& e = m.entry;
    *this = {e[0][0] * x + e[0][1] * y + e[0][2] * z, e[1][0] * x + e[1][1] * y + e[1][2] * z,
             e[2][0] * x + e[2][1] * y + e[2][2] * z};
    return *this;
}

bool AcGeVector3d::isEqualTo(const AcGeVector3d& v, double tol) const {
    return (*this - v).length() <= tol;
}

AcGePoint3d AcGePoint3d::operator+(const AcGeVector3d& v) const {
    return {x + v.x, y + v.y, z + v.z};
}

AcGePoint3d AcGePoint3d::operator-(const AcGeVector3d& v) const {
    return {x - v.x, y - v.y, z - v.z};
}

AcGeVector3d AcGePoint3d::operator-(const AcGePoint3d& p) const {
    return {x - p.x, y - p.y, z - p.z};
}

double AcGePoint3d::distanceTo(const AcGePoint3d& p) const {
    return (*this - p).length();
}

AcGePoint3d& AcGePoint3d::transformBy(const AcGeMatrix3d& m) {
    AcGeVector3d v = asVector();
    v.transformBy(m);
    AcGeVector3d t = m.translation();
    *this = {v.x + t.x, v.y + t.y, v.z + t.z};
    return *this;
}

bool AcGePoint3d::isEqualTo(const AcGePoint3d& p, double tol) const {
    return distanceTo(p) <= tol;
}

AcGeMatrix3d& AcGeScale3d::getMatrix(AcGeMatrix3d& mat) const {
    mat.setToIdentity();
    mat.entry[0][0] = sx;
    mat.entry[1][1] = sy;
    mat.entry[2][2] = sz;
    return mat;
}

AcGeMatrix3d::AcGeMatrix3d() {
    setToIdentity();
}

AcGeMatrix3d& AcGeMatrix3d::setToIdentity() {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            entry[r][c] = r == c ? 1 : 0;
    return *this;
}

AcGeMatrix3d AcGeMatrix3d::operator*(const AcGeMatrix3d& mat) const {
    AcGeMatrix3d out;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += entry[r][k] * mat.entry[k][c];
            out.entry[r][c] = sum;
        }
    return out;
}

AcGeMatrix3d& AcGeMatrix3d::preMultBy(const AcGeMatrix3d& leftSide) {
    return *this = leftSide * *this;
}

AcGeMatrix3d& AcGeMatrix3d::postMultBy(const AcGeMatrix3d& rightSide) {
    return *this = *this * rightSide;
}

double AcGeMatrix3d::det() const {
    const auto& e = entry;
    return e[0][0] * (e[1][1] * e[2][2] - e[1][2] * e[2][1]) -
           e[0][1] * (e[1][0] * e[2][2] - e[1][2] * e[2][0]) +
           e[0][2] * (e[1][0] * e[2][1] - e[1][1] * e[2][0]);
}

AcGeVector3d AcGeMatrix3d::translation() const {
    return {entry[0][3], entry[1][3], entry[2][3]};
}

AcGeMatrix3d& AcGeMatrix3d::setToTranslation(const AcGeVector3d& vec) {
    setToIdentity();
    entry[0][3] = vec.x;
    entry[1][3] = vec.y;
    entry[2][3] = vec.z;
    return *this;
}

AcGeMatrix3d& AcGeMatrix3d::setToRotation(double angle, const AcGeVector3d& axis,
                                          const AcGePoint3d& center) {
    AcGeVector3d u = axis.normal();
    double c = std::cos(angle), s = std::sin(angle), t = 1 - c;
    AcGeMatrix3d r;
    r.entry[0][0] = t * u.x * u.x + c;
    r.entry[0][1] = t * u.x * u.y - s * u.z;
    r.entry[0][2] = t * u.x * u.z + s * u.y;
    r.entry[1][0] = t * u.x * u.y + s * u.z;
    r.entry[1][1] = t * u.y * u.y + c;
    r.entry[1][2] = t * u.y * u.z - s * u.x;
    r.entry[2][0] = t * u.x * u.z - s * u.y;
    r.entry[2][1] = t * u.y * u.z + s * u.x;
    r.entry[2][2] = t * u.z * u.z + c;
    *this = translation(center.asVector()) * r * translation(-center.asVector());
    return *this;
}

AcGeMatrix3d& AcGeMatrix3d::setToScaling(double scaleAll, const AcGePoint3d& center) {
    AcGeMatrix3d s;
    AcGeScale3d(scaleAll).getMatrix(s);
    *this = translation(center.asVector()) * s * translation(-center.asVector());
    return *this;
}

AcGeMatrix3d& AcGeMatrix3d::setToPlaneToWorld(const AcGeVector3d& normal) {
    double n[3] = {normal.x, normal.y, normal.z};
    vma::geom::Axes axes = vma::geom::ocsAxes(n);
    setToIdentity();
    for (int r = 0; r < 3; ++r) {
        entry[r][0] = axes.x[r];
        entry[r][1] = axes.y[r];
        entry[r][2] = axes.z[r];
    }
    return *this;
}

AcGeMatrix3d AcGeMatrix3d::translation(const AcGeVector3d& vec) {
    return AcGeMatrix3d().setToTranslation(vec);
}

AcGeMatrix3d AcGeMatrix3d::rotation(double angle, const AcGeVector3d& axis,
                                    const AcGePoint3d& center) {
    return AcGeMatrix3d().setToRotation(angle, axis, center);
}

AcGeMatrix3d AcGeMatrix3d::scaling(double scaleAll, const AcGePoint3d& center) {
    return AcGeMatrix3d().setToScaling(scaleAll, center);
}

AcGeMatrix3d AcGeMatrix3d::planeToWorld(const AcGeVector3d& normal) {
    return AcGeMatrix3d().setToPlaneToWorld(normal);
}
