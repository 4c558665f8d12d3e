#include "toolkit/dv_layer_config.h"

int dv_layer_config_open() {
    return 0;
}

int dv_layer_config_release() {
    return 0;
}
