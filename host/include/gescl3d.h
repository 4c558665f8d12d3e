// Scale factors along X, Y and Z.
#pragma once

class AcGeMatrix3d;

class AcGeScale3d {
public:
    AcGeScale3d() = default;
    explicit AcGeScale3d(double factor) : sx(factor), sy(factor), sz(factor) {}
    AcGeScale3d(double xf, double yf, double zf) : sx(xf), sy(yf), sz(zf) {}

    static const AcGeScale3d kIdentity;

    // The scaling matrix about the origin.
    AcGeMatrix3d& getMatrix(AcGeMatrix3d& mat) const;

    double sx = 1, sy = 1, sz = 1;
};
