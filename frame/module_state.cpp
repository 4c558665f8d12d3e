#include "frame/module_state.h"

DvModuleState& dv_module_state() {
    static DvModuleState state;
    return state;
}
