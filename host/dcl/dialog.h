// One open dialog: its tile tree with keys looked up, the values as the
// language defines them (a radio cluster's value is its chosen button's key,
// toggles "0"/"1", list boxes blank-separated indexes), and how it ended.
#pragma once

#include "adsdlg.h"
#include "host/dcl/tile.h"

#include <map>
#include <memory>
#include <string>

namespace vma::dcl {

// Tile size in pixels per DCL character unit.
constexpr int kPixelsPerWidth = 8;
constexpr int kPixelsPerHeight = 16;

class Dialog {
public:
    Dialog(std::string name, std::unique_ptr<Tile> root, CLIENTFUNC defaultAction);

    const std::string& name() const { return name_; }
    Tile& root() { return *root_; }
    const Tile& root() const { return *root_; }
    CLIENTFUNC defaultAction() const { return defaultAction_; }

    Tile* find(const std::string& key) const;
    std::string value(const Tile& tile) const;
    // Sets a value as ads_set_tile does; false when the text was cut to the
    // edit limit.
    bool setValue(Tile& tile, const std::string& value);
    // Image tiles: pixels less one.
    std::pair<int, int> dimensions(const Tile& tile) const;

    int x = 0, y = 0;
    bool done = false;
    int status = DLGCANCEL;

private:
    void index(Tile& tile);
    void chooseRadio(Tile& cluster, const std::string& key);

    std::string name_;
    std::unique_ptr<Tile> root_;
    CLIENTFUNC defaultAction_;
    std::map<std::string, Tile*> byKey_;
};

} // namespace vma::dcl
