// Programmable dialog boxes (DCL) of the ADS interface. Dialogs run without a
// screen: what a user would do comes from the host's answer queue (scripts or
// the test driver), and everything that happens is written to the transcript.
#pragma once

#include "adscodes.h"
#include "adsdef.h"

typedef void* ads_hdlg;
typedef void* ads_htile;

struct ads_callback_packet {
    ads_hdlg dialog;
    ads_htile tile;
    ACHAR* value;
    void* client_data;
    int reason;
    long x, y;
};

typedef void (*CLIENTFUNC)(ads_callback_packet* cpkt);

#define NULLCB ((CLIENTFUNC)0)
#define BAD_DIALOG ((ads_hdlg)0)

// Callback reasons.
#define CBR_SELECT 1
#define CBR_LOST_FOCUS 2
#define CBR_DRAG 3
#define CBR_DOUBLE_CLICK 4

// Dialog status codes; an application's own codes start at DLGSTATUS.
#define DLGCANCEL 0
#define DLGOK 1
#define DLGALLDONE -1
#define DLGSTATUS 2

// List operations of ads_start_list.
#define LIST_CHANGE 1
#define LIST_APPEND 2
#define LIST_NEW 3

// Tile modes of ads_mode_tile.
#define MODE_ENABLE 0
#define MODE_DISABLE 1
#define MODE_SETFOCUS 2
#define MODE_SETSEL 3
#define MODE_FLIP 4

#define MAX_TILE_STR 40
#define TILE_STR_LIMIT 2035

// Loads a DCL file (found as acedFindFile finds files; ".dcl" added when the
// name has no extension) after the standard definitions. RTNORM with *dcl_id
// set; RTERROR when the file is missing or malformed (the error, naming file
// and line, goes to the transcript) and *dcl_id is negative.
int ads_load_dialog(const ACHAR* dclfile, int* dcl_id);
// RTNORM, or RTERROR for an id that is not loaded.
int ads_unload_dialog(int dcl_id);

// Makes the dialog named dlgname of a loaded file, at its remembered position.
// def_callback handles active tiles without an action of their own. RTNORM
// with *hdlg set; RTERROR with *hdlg = BAD_DIALOG for an unknown id or name.
int ads_new_dialog(const ACHAR* dlgname, int dcl_id, CLIENTFUNC def_callback, ads_hdlg* hdlg);
// As ads_new_dialog, at (x, y); (-1, -1) is the default position.
int ads_new_positioned_dialog(const ACHAR* dlgname, int dcl_id, CLIENTFUNC def_callback, int x,
                              int y, ads_hdlg* hdlg);
// Runs the dialog until a callback ends it, the answers run out (cancelled) or
// ads_term_dialog is called. *status is what ads_done_dialog gave (DLGOK,
// DLGCANCEL or an application code), DLGALLDONE after ads_term_dialog. The
// handle is gone afterwards. RTNORM; RTERROR for a bad handle.
int ads_start_dialog(ads_hdlg hdlg, int* status);
// Ends the dialog with status. RTNORM; RTERROR for a bad handle.
int ads_done_dialog(ads_hdlg hdlg, int status);
// As ads_done_dialog, and gives the dialog's position (remembered for the
// next ads_new_dialog of that name). RTNORM; RTERROR for a bad handle.
int ads_done_positioned_dialog(ads_hdlg hdlg, int status, int* x_result, int* y_result);
// Ends every open dialog; each start_dialog reports DLGALLDONE. Always RTNORM.
int ads_term_dialog(void);

// Sets the action of the tile keyed key (overrides its DCL action). RTNORM;
// RTERROR for a bad handle or unknown key.
int ads_action_tile(ads_hdlg hdlg, const ACHAR* key, CLIENTFUNC tilefunc);
// Sets a tile's value (radio cluster: the key of the button to choose; toggle
// and radio button "0"/"1"; lists: the selected indexes). Longer text than
// the edit limit is cut. RTNORM; RTERROR for a bad handle or unknown key.
int ads_set_tile(ads_hdlg hdlg, const ACHAR* key, const ACHAR* value);
// The tile's value, cut to maxlen - 1 characters. RTNORM; RTERROR for a bad
// handle, unknown key or null buffer.
int ads_get_tile(ads_hdlg hdlg, const ACHAR* key, ACHAR* value, int maxlen);
// Data handed to the tile's callbacks. RTNORM; RTERROR for a bad handle or unknown key.
int ads_client_data_tile(ads_hdlg hdlg, const ACHAR* key, void* clientdata);
// The DCL value of attribute attr of a tile ("" when not set), cut to len - 1.
// RTNORM; RTERROR for a bad handle or unknown key.
int ads_get_attr(ads_hdlg hdlg, const ACHAR* key, const ACHAR* attr, ACHAR* value, int len);
// As ads_get_attr for the tile of a callback packet.
int ads_get_attr_string(ads_htile tile, const ACHAR* attr, ACHAR* value, int len);
// Enables, disables, focuses, selects the text of, or flips the enabling of a
// tile. RTNORM; RTERROR for a bad handle, unknown key or unknown mode.
int ads_mode_tile(ads_hdlg hdlg, const ACHAR* key, short mode);

// Starts changing the list of a list_box or popup_list: LIST_NEW clears it,
// LIST_APPEND adds at the end, LIST_CHANGE replaces from index on. RTNORM;
// RTERROR for a bad handle, unknown key, a tile with no list or a bad index.
int ads_start_list(ads_hdlg hdlg, const ACHAR* key, short operation, short index);
// Adds item to the list being changed. RTNORM; RTERROR when no list is started.
int ads_add_list(const ACHAR* item);
// Ends the list change. RTNORM; RTERROR when no list is started.
int ads_end_list(void);

// Size of an image or image_button in pixels less one. RTNORM; RTERROR for a
// bad handle or unknown key.
int ads_dimensions_tile(ads_hdlg hdlg, const ACHAR* key, short* cx, short* cy);
// Starts drawing into an image tile's display list. RTNORM; RTERROR for a bad
// handle, unknown key or a tile that is no image.
int ads_start_image(ads_hdlg hdlg, const ACHAR* key);
// A vector from (x1, y1) to (x2, y2), origin upper left. RTNORM; RTERROR when
// no image is started.
int ads_vector_image(int x1, int y1, int x2, int y2, int color);
// A filled rectangle at (x1, y1), width by height. RTNORM; RTERROR when no
// image is started.
int ads_fill_image(int x1, int y1, int width, int height, int color);
// A slide ("name" or "library(name)") scaled into the rectangle at (x1, y1),
// width by height. RTNORM; RTERROR when no image is started or the slide is
// not found or malformed.
int ads_slide_image(int x1, int y1, int width, int height, const ACHAR* slnam);
// Ends drawing. RTNORM; RTERROR when no image is started.
int ads_end_image(void);
