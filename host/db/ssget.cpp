#include "host/db/ssget.h"

#include "host/base/text.h"

#include <algorithm>
#include <thread>

namespace vma::host {
namespace {

using Mode = SelectRequest::Mode;

bool isMainEntity(const db::Entity& e) {
    return !e.erased && e.parent == db::kNoEntity;
}

bool isInLayout(const db::Database& db, const db::Entity& e) {
    return db.block(e.block).isLayout();
}

// Which blocks are layouts, looked up once for a pass over every entity.
std::vector<char> layoutBlocks(const db::Database& db) {
    std::vector<char> layouts;
    layouts.reserve(db.blocks().size());
    for (const db::Block& block : db.blocks())
        layouts.push_back(block.isLayout() ? 1 : 0);
    return layouts;
}

// Newest first, as the CAD program hands out a whole-drawing selection.
std::vector<db::EntityId> everything(const db::Database& db) {
    std::vector<char> layouts = layoutBlocks(db);
    std::vector<db::EntityId> ids;
    ids.reserve(db.entityCount());
    for (size_t i = db.entityCount(); i-- > 0;) {
        const db::Entity& e = db.entity(static_cast<db::EntityId>(i));
        if (isMainEntity(e) && layouts[e.block] != 0)
            ids.push_back(static_cast<db::EntityId>(i));
    }
    return ids;
}

std::vector<db::EntityId> last(const db::Database& db) {
    for (size_t i = db.entityCount(); i-- > 0;) {
        const db::Entity& e = db.entity(static_cast<db::EntityId>(i));
        if (isMainEntity(e) && isInLayout(db, e))
            return {static_cast<db::EntityId>(i)};
    }
    return {};
}

// Members of an earlier set that are still there to select.
std::vector<db::EntityId> surviving(const db::Database& db, const Selection& earlier) {
    std::vector<db::EntityId> ids;
    if (earlier.serial() != db.serial())
        return ids;
    for (db::EntityId id : earlier.members())
        if (id < db.entityCount() && !db.entity(id).erased)
            ids.push_back(id);
    return ids;
}

// The space selection by window works in: paper space when TILEMODE is 0.
uint32_t currentSpace(const db::Database& db) {
    const db::GroupList* tilemode = db.headerValue("TILEMODE");
    if (tilemode != nullptr && tilemode->findInt(70).value_or(1) == 0)
        return db.paperSpace();
    return db.modelSpace();
}

// Entities of the current space the window takes, newest first. What is not
// drawn (erased, on an off or frozen layer) is not there to be taken.
std::vector<db::EntityId> inWindow(const db::Database& db, const SelectRequest& request) {
    const std::vector<db::EntityId>& owned = db.block(currentSpace(db)).entities;
    std::vector<db::EntityId> ids;
    std::vector<geom::Primitive> primitives;
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
        if (!isMainEntity(db.entity(*it)))
            continue;
        primitives.clear();
        geom::explode(db, *it, primitives);
        bool taken = request.mode == Mode::Window ? isInsideWindow(primitives, request.window)
                                                  : crossesWindow(primitives, request.window);
        if (taken)
            ids.push_back(*it);
    }
    return ids;
}

std::vector<db::EntityId> candidates(const Document& doc, const SelectRequest& request) {
    const db::Database& db = *doc.db;
    SelectionSets& sets = Session::get().selections();
    switch (request.mode) {
    case Mode::All:
        return everything(db);
    case Mode::Last:
        return last(db);
    case Mode::Previous:
        return surviving(db, sets.previous(db.serial()));
    case Mode::Implied:
        return surviving(db, sets.implied(db.serial()));
    case Mode::Window:
    case Mode::Crossing:
        return inWindow(db, request);
    case Mode::Interactive:
    case Mode::Single:
        break;
    }
    return {};
}

// Which candidates pass. Testing is read-only, so a whole drawing is split
// over two cores: a filtered "X" on a million entities is one of the
// module's common calls.
std::vector<char> passing(const db::Database& db, const std::vector<db::EntityId>& ids,
                          const Filter& filter) {
    std::vector<char> passed(ids.size());
    auto test = [&](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i)
            passed[i] = filter.matches(db, ids[i]) ? 1 : 0;
    };
    constexpr size_t kSplitFrom = 65536;
    if (ids.size() < kSplitFrom || std::thread::hardware_concurrency() < 2) {
        test(0, ids.size());
        return passed;
    }
    size_t half = ids.size() / 2;
    std::thread helper(test, half, ids.size());
    test(0, half);
    helper.join();
    return passed;
}

std::optional<Mode> modeFromWord(std::wstring_view word) {
    static const std::pair<std::wstring_view, Mode> kModes[] = {
        {L"X", Mode::All},    {L"L", Mode::Last},     {L"P", Mode::Previous}, {L"I", Mode::Implied},
        {L"W", Mode::Window}, {L"C", Mode::Crossing}, {L":S", Mode::Single},
    };
    for (auto& [text, mode] : kModes)
        if (text == word)
            return mode;
    return std::nullopt;
}

} // namespace

namespace {

InteractiveSelector& installedSelector() {
    static InteractiveSelector selector;
    return selector;
}

} // namespace

void setInteractiveSelector(InteractiveSelector selector) {
    installedSelector() = std::move(selector);
}

const InteractiveSelector& interactiveSelector() {
    return installedSelector();
}

ErrorOr<SelectRequest> parseSelectRequest(std::wstring_view mode, const double* pt1,
                                          const double* pt2) {
    SelectRequest request;
    if (mode.empty())
        return request;
    if (mode.front() == L'_')
        mode.remove_prefix(1);
    auto known = modeFromWord(upperName(mode));
    if (!known)
        return Error{"selection mode " + wideToUtf8(mode) + " is not supported"};
    request.mode = *known;
    if (request.mode != Mode::Window && request.mode != Mode::Crossing)
        return request;
    if (pt1 == nullptr || pt2 == nullptr)
        return Error{"window selection needs two corners"};
    for (size_t axis = 0; axis < 2; ++axis) {
        request.window.low[axis] = std::min(pt1[axis], pt2[axis]);
        request.window.high[axis] = std::max(pt1[axis], pt2[axis]);
    }
    return request;
}

ErrorOr<Selection> selectEntities(const Document& doc, const SelectRequest& request,
                                  const Filter& filter) {
    if (request.mode == Mode::Interactive || request.mode == Mode::Single)
        return Error{"interactive selection needs the input engine"};
    const db::Database& db = *doc.db;
    std::vector<db::EntityId> ids = candidates(doc, request);
    std::vector<char> passed = passing(db, ids, filter);
    Selection selection;
    for (size_t i = 0; i < ids.size(); ++i)
        if (passed[i] != 0)
            selection.add(db.serial(), ids[i]);
    if (selection.empty())
        return Error{"nothing selected"};
    return selection;
}

} // namespace vma::host
