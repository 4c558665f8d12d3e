#include "toolkit/dv_dcl_file.h"

namespace {
int g_dclId = -1;
}

int dv_dcl_id() {
    return g_dclId;
}

void dv_set_dcl_id(int id) {
    g_dclId = id;
}
