#include "commands/dimstyle_convert.h"

void vma_convert_dimstyles() {}
