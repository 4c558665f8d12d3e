// The DCL C functions that fill lists and draw images.
#include "adsdlg.h"
#include "host/base/text.h"
#include "host/db/session.h"
#include "host/dcl/ads_edge.h"
#include "host/dcl/runtime.h"
#include "host/dcl/slide_find.h"

using namespace vma;
using vma::dcl::Runtime;

int ads_start_list(ads_hdlg hdlg, const ACHAR* key, short operation, short index) {
    dcl::Tile* tile = dcl::tileOf(hdlg, key);
    if (tile == nullptr || !dcl::hasList(tile->kind))
        return RTERROR;
    if (operation != LIST_NEW && operation != LIST_APPEND && operation != LIST_CHANGE)
        return RTERROR;
    if (operation == LIST_CHANGE && (index < 0 || static_cast<size_t>(index) >= tile->list.size()))
        return RTERROR;
    if (operation == LIST_NEW)
        tile->list.clear();
    Runtime::get().listEdit() = {tile, operation,
                                 operation == LIST_CHANGE ? static_cast<size_t>(index) : 0};
    return RTNORM;
}

int ads_add_list(const ACHAR* item) {
    dcl::ListEdit& edit = Runtime::get().listEdit();
    if (edit.tile == nullptr || item == nullptr)
        return RTERROR;
    std::string text = wideToUtf8(item);
    if (edit.operation == LIST_CHANGE && edit.index < edit.tile->list.size()) {
        edit.tile->list[edit.index++] = std::move(text);
        return RTNORM;
    }
    edit.tile->list.push_back(std::move(text));
    return RTNORM;
}

int ads_end_list(void) {
    dcl::ListEdit& edit = Runtime::get().listEdit();
    if (edit.tile == nullptr)
        return RTERROR;
    edit = {};
    return RTNORM;
}

int ads_dimensions_tile(ads_hdlg hdlg, const ACHAR* key, short* cx, short* cy) {
    dcl::Tile* tile = dcl::tileOf(hdlg, key);
    if (tile == nullptr)
        return RTERROR;
    auto [w, h] = dcl::dialogOf(hdlg)->dimensions(*tile);
    if (cx != nullptr)
        *cx = static_cast<short>(w);
    if (cy != nullptr)
        *cy = static_cast<short>(h);
    return RTNORM;
}

int ads_start_image(ads_hdlg hdlg, const ACHAR* key) {
    dcl::Tile* tile = dcl::tileOf(hdlg, key);
    if (tile == nullptr || !dcl::isImage(tile->kind))
        return RTERROR;
    Runtime::get().imageTile() = tile;
    return RTNORM;
}

int ads_vector_image(int x1, int y1, int x2, int y2, int color) {
    dcl::Tile* tile = Runtime::get().imageTile();
    if (tile == nullptr)
        return RTERROR;
    tile->image.push_back({dcl::ImageOp::Kind::Vector, x1, y1, x2, y2, color, {}});
    return RTNORM;
}

int ads_fill_image(int x1, int y1, int width, int height, int color) {
    dcl::Tile* tile = Runtime::get().imageTile();
    if (tile == nullptr)
        return RTERROR;
    tile->image.push_back({dcl::ImageOp::Kind::Fill, x1, y1, width, height, color, {}});
    return RTNORM;
}

int ads_slide_image(int x1, int y1, int width, int height, const ACHAR* slnam) {
    dcl::Tile* tile = Runtime::get().imageTile();
    if (tile == nullptr || slnam == nullptr)
        return RTERROR;
    auto slide = dcl::findSlide(slnam);
    if (!slide) {
        host::Session::get().print(utf8ToWide(slide.error().message + "\n"));
        return RTERROR;
    }
    dcl::drawSlide(slide.value(), x1, y1, width, height, tile->image);
    return RTNORM;
}

int ads_end_image(void) {
    dcl::Tile*& tile = Runtime::get().imageTile();
    if (tile == nullptr)
        return RTERROR;
    tile = nullptr;
    return RTNORM;
}
