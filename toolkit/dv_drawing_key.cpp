#include "toolkit/dv_drawing_key.h"

#include "acdbads.h"

// Every drawing has layer "0", and the object name of its table record names
// the record within that drawing's database, so it identifies the database
// for as long as the drawing is open, whatever file name it gets.
DvDrawingKey dv_current_drawing_key() {
    ads_name layer0{};
    if (acdbTblObjName(L"LAYER", L"0", layer0) != RTNORM)
        return {};
    return {layer0[0], layer0[1]};
}
