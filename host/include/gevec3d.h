// A 3D vector of the geometry library.
#pragma once

class AcGeMatrix3d;

class AcGeVector3d {
public:
    AcGeVector3d() = default;
    AcGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

    static const AcGeVector3d kIdentity; // the zero vector
    static const AcGeVector3d kXAxis;
    static const AcGeVector3d kYAxis;
    static const AcGeVector3d kZAxis;

    AcGeVector3d operator+(const AcGeVector3d& v) const;
    AcGeVector3d operator-(const AcGeVector3d& v) const;
    AcGeVector3d operator-() const;
    AcGeVector3d operator*(double s) const;
    double length() const;
    // The vector of length 1 in the same direction; the zero vector stays zero.
    AcGeVector3d normal() const;
    double dotProduct(const AcGeVector3d& v) const;
    AcGeVector3d crossProduct(const AcGeVector3d& v) const;
    // The linear part of the matrix applied (no translation).
    AcGeVector3d& transformBy(const AcGeMatrix3d& leftSide);
    bool isEqualTo(const AcGeVector3d& v, double tol = 1e-10) const;

    double x = 0, y = 0, z = 0;
};
