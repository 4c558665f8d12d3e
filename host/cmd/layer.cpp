// LAYER in its command-line form: one option after another until Enter,
// each changing the layers a name list names.
#include "acedads.h"
#include "host/base/text.h"
#include "host/cmd/current.h"
#include "host/cmd/layer_table.h"
#include "host/cmd/linetypes.h"
#include "host/cmd/text_commands.h"
#include "host/db/ename.h"
#include "host/db/entmake.h"
#include "host/db/session.h"

#include <cmath>
#include <fmt/xchar.h>

namespace vma::cmd {
namespace {

constexpr const wchar_t* kOptions =
    L"? Make Set New Rename ON OFF Color Ltype LWeight TRansparency MATerial Plot Freeze Thaw "
    L"LOck Unlock stAte Description rEconcile Isolate";
constexpr const wchar_t* kOptionPrompt =
    L"Enter an option "
    L"[?/Make/Set/New/Rename/ON/OFF/Color/Ltype/LWeight/TRansparency/MATerial/Plot/Freeze/Thaw/"
    L"LOck/Unlock/stAte/Description/rEconcile/Isolate]: ";

// The lineweights a layer may have, in hundredths of a millimetre.
constexpr int kLineweights[] = {0,  5,  9,  13, 15, 18,  20,  25,  30,  35,  40,  50,
                                53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};

std::wstring currentName() {
    return utf8ToWide(textVar("CLAYER"));
}

// A name list; Enter gives the current layer when the prompt offers it.
std::optional<std::wstring> askNames(std::wstring_view prompt, bool currentByDefault) {
    std::wstring text(prompt);
    if (currentByDefault)
        text += L" <" + currentName() + L">";
    text += L": ";
    auto names = askLine(text);
    if (names && names->empty() && currentByDefault)
        return currentName();
    return names;
}

std::vector<uint32_t> matching(std::wstring_view names) {
    auto found = layersMatching(drawing(), names);
    if (found.empty() && !names.empty())
        print(L"No matching layer names found.\n");
    return found;
}

std::wstring layerName(uint32_t index) {
    return utf8ToWide(drawing().record(db::TableKind::Layer, index).name());
}

// Makes an existing layer current, turning it on; a frozen layer cannot be current.
bool makeCurrent(uint32_t index) {
    db::Database& db = drawing();
    if (isFrozen(db.record(db::TableKind::Layer, index).groups)) {
        print(fmt::format(L"Cannot set a frozen layer current: \"{}\".\n", layerName(index)));
        return false;
    }
    changeLayer(db, index,
                [](db::GroupList& g) { g.setInt(62, std::abs(g.findInt(62).value_or(7))); });
    std::string name(db.record(db::TableKind::Layer, index).name());
    return setVar("CLAYER", host::SysvarValue::ofText(name)).ok();
}

std::optional<uint32_t> createLayer(std::wstring_view name) {
    std::string utf8 = wideToUtf8(name);
    if (!host::isValidSymbolName(utf8)) {
        print(fmt::format(L"Invalid layer name: \"{}\".\n", std::wstring(name)));
        return std::nullopt;
    }
    host::ensureLayer(drawing(), utf8);
    return drawing().findRecord(db::TableKind::Layer, utf8);
}

bool optionMake() {
    auto name =
        askLine(L"Enter name for new layer (becomes the current layer) <" + currentName() + L">: ");
    if (!name)
        return false;
    if (name->empty())
        return true;
    if (auto index = createLayer(*name))
        makeCurrent(*index);
    return true;
}

bool optionSet() {
    auto name = askLine(L"Enter layer name to make current or <select object>: ");
    if (!name)
        return false;
    std::optional<uint32_t> index;
    if (name->empty()) {
        ads_name ent;
        ads_point pt;
        if (acedEntSel(L"Select object: ", ent, pt) != RTNORM)
            return true;
        if (auto ref = host::resolveEntity(ent))
            index =
                drawing().findRecord(db::TableKind::Layer,
                                     drawing().entity(ref->index).groups.findText(8).value_or("0"));
    } else {
        index = drawing().findRecord(db::TableKind::Layer, wideToUtf8(*name));
    }
    if (!index) {
        print(fmt::format(L"Cannot find layer \"{}\".\n", name->c_str()));
        return true;
    }
    makeCurrent(*index);
    return true;
}

bool optionNew() {
    auto names = askLine(L"Enter name list for new layer(s): ");
    if (!names)
        return false;
    for (std::wstring_view name : splitNames(*names))
        if (!name.empty())
            createLayer(name);
    return true;
}

bool optionRename() {
    auto oldName = askLine(L"Enter old layer name: ");
    if (!oldName)
        return false;
    auto index = drawing().findRecord(db::TableKind::Layer, wideToUtf8(*oldName));
    if (!index) {
        print(fmt::format(L"Cannot find layer \"{}\".\n", oldName->c_str()));
        return true;
    }
    auto newName = askLine(L"Enter new layer name: ");
    if (!newName)
        return false;
    std::string utf8 = wideToUtf8(*newName);
    if (layerName(*index) == L"0") {
        print(L"Cannot rename layer \"0\".\n");
        return true;
    }
    if (!host::isValidSymbolName(utf8) || (drawing().findRecord(db::TableKind::Layer, utf8) &&
                                           !equalsNoCase(utf8, wideToUtf8(*oldName)))) {
        print(fmt::format(L"Invalid or existing layer name: \"{}\".\n", newName->c_str()));
        return true;
    }
    renameLayer(drawing(), *index, utf8);
    return true;
}

// Applies a change to each layer of a name list.
bool forEachNamed(std::wstring_view prompt, bool currentByDefault,
                  const std::function<void(uint32_t)>& apply) {
    auto names = askNames(prompt, currentByDefault);
    if (!names)
        return false;
    for (uint32_t index : matching(*names))
        apply(index);
    return true;
}

bool optionColor() {
    std::optional<int> color;
    while (!color) {
        auto text = askLine(L"Enter color name or number (1-255): ");
        if (!text)
            return false;
        color = parseColor(*text);
        if (!color)
            print(L"Requires an integer between 1 and 255 or a color name.\n");
    }
    return forEachNamed(
        L"Enter name list of layer(s) for color " + colorText(*color), true, [&](uint32_t index) {
            changeLayer(drawing(), index, [&](db::GroupList& g) { g.setInt(62, *color); });
        });
}

bool optionLinetype() {
    std::optional<uint32_t> linetype;
    while (!linetype) {
        auto name = askLine(L"Enter a loaded linetype name or [?] <Continuous>: ");
        if (!name)
            return false;
        if (*name == L"?") {
            for (const db::TableRecord& r : drawing().table(db::TableKind::LType).records)
                print(fmt::format(L"{}\n", utf8ToWide(r.name())));
            continue;
        }
        linetype = loadedLinetype(drawing(), name->empty() ? "Continuous" : wideToUtf8(*name));
        if (!linetype)
            print(fmt::format(L"Linetype \"{}\" not found.  Use LINETYPE command to load it.\n",
                              name->c_str()));
    }
    std::string ltName(drawing().record(db::TableKind::LType, *linetype).name());
    return forEachNamed(L"Enter name list of layer(s) for linetype \"" + utf8ToWide(ltName) + L"\"",
                        true, [&](uint32_t index) {
                            changeLayer(drawing(), index,
                                        [&](db::GroupList& g) { g.setText(6, ltName); });
                        });
}

int nearestLineweight(double millimetres) {
    int wanted = static_cast<int>(std::lround(millimetres * 100));
    int best = kLineweights[0];
    for (int w : kLineweights)
        if (std::abs(w - wanted) < std::abs(best - wanted))
            best = w;
    return best;
}

bool optionLineweight() {
    double mm = 0;
    acedInitGet(RSG_NONULL | RSG_NONEG, nullptr);
    if (acedGetReal(L"Enter lineweight (0.0mm - 2.11mm): ", &mm) != RTNORM)
        return false;
    int weight = nearestLineweight(mm);
    return forEachNamed(
        L"Enter name list of layers(s) for lineweight " + distanceText(weight / 100.0) + L"mm",
        true, [&](uint32_t index) {
            changeLayer(drawing(), index, [&](db::GroupList& g) { g.setInt(370, weight); });
        });
}

bool optionPlot() {
    acedInitGet(0, L"Plot No");
    wchar_t answer[16] = {};
    int status = acedGetKword(L"Enter a plotting preference [Plot/No plot] <Plot>: ", answer,
                              std::size(answer));
    if (status != RTNORM && status != RTNONE)
        return false;
    int plot = std::wstring_view(answer) == L"No" ? 0 : 1;
    return forEachNamed(L"Enter layer name(s) for this plot preference", true, [&](uint32_t index) {
        changeLayer(drawing(), index, [&](db::GroupList& g) { g.setInt(290, plot); });
    });
}

bool optionOn() {
    return forEachNamed(L"Enter name list of layer(s) to turn On", false, [](uint32_t index) {
        changeLayer(drawing(), index,
                    [](db::GroupList& g) { g.setInt(62, std::abs(g.findInt(62).value_or(7))); });
    });
}

bool optionOff() {
    bool cancelled = false;
    bool ok = forEachNamed(L"Enter name list of layer(s) to turn Off", false, [&](uint32_t index) {
        if (cancelled)
            return;
        if (isCurrentLayer(drawing(), index)) {
            auto really = askYesNo(L"Really want layer \"" + layerName(index) +
                                       L"\" (the CURRENT layer) off? [Yes/No] <No>: ",
                                   false);
            cancelled = !really;
            if (!really || !*really)
                return;
        }
        changeLayer(drawing(), index,
                    [](db::GroupList& g) { g.setInt(62, -std::abs(g.findInt(62).value_or(7))); });
    });
    return ok && !cancelled;
}

void setFlag(uint32_t index, int bit, bool on) {
    changeLayer(drawing(), index, [&](db::GroupList& g) {
        int flags = static_cast<int>(g.findInt(70).value_or(0));
        g.setInt(70, on ? flags | bit : flags & ~bit);
    });
}

bool optionFreeze() {
    return forEachNamed(L"Enter name list of layer(s) to freeze", false, [](uint32_t index) {
        if (isCurrentLayer(drawing(), index)) {
            print(fmt::format(L"Cannot freeze layer \"{}\".  It is the CURRENT layer.\n",
                              layerName(index)));
            return;
        }
        setFlag(index, 1, true);
    });
}

bool optionThaw() {
    return forEachNamed(L"Enter name list of layer(s) to thaw", false,
                        [](uint32_t index) { setFlag(index, 1, false); });
}

bool optionLock() {
    return forEachNamed(L"Enter name list of layer(s) to lock", false,
                        [](uint32_t index) { setFlag(index, 4, true); });
}

bool optionUnlock() {
    return forEachNamed(L"Enter name list of layer(s) to unlock", false,
                        [](uint32_t index) { setFlag(index, 4, false); });
}

bool optionList() {
    auto names = askLine(L"Enter layer name(s) to list <*>: ");
    if (!names)
        return false;
    print(L"Layer name                     State      Color      Linetype\n");
    for (uint32_t index : layersMatching(drawing(), names->empty() ? L"*" : *names)) {
        const db::GroupList& g = drawing().record(db::TableKind::Layer, index).groups;
        std::wstring state = isOff(g) ? L"Off" : L"On";
        if (isFrozen(g))
            state += L" Frozen";
        if (g.findInt(70).value_or(0) & 4)
            state += L" Locked";
        print(fmt::format(L"{:<30} {:<10} {:<10} {}\n", layerName(index), state,
                          colorText(static_cast<int>(g.findInt(62).value_or(7))),
                          utf8ToWide(g.findText(6).value_or("Continuous"))));
    }
    print(fmt::format(L"Current layer:  \"{}\"\n", currentName()));
    return true;
}

// Options whose data the host does not keep (materials, layer states,
// descriptions, reconciliation, isolation) say so and leave the layers as they are.
bool optionUnsupported(const std::wstring& option) {
    print(fmt::format(L"The {} option is not available on this host.\n", option));
    return true;
}

bool runOption(const std::wstring& option) {
    if (option == L"?")
        return optionList();
    if (option == L"Make")
        return optionMake();
    if (option == L"Set")
        return optionSet();
    if (option == L"New")
        return optionNew();
    if (option == L"Rename")
        return optionRename();
    if (option == L"ON")
        return optionOn();
    if (option == L"OFF")
        return optionOff();
    if (option == L"Color")
        return optionColor();
    if (option == L"Ltype")
        return optionLinetype();
    if (option == L"LWeight")
        return optionLineweight();
    if (option == L"Plot")
        return optionPlot();
    if (option == L"Freeze")
        return optionFreeze();
    if (option == L"Thaw")
        return optionThaw();
    if (option == L"LOck")
        return optionLock();
    if (option == L"Unlock")
        return optionUnlock();
    return optionUnsupported(option);
}

void layerCommand() {
    print(fmt::format(L"Current layer:  \"{}\"\n", currentName()));
    repeatOptions(kOptions, kOptionPrompt, runOption);
}

} // namespace

void addLayerCommands(input::CommandRegistry& registry) {
    registry.add(L"LAYER", layerCommand);
    registry.add(L"-LAYER", layerCommand);
    addViewportLayerCommands(registry);
}

} // namespace vma::cmd
