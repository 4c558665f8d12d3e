#include "host/dcl/run.h"

#include "host/base/text.h"
#include "host/db/session.h"
#include "host/dcl/form.h"
#include "host/dcl/runtime.h"
#include "host/sysvar/access.h"

#include <algorithm>
#include <cstdlib>

namespace vma::dcl {

namespace {

constexpr int kDialogActive = 8;

// Sets the dialog bit of CMDACTIVE for as long as it lives, then puts back
// what was there.
class DialogActive {
public:
    DialogActive() : before_(read()) { write(before_ | kDialogActive); }
    ~DialogActive() { write(before_); }
    DialogActive(const DialogActive&) = delete;
    DialogActive& operator=(const DialogActive&) = delete;

private:
    static int64_t read() {
        auto value = host::getSysvar(host::Session::get(), "CMDACTIVE");
        return value ? value->integer : 0;
    }
    static void write(int64_t bits) {
        (void)host::setSysvarInternal(host::Session::get(), "CMDACTIVE",
                                      host::SysvarValue::ofShort(bits));
    }

    int64_t before_;
};

using K = Action::Kind;

bool refuse(const Dialog& dialog, const Action& action, const std::string& why) {
    note(dialog, "error: " + describe(action) + ": " + why + "; ignored");
    return false;
}

bool kindFits(K kind, const std::string& tile) {
    switch (kind) {
    case K::Set:
        return tile == "edit_box" || tile == "slider";
    case K::Pick:
        return hasList(tile);
    case K::Double:
        return tile == "list_box";
    case K::Toggle:
        return tile == "toggle";
    case K::Choose:
        return tile == "radio_button";
    case K::Click:
        return tile == "image_button";
    case K::Press:
        return tile == "button" || tile == "image_button";
    case K::Drag:
        return tile == "slider";
    default:
        return true;
    }
}

bool isInteger(const std::string& text) {
    if (text.empty())
        return false;
    char* end = nullptr;
    std::strtol(text.c_str(), &end, 10);
    return *end == 0;
}

long numberAttr(const Tile& tile, const char* attr, long fallback) {
    std::string text = tile.attr(attr);
    return text.empty() ? fallback : std::strtol(text.c_str(), nullptr, 10);
}

std::string sliderRefusal(const Tile& tile, const std::string& value) {
    if (!isInteger(value))
        return "a slider takes an integer";
    long v = std::strtol(value.c_str(), nullptr, 10);
    if (v < numberAttr(tile, "min_value", 0) || v > numberAttr(tile, "max_value", 10000))
        return "outside the slider's range";
    return {};
}

std::string listRefusal(const Tile& tile, const Action& action) {
    bool several = tile.kind == "list_box" && tile.flag("multiple_select");
    if (action.indexes.size() > 1 && !several)
        return "this list takes one line";
    for (int i : action.indexes)
        if (i < 0 || static_cast<size_t>(i) >= tile.list.size())
            return "no line " + std::to_string(i) + " (the list has " +
                   std::to_string(tile.list.size()) + ")";
    return {};
}

std::string joined(const std::vector<int>& indexes) {
    std::string out;
    for (int i : indexes)
        out += (out.empty() ? "" : " ") + std::to_string(i);
    return out;
}

bool applyToTile(Dialog& dialog, Tile& tile, const Action& action) {
    switch (action.kind) {
    case K::Set:
        if (tile.kind == "slider") {
            if (std::string why = sliderRefusal(tile, action.text); !why.empty())
                return refuse(dialog, action, why);
            dialog.setValue(tile, action.text);
            note(dialog, describe(action));
            fire(dialog, tile, CBR_SELECT);
            return true;
        }
        note(dialog, describe(action));
        if (!dialog.setValue(tile, action.text))
            note(dialog,
                 "text of " + action.key + " cut to its edit limit of " + tile.attr("edit_limit"));
        fire(dialog, tile, CBR_LOST_FOCUS);
        return true;
    case K::Drag:
        if (std::string why = sliderRefusal(tile, action.text); !why.empty())
            return refuse(dialog, action, why);
        dialog.setValue(tile, action.text);
        note(dialog, describe(action));
        fire(dialog, tile, CBR_DRAG);
        return true;
    case K::Pick:
    case K::Double:
        if (std::string why = listRefusal(tile, action); !why.empty())
            return refuse(dialog, action, why);
        dialog.setValue(tile, joined(action.indexes));
        note(dialog, describe(action));
        fire(dialog, tile, CBR_SELECT);
        if (action.kind == K::Double && !dialog.done)
            fire(dialog, tile, CBR_DOUBLE_CLICK);
        return true;
    case K::Toggle:
        dialog.setValue(tile, tile.value == "1" ? "0" : "1");
        note(dialog, describe(action) + " (now " + tile.value + ")");
        fire(dialog, tile, CBR_SELECT);
        return true;
    case K::Choose:
        dialog.setValue(tile, "1");
        note(dialog, describe(action));
        fire(dialog, tile, CBR_SELECT);
        return true;
    case K::Click: {
        auto [cx, cy] = dialog.dimensions(tile);
        if (action.x < 0 || action.y < 0 || action.x > cx || action.y > cy)
            return refuse(dialog, action,
                          "outside the image (0..." + std::to_string(cx) + ", 0..." +
                              std::to_string(cy) + ")");
        note(dialog, describe(action));
        fire(dialog, tile, CBR_SELECT, action.x, action.y);
        return true;
    }
    default:
        note(dialog, describe(action));
        fire(dialog, tile, CBR_SELECT);
        return true;
    }
}

void callBuiltIn(Dialog& dialog, const Tile& tile, ads_callback_packet& packet) {
    std::string action = tile.attr("action");
    if (!action.empty()) {
        const auto& lisp = Runtime::get().lispAction();
        if (lisp) {
            lisp(action, packet);
            return;
        }
        note(dialog, "action of " + tile.key() + " not evaluated (no AutoLISP): " + action);
        return;
    }
    if (tile.key() == "accept" || tile.key() == "cancel") {
        dialog.done = true;
        dialog.status = tile.key() == "accept" ? DLGOK : DLGCANCEL;
        return;
    }
    if (dialog.defaultAction() != nullptr && isActive(tile.kind))
        dialog.defaultAction()(&packet);
}

} // namespace

void fire(Dialog& dialog, Tile& tile, int reason, long x, long y) {
    std::wstring value = utf8ToWide(dialog.value(tile));
    ads_callback_packet packet{&dialog, &tile, value.data(), tile.clientData, reason, x, y};
    if (tile.action != nullptr) {
        tile.action(&packet);
        return;
    }
    callBuiltIn(dialog, tile, packet);
}

bool apply(Dialog& dialog, const Action& action) {
    if (action.kind == K::Move) {
        dialog.x = action.x;
        dialog.y = action.y;
        note(dialog, describe(action));
        return true;
    }
    if (action.kind == K::Show) {
        host::Session::get().print(utf8ToWide(formText(dialog)));
        return true;
    }
    Tile* tile = dialog.find(action.key);
    if (tile == nullptr)
        return refuse(dialog, action, "no tile with key \"" + action.key + "\"");
    if (!kindFits(action.kind, tile->kind))
        return refuse(dialog, action, "tile " + action.key + " is a " + tile->kind);
    if (!tile->enabled)
        return refuse(dialog, action, "tile " + action.key + " is disabled");
    return applyToTile(dialog, *tile, action);
}

int run(Dialog& dialog) {
    DialogActive active;
    Runtime& runtime = Runtime::get();
    runtime.pushRunning(dialog);
    note(dialog, "opened at " + std::to_string(dialog.x) + "," + std::to_string(dialog.y));
    while (!dialog.done) {
        auto action = runtime.answers().pop();
        if (!action && runtime.answerSource() && runtime.answerSource()(dialog))
            continue;
        if (!action) {
            note(dialog, "no answer, cancelled");
            dialog.done = true;
            dialog.status = DLGCANCEL;
            break;
        }
        apply(dialog, *action);
    }
    runtime.popRunning();
    note(dialog, "closed with status " + std::to_string(dialog.status));
    return dialog.status;
}

} // namespace vma::dcl
