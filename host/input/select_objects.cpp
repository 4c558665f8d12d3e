#include "host/input/select_objects.h"

#include "adscodes.h"
#include "host/db/session.h"
#include "host/db/ssget.h"
#include "host/db/ssname.h"
#include "host/input/engine.h"
#include "host/input/pick.h"
#include "host/input/point_reader.h"
#include "host/input/prompt.h"

#include <string>
#include <vector>

namespace vma::input {
namespace {

using host::SelectRequest;
using Mode = SelectRequest::Mode;

constexpr const wchar_t* kKeywords = L"Window Last Crossing ALL Add Remove Previous Undo";
constexpr const wchar_t* kInvalid =
    L"*Invalid selection*\nExpects a point or Window/Last/Crossing/ALL/Add/Remove/Previous/Undo";

const host::Filter& passAll() {
    static const host::Filter filter = host::Filter::parse(nullptr).value();
    return filter;
}

// One action of the loop, kept so that Undo can take it back.
struct Step {
    std::vector<db::EntityId> ids;
    bool removed = false;
};

std::wstring plural(size_t n, const wchar_t* one, const wchar_t* many) {
    return std::to_wstring(n) + (n == 1 ? one : many);
}

class Selector {
public:
    Selector(host::Document& doc, const SelectOptions& options, host::Selection& selection)
        : doc_(doc), options_(options), selection_(selection) {}

    int run() {
        for (;;) {
            int status = askOnce();
            if (status == RTNONE)
                return RTNORM;
            if (status == RTKWORD)
                status = option(host::Session::get().lastInput());
            if (status == RTCAN)
                return RTCAN;
            if (options_.single && !selection_.empty())
                return RTNORM;
        }
    }

private:
    int askOnce() {
        Ask a{removing_ ? L"Remove objects: " : L"Select objects: ",
              parseInitGet(0, kKeywords),
              {},
              false};
        a.init.flags |= RSG_NOOSNAP;
        PointReader reader(a.init, std::nullopt);
        return ask(a, [&](const InputEvent& e) { return onEvent(e, reader); });
    }

    Reply onEvent(const InputEvent& e, PointReader& reader) {
        if (e.kind == InputEvent::Kind::Entity) {
            auto id = givenEntity(e.name);
            if (!id)
                return Reply::retry(kInvalid);
            take({*id});
            return Reply::done(RTNORM);
        }
        if (e.kind == InputEvent::Kind::Selection)
            return takeSet(e.name);
        Reply r = reader.read(e, kInvalid);
        if (r.status != RTNORM)
            return r;
        return Reply::done(pickAt(reader.world(), reader.value()));
    }

    Reply takeSet(const InputEvent::Name& name) {
        ads_name n = {name[0], name[1]};
        const host::Selection* set = host::resolveSelectionSet(n);
        if (set == nullptr || set->serial() != doc_.db->serial())
            return Reply::retry(kInvalid);
        std::vector<db::EntityId> live;
        for (db::EntityId id : set->members())
            if (!doc_.db->entity(id).erased)
                live.push_back(id);
        take(live);
        return Reply::done(RTNORM);
    }

    // The object under the pick box, or an implied window from an empty spot.
    int pickAt(const Point& world, const Point& ucs) {
        if (auto id = entityAt(*doc_.db, world, pickRadius())) {
            take({*id});
            return RTNORM;
        }
        Point other{};
        int status = corner(L"Specify opposite corner: ", ucs, other);
        if (status != RTNORM)
            return status;
        bool leftToRight = toUcs(currentUnits(), other)[0] >= ucs[0];
        return window(world, other, leftToRight ? Mode::Window : Mode::Crossing);
    }

    // A corner in world coordinates; base is the first corner (UCS) when there is one.
    static int corner(std::wstring_view prompt, std::optional<Point> base, Point& world) {
        Ask a{prompt, {}, {}, false};
        a.init.flags = RSG_NOOSNAP | RSG_NONULL;
        PointReader reader(a.init, base);
        int status = ask(a, [&](const InputEvent& e) { return reader.read(e, L"Invalid point."); });
        world = reader.world();
        return status;
    }

    int window(const Point& a, const Point& b, Mode mode) {
        SelectRequest request;
        request.mode = mode;
        for (size_t axis = 0; axis < 2; ++axis) {
            request.window.low[axis] = std::min(a[axis], b[axis]);
            request.window.high[axis] = std::max(a[axis], b[axis]);
        }
        return select(request);
    }

    int select(const SelectRequest& request) {
        auto found = host::selectEntities(doc_, request, passAll());
        take(found ? found->members() : std::vector<db::EntityId>{});
        return RTNORM;
    }

    int windowOption(Mode mode) {
        Point first{}, second{};
        int status = corner(L"Specify first corner: ", std::nullopt, first);
        if (status != RTNORM)
            return status;
        status = corner(L"Specify opposite corner: ", toUcs(currentUnits(), first), second);
        if (status != RTNORM)
            return status;
        return window(first, second, mode);
    }

    int option(const std::wstring& keyword) {
        SelectRequest request;
        if (keyword == L"Window" || keyword == L"Crossing")
            return windowOption(keyword == L"Window" ? Mode::Window : Mode::Crossing);
        if (keyword == L"Add" || keyword == L"Remove") {
            removing_ = keyword == L"Remove";
            return RTNORM;
        }
        if (keyword == L"Undo")
            return undo();
        request.mode = keyword == L"Last"  ? Mode::Last
                       : keyword == L"ALL" ? Mode::All
                                           : Mode::Previous;
        return select(request);
    }

    int undo() {
        if (steps_.empty()) {
            say(L"All selection has been undone.\n");
            return RTNORM;
        }
        Step step = std::move(steps_.back());
        steps_.pop_back();
        for (db::EntityId id : step.ids) {
            if (step.removed)
                selection_.add(doc_.db->serial(), id);
            else
                selection_.remove(id);
        }
        say(std::to_wstring(selection_.size()) + L" total\n");
        return RTNORM;
    }

    bool passes(db::EntityId id) const {
        return options_.filter == nullptr || options_.filter->matches(*doc_.db, id);
    }

    void take(const std::vector<db::EntityId>& ids) {
        if (removing_)
            return remove(ids);
        bool before = !selection_.empty();
        Step step;
        size_t duplicates = 0, filtered = 0;
        for (db::EntityId id : ids) {
            if (selection_.contains(id))
                ++duplicates;
            else if (!passes(id))
                ++filtered;
            else if (selection_.add(doc_.db->serial(), id))
                step.ids.push_back(id);
        }
        std::wstring line = std::to_wstring(ids.size()) + L" found";
        if (duplicates != 0)
            line += L" (" + std::to_wstring(duplicates) + L" duplicate)";
        if (before)
            line += L", " + std::to_wstring(selection_.size()) + L" total";
        say(line + L"\n");
        if (filtered != 0)
            say(plural(filtered, L" was filtered out.\n", L" were filtered out.\n"));
        steps_.push_back(std::move(step));
    }

    void remove(const std::vector<db::EntityId>& ids) {
        Step step{{}, true};
        for (db::EntityId id : ids)
            if (selection_.remove(id))
                step.ids.push_back(id);
        say(std::to_wstring(ids.size()) + L" found, " + std::to_wstring(step.ids.size()) +
            L" removed, " + std::to_wstring(selection_.size()) + L" total\n");
        steps_.push_back(std::move(step));
    }

    host::Document& doc_;
    const SelectOptions& options_;
    host::Selection& selection_;
    bool removing_ = false;
    std::vector<Step> steps_;
};

} // namespace

int selectObjects(const SelectOptions& options, host::Selection& selection) {
    host::Session& session = host::Session::get();
    if (!session.hasDocument())
        return RTCAN;
    int status = Selector(session.current(), options, selection).run();
    if (status == RTNORM && !selection.empty())
        session.selections().setPrevious(selection);
    return status;
}

void connectInteractiveSelection() {
    host::setInteractiveSelector(
        [](host::Document&, const host::Filter& filter, bool single, host::Selection& out) {
            return selectObjects({&filter, single}, out);
        });
}

} // namespace vma::input
