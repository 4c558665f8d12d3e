// The DCL C functions that read and change tiles.
#include "adsdlg.h"
#include "host/base/text.h"
#include "host/dcl/ads_edge.h"
#include "host/dcl/runtime.h"

using namespace vma;

int ads_action_tile(ads_hdlg hdlg, const ACHAR* key, CLIENTFUNC tilefunc) {
    dcl::Tile* tile = dcl::tileOf(hdlg, key);
    if (tile == nullptr)
        return RTERROR;
    tile->action = tilefunc;
    return RTNORM;
}

int ads_set_tile(ads_hdlg hdlg, const ACHAR* key, const ACHAR* value) {
    dcl::Tile* tile = dcl::tileOf(hdlg, key);
    if (tile == nullptr || value == nullptr)
        return RTERROR;
    dcl::dialogOf(hdlg)->setValue(*tile, wideToUtf8(value));
    return RTNORM;
}

int ads_get_tile(ads_hdlg hdlg, const ACHAR* key, ACHAR* value, int maxlen) {
    dcl::Tile* tile = dcl::tileOf(hdlg, key);
    if (tile == nullptr)
        return RTERROR;
    return dcl::copyOut(dcl::dialogOf(hdlg)->value(*tile), value, maxlen);
}

int ads_client_data_tile(ads_hdlg hdlg, const ACHAR* key, void* clientdata) {
    dcl::Tile* tile = dcl::tileOf(hdlg, key);
    if (tile == nullptr)
        return RTERROR;
    tile->clientData = clientdata;
    return RTNORM;
}

int ads_get_attr(ads_hdlg hdlg, const ACHAR* key, const ACHAR* attr, ACHAR* value, int len) {
    dcl::Tile* tile = dcl::tileOf(hdlg, key);
    if (tile == nullptr || attr == nullptr)
        return RTERROR;
    return dcl::copyOut(tile->attr(wideToUtf8(attr)), value, len);
}

int ads_get_attr_string(ads_htile tile, const ACHAR* attr, ACHAR* value, int len) {
    if (tile == nullptr || attr == nullptr)
        return RTERROR;
    return dcl::copyOut(static_cast<dcl::Tile*>(tile)->attr(wideToUtf8(attr)), value, len);
}

int ads_mode_tile(ads_hdlg hdlg, const ACHAR* key, short mode) {
    dcl::Tile* tile = dcl::tileOf(hdlg, key);
    if (tile == nullptr)
        return RTERROR;
    switch (mode) {
    case MODE_ENABLE:
        tile->enabled = true;
        return RTNORM;
    case MODE_DISABLE:
        tile->enabled = false;
        return RTNORM;
    case MODE_FLIP:
        tile->enabled = !tile->enabled;
        return RTNORM;
    case MODE_SETFOCUS:
    case MODE_SETSEL:
        return RTNORM;
    default:
        return RTERROR;
    }
}
