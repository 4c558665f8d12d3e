// The shared bodies of the rows whose Parts are not built yet, and the small
// bodies that only hand over to the toolkit.
#include "acedads.h"
#include "frame/command_bodies.h"
#include "frame/command_frame.h"
#include "toolkit/dv_debug.h"

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

int vma_debug_command() {
    vmadebug();
    return 0;
}
