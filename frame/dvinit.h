// The toolkit's initialisation, once while the module is loaded: the
// catalogue language and the alert-box titles.
#pragma once

// Reads Taal (corrected to 0 when outside 0-2), switches the open catalogue
// to it when it is not 0, and loads the four alert titles (section 3, lines
// 1-4, with the host release tag). Later calls do nothing.
void dvinit();
