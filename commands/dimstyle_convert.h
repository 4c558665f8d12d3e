// The one-time conversion of a drawing's dimension styles that the command
// frame offers before the first command in each drawing. Stand-in until the
// dimension-style commands are built: it leaves the styles as they are.
#pragma once

void vma_convert_dimstyles();
