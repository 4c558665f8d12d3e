// Affine transforms of 3D points: a block's content placed by an insert, an
// object coordinate system taken to the world.
#pragma once

#include "host/geom/geom.h"
#include "host/geom/ocs.h"

namespace vma::geom {

struct Matrix {
    // Rows of a 3x4 matrix: the linear part and the translation in column 3.
    double m[3][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};

    static Matrix translation(const Vec3& v);
    static Matrix rotationZ(double radians);
    static Matrix scaling(double sx, double sy, double sz);
    // Columns are the axes: OCS coordinates to world coordinates.
    static Matrix fromAxes(const Axes& axes);
    // The OCS of an extrusion direction (identity for the world Z axis).
    static Matrix ocs(const Vec3& extrusion);

    Vec3 apply(const Vec3& p) const;
    Vec3 applyVector(const Vec3& v) const; // without the translation
    double determinantXY() const;          // negative when the transform mirrors in XY
    // Mean length of the transformed X and Y unit vectors: how widths and sizes scale.
    double planarScale() const;
};

// a after b: (a * b).apply(p) == a.apply(b.apply(p)).
Matrix operator*(const Matrix& a, const Matrix& b);

double length(const Vec3& v);
Vec3 operator+(const Vec3& a, const Vec3& b);
Vec3 operator-(const Vec3& a, const Vec3& b);
Vec3 operator*(const Vec3& a, double s);
double dot(const Vec3& a, const Vec3& b);
Vec3 cross(const Vec3& a, const Vec3& b);

} // namespace vma::geom
