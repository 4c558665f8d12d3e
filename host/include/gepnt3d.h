// A 3D point of the geometry library.
#pragma once

#include "gevec3d.h"

class AcGeMatrix3d;

class AcGePoint3d {
public:
    AcGePoint3d() = default;
    AcGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

    static const AcGePoint3d kOrigin;

    AcGePoint3d operator+(const AcGeVector3d& v) const;
    AcGePoint3d operator-(const AcGeVector3d& v) const;
    AcGeVector3d operator-(const AcGePoint3d& p) const;
    AcGeVector3d asVector() const { return {x, y, z}; }
    double distanceTo(const AcGePoint3d& p) const;
    AcGePoint3d& transformBy(const AcGeMatrix3d& leftSide);
    bool isEqualTo(const AcGePoint3d& p, double tol = 1e-10) const;

    double x = 0, y = 0, z = 0;
};
