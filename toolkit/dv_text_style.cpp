#include "toolkit/dv_text_style.h"

void dv_reset_text_height() {}
