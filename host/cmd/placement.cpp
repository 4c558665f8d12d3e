#include "host/cmd/placement.h"

#include "host/cmd/prompts.h"
#include "host/db/frames.h"

namespace vma::cmd {
namespace {

using geom::Matrix;
using geom::Vec3;

Vec3 vec(const input::Point& p) {
    return {p[0], p[1], p[2]};
}

// linear applied about the world point: there, nothing moves.
Matrix about(const input::Point& baseUcs, const Matrix& linear) {
    Vec3 base = vec(toWorld(baseUcs));
    return Matrix::translation(base) * linear * Matrix::translation(base * -1);
}

Matrix ucsAxes() {
    return Matrix::fromAxes(host::ucsFrame(drawing()).axes);
}

} // namespace

Matrix transposed(const Matrix& a) {
    Matrix r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r.m[i][j] = a.m[j][i];
    return r;
}

Matrix displacement(const input::Point& fromUcs, const input::Point& toUcs) {
    return Matrix::translation(vec(toWorld(toUcs)) - vec(toWorld(fromUcs)));
}

Matrix rotationAbout(const input::Point& baseUcs, double radians) {
    Matrix axes = ucsAxes();
    return about(baseUcs, axes * Matrix::rotationZ(radians) * transposed(axes));
}

Matrix scalingAbout(const input::Point& baseUcs, double factor) {
    return about(baseUcs, Matrix::scaling(factor, factor, factor));
}

} // namespace vma::cmd
