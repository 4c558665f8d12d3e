// VPLAYER: layers frozen per floating viewport of a layout. A viewport keeps
// the handles of the layers frozen in it as its 341 groups, as in a DXF file.
#include "acedads.h"
#include "host/base/text.h"
#include "host/cmd/current.h"
#include "host/cmd/layer_table.h"
#include "host/cmd/text_commands.h"
#include "host/db/ename.h"
#include "host/db/entmake.h"
#include "host/db/rblist.h"
#include "host/db/session.h"
#include "host/sysvar/access.h"

#include <algorithm>
#include <fmt/xchar.h>

namespace vma::cmd {
namespace {

constexpr const wchar_t* kOptions =
    L"? Color Ltype LWeight TRansparency Freeze Thaw Reset Newfrz Vpvisdflt";
constexpr const wchar_t* kOptionPrompt =
    L"Enter an option [?/Color/Ltype/LWeight/TRansparency/Freeze/Thaw/Reset/Newfrz/Vpvisdflt]: ";

// The floating viewports of the layouts (the paper space viewport itself, number 1, left out).
std::vector<db::EntityId> floatingViewports() {
    const db::Database& db = drawing();
    std::vector<db::EntityId> out;
    for (db::EntityId id = 0; id < db.entityCount(); ++id) {
        const db::Entity& e = db.entity(id);
        if (!e.erased && e.type() == "VIEWPORT" && e.groups.findInt(69).value_or(0) != 1)
            out.push_back(id);
    }
    return out;
}

// The viewport CVPORT names; the first floating one when the host has no CVPORT.
std::optional<db::EntityId> currentViewport(const std::vector<db::EntityId>& viewports) {
    auto cvport = host::getSysvar(host::Session::get(), "CVPORT");
    int64_t number = cvport.ok() ? cvport->integer : 2;
    for (db::EntityId id : viewports)
        if (drawing().entity(id).groups.findInt(69).value_or(0) == number)
            return id;
    if (viewports.empty())
        return std::nullopt;
    return viewports.front();
}

void setFrozen(db::EntityId viewport, uint32_t layer, bool frozen) {
    db::Database& db = drawing();
    std::string handle = db::handleText(db.record(db::TableKind::Layer, layer).handle);
    db::GroupList g = db.entity(viewport).groups;
    size_t end = host::xdataStart(g);
    for (size_t i = 0; i < end; ++i) {
        if (g[i].code != 341 || !equalsNoCase(g.text(i), handle))
            continue;
        if (frozen)
            return;
        g.erase(i);
        db.replaceEntity(viewport, std::move(g));
        return;
    }
    if (!frozen)
        return;
    g.insertText(end, 341, handle);
    db.replaceEntity(viewport, std::move(g));
}

// The viewports an option applies to: All, Select, Current or Except current.
std::optional<std::vector<db::EntityId>> askViewports() {
    acedInitGet(0, L"All Select Current Except");
    wchar_t answer[32] = {};
    int status = acedGetKword(L"Enter an option [All/Select/Current/Except current] <Current>: ",
                              answer, std::size(answer));
    if (status != RTNORM && status != RTNONE)
        return std::nullopt;
    std::wstring option = status == RTNONE ? L"Current" : answer;
    auto all = floatingViewports();
    auto current = currentViewport(all);
    if (option == L"All")
        return all;
    if (option == L"Except") {
        std::erase_if(all, [&](db::EntityId id) { return current && id == *current; });
        return all;
    }
    if (option == L"Select") {
        ads_name ent;
        ads_point pt;
        if (acedEntSel(L"Select objects: ", ent, pt) != RTNORM)
            return std::vector<db::EntityId>{};
        auto ref = host::resolveName(ent);
        if (!ref || ref->kind != host::ObjectRef::Kind::Entity ||
            drawing().entity(ref->index).type() != "VIEWPORT")
            return std::vector<db::EntityId>{};
        return std::vector<db::EntityId>{ref->index};
    }
    return current ? std::vector<db::EntityId>{*current} : std::vector<db::EntityId>{};
}

bool freezeOption(std::wstring_view prompt, bool frozen) {
    auto names = askLine(prompt);
    if (!names)
        return false;
    auto viewports = askViewports();
    if (!viewports)
        return false;
    auto layers = layersMatching(drawing(), *names);
    if (layers.empty())
        print(L"No matching layer names found.\n");
    for (db::EntityId vp : *viewports)
        for (uint32_t layer : layers)
            setFrozen(vp, layer, frozen);
    return true;
}

void setNewViewportFrozen(uint32_t layer, bool frozen) {
    changeLayer(drawing(), layer, [&](db::GroupList& g) {
        int flags = static_cast<int>(g.findInt(70).value_or(0));
        g.setInt(70, frozen ? flags | 2 : flags & ~2);
    });
}

bool newFrozenOption() {
    auto names = askLine(L"Enter name(s) of new layers frozen in all viewports: ");
    if (!names)
        return false;
    for (std::wstring_view part : splitNames(*names)) {
        std::string name = wideToUtf8(part);
        if (!host::isValidSymbolName(name))
            continue;
        host::ensureLayer(drawing(), name);
        uint32_t layer = *drawing().findRecord(db::TableKind::Layer, name);
        setNewViewportFrozen(layer, true);
        for (db::EntityId vp : floatingViewports())
            setFrozen(vp, layer, true);
    }
    return true;
}

bool defaultVisibilityOption() {
    auto names = askLine(L"Enter layer name(s) to change viewport visibility: ");
    if (!names)
        return false;
    acedInitGet(0, L"Frozen Thawed");
    wchar_t answer[16] = {};
    int status = acedGetKword(L"Enter a viewport visibility option [Frozen/Thawed] <Thawed>: ",
                              answer, std::size(answer));
    if (status != RTNORM && status != RTNONE)
        return false;
    bool frozen = std::wstring_view(answer) == L"Frozen";
    for (uint32_t layer : layersMatching(drawing(), *names))
        setNewViewportFrozen(layer, frozen);
    return true;
}

bool listOption() {
    auto current = currentViewport(floatingViewports());
    if (!current)
        return true;
    print(L"Layers currently frozen in viewport:\n");
    const db::GroupList& g = drawing().entity(*current).groups;
    for (size_t i = 0; i < host::xdataStart(g); ++i) {
        if (g[i].code != 341)
            continue;
        auto handle = db::parseHandle(g.text(i));
        for (const db::TableRecord& r : drawing().table(db::TableKind::Layer).records)
            if (handle && r.handle == *handle)
                print(fmt::format(L"   {}\n", utf8ToWide(r.name())));
    }
    return true;
}

bool runOption(const std::wstring& option) {
    if (option == L"Freeze")
        return freezeOption(L"Enter layer name(s) to freeze: ", true);
    if (option == L"Thaw")
        return freezeOption(L"Enter layer name(s) to thaw: ", false);
    if (option == L"Reset")
        return freezeOption(L"Enter layer name(s) to reset: ", false);
    if (option == L"Newfrz")
        return newFrozenOption();
    if (option == L"Vpvisdflt")
        return defaultVisibilityOption();
    if (option == L"?")
        return listOption();
    print(fmt::format(L"Viewport overrides of {} are not available on this host.\n", option));
    return true;
}

void viewportLayerCommand() {
    if (intVar("TILEMODE") != 0) {
        print(L"** Command not allowed in Model Tab **\n");
        return;
    }
    repeatOptions(kOptions, kOptionPrompt, runOption);
}

} // namespace

void addViewportLayerCommands(input::CommandRegistry& registry) {
    registry.add(L"VPLAYER", viewportLayerCommand);
}

} // namespace vma::cmd
