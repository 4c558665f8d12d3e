// A 4x4 matrix of affine transforms; points are columns, so a * b applies b first.
#pragma once

#include "gepnt3d.h"
#include "gescl3d.h"
#include "gevec3d.h"

class AcGeMatrix3d {
public:
    AcGeMatrix3d();

    static const AcGeMatrix3d kIdentity;

    AcGeMatrix3d& setToIdentity();
    AcGeMatrix3d operator*(const AcGeMatrix3d& mat) const;
    AcGeMatrix3d& preMultBy(const AcGeMatrix3d& leftSide);   // this = leftSide * this
    AcGeMatrix3d& postMultBy(const AcGeMatrix3d& rightSide); // this = this * rightSide
    double det() const;
    AcGeVector3d translation() const;

    AcGeMatrix3d& setToTranslation(const AcGeVector3d& vec);
    // Counter-clockwise about axis through center, looking against the axis.
    AcGeMatrix3d& setToRotation(double angle, const AcGeVector3d& axis,
                                const AcGePoint3d& center = AcGePoint3d::kOrigin);
    AcGeMatrix3d& setToScaling(double scaleAll, const AcGePoint3d& center = AcGePoint3d::kOrigin);
    // The object coordinate system of a normal (arbitrary-axis algorithm) to the world.
    AcGeMatrix3d& setToPlaneToWorld(const AcGeVector3d& normal);

    static AcGeMatrix3d translation(const AcGeVector3d& vec);
    static AcGeMatrix3d rotation(double angle, const AcGeVector3d& axis,
                                 const AcGePoint3d& center = AcGePoint3d::kOrigin);
    static AcGeMatrix3d scaling(double scaleAll, const AcGePoint3d& center = AcGePoint3d::kOrigin);
    static AcGeMatrix3d planeToWorld(const AcGeVector3d& normal);

    double entry[4][4];
};
