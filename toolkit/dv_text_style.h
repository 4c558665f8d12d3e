// The current text style's fixed height. Stand-in until the entity-creation
// toolkit is built: commands do not fix a height yet, so there is nothing to
// reset.
#pragma once

// Gives the current text style the height 0 (variable) and makes it current again.
void dv_reset_text_height();
