#include "host/geom/matrix.h"

#include <cmath>

namespace vma::geom {

Matrix Matrix::translation(const Vec3& v) {
    Matrix r;
    r.m[0][3] = v.x;
    r.m[1][3] = v.y;
    r.m[2][3] = v.z;
    return r;
}

Matrix Matrix::rotationZ(double radians) {
    Matrix r;
    double c = std::cos(radians), s = std::sin(radians);
    r.m[0][0] = c;
    r.m[0][1] = -s;
    r.m[1][0] = s;
    r.m[1][1] = c;
    return r;
}

Matrix Matrix::scaling(double sx, double sy, double sz) {
    Matrix r;
    r.m[0][0] = sx;
    r.m[1][1] = sy;
    r.m[2][2] = sz;
    return r;
}

Matrix Matrix::fromAxes(const Axes& a) {
    Matrix r;
    for (int i = 0; i < 3; ++i) {
        r.m[i][0] = a.x[i];
        r.m[i][1] = a.y[i];
        r.m[i][2] = a.z[i];
    }
    return r;
}

Matrix Matrix::ocs(const Vec3& extrusion) {
    const double e[3] = {extrusion.x, extrusion.y, extrusion.z};
    if (isWorldZ(e))
        return Matrix{};
    return fromAxes(ocsAxes(e));
}

Vec3 Matrix::apply(const Vec3& p) const {
    Vec3 v = applyVector(p);
    return {v.x + m[0][3], v.y + m[1][3], v.z + m[2][3]};
}

Vec3 Matrix::applyVector(const Vec3& v) const {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

double Matrix::determinantXY() const {
    return m[0][0] * m[1][1] - m[0][1] * m[1][0];
}

double Matrix::planarScale() const {
    return (length(applyVector({1, 0, 0})) + length(applyVector({0, 1, 0}))) / 2;
}

Matrix operator*(const Matrix& a, const Matrix& b) {
    Matrix r;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 4; ++j) {
            double sum = j == 3 ? a.m[i][3] : 0.0;
            for (int k = 0; k < 3; ++k)
                sum += a.m[i][k] * b.m[k][j];
            r.m[i][j] = sum;
        }
    }
    return r;
}

double length(const Vec3& v) {
    return std::sqrt(dot(v, v));
}
Vec3 operator+(const Vec3& a, const Vec3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 operator-(const Vec3& a, const Vec3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 operator*(const Vec3& a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
double dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

} // namespace vma::geom
