// The shared bodies of the rows whose Parts are not built yet.
#include "acedads.h"
#include "frame/command_bodies.h"
#include "frame/command_frame.h"

namespace {

void nothing() {}

} // namespace

int vma_framed_standin() {
    return dv_run_framed(nothing);
}

int vma_unframed_standin() {
    return 0;
}

int vma_lisp_standin() {
    acedRetNil();
    return RTNORM;
}
