// Selection sets at the C boundary: acedSSGet and the set functions.
#include "acedads.h"
#include "host/db/ename.h"
#include "host/db/ssget.h"
#include "host/db/ssname.h"

using namespace vma::host;

namespace {

// A live entity for adding to or testing against a set.
std::optional<ObjectRef> liveEntity(const ads_name ename) {
    auto ref = resolveEntity(ename);
    if (!ref || ref->doc->db->entity(ref->index).erased)
        return std::nullopt;
    return ref;
}

int openSet(Selection selection, ads_name result) {
    auto id = Session::get().selections().open(std::move(selection));
    if (!id)
        return RTREJ;
    selectionSetName(id.value(), result);
    return RTNORM;
}

bool asksUser(const SelectRequest& request) {
    return request.mode == SelectRequest::Mode::Interactive ||
           request.mode == SelectRequest::Mode::Single;
}

// The user's selection through the input engine's loop; RTERROR when no one
// can be asked or nothing was selected.
int askUser(Document& doc, const Filter& filter, bool single, Selection& out) {
    const InteractiveSelector& selector = interactiveSelector();
    if (!selector)
        return RTERROR;
    int status = selector(doc, filter, single, out);
    if (status != RTNORM)
        return status;
    return out.empty() ? RTERROR : RTNORM;
}

} // namespace

int acedSSGet(const ACHAR* mode, const void* pt1, const void* pt2, const resbuf* filter,
              ads_name ss) {
    if (ss == nullptr)
        return RTERROR;
    auto request =
        parseSelectRequest(mode == nullptr ? L"" : mode, static_cast<const ads_real*>(pt1),
                           static_cast<const ads_real*>(pt2));
    if (!request)
        return RTERROR;
    auto parsed = Filter::parse(filter);
    if (!parsed)
        return RTERROR;
    Session& session = Session::get();
    if (asksUser(request.value())) {
        Selection chosen;
        bool single = request->mode == SelectRequest::Mode::Single;
        if (int status = askUser(session.current(), parsed.value(), single, chosen);
            status != RTNORM)
            return status;
        int opened = openSet(chosen, ss);
        if (opened == RTNORM)
            session.selections().setPrevious(std::move(chosen));
        return opened;
    }
    auto selected = selectEntities(session.current(), request.value(), parsed.value());
    if (!selected)
        return RTERROR;
    int status = openSet(selected.value(), ss);
    if (status == RTNORM)
        session.selections().setPrevious(std::move(selected.value()));
    return status;
}

int acedSSFree(const ads_name ss) {
    int64_t id = selectionSetId(ss);
    if (id == 0)
        return RTERROR;
    Session::get().selections().close(id);
    return RTNORM;
}

int acedSSLength(const ads_name ss, Int32* len) {
    Selection* set = resolveSelectionSet(ss);
    if (set == nullptr || len == nullptr)
        return RTERROR;
    *len = static_cast<Int32>(set->size());
    return RTNORM;
}

int acedSSName(const ads_name ss, Int32 i, ads_name entres) {
    Selection* set = resolveSelectionSet(ss);
    if (set == nullptr || entres == nullptr || i < 0 || size_t(i) >= set->size())
        return RTERROR;
    Document* doc = Session::get().findBySerial(set->serial());
    if (doc == nullptr)
        return RTERROR;
    entityName(*doc->db, set->members()[size_t(i)], entres);
    return RTNORM;
}

int acedSSAdd(const ads_name ename, const ads_name ss, ads_name result) {
    if (result == nullptr)
        return RTERROR;
    if (ename == nullptr && ss == nullptr)
        return openSet(Selection(), result);
    auto ref = liveEntity(ename);
    if (!ref)
        return RTERROR;
    int64_t serial = ref->doc->db->serial();
    if (ss == nullptr)
        return openSet(Selection(serial, {ref->index}), result);
    Selection* set = resolveSelectionSet(ss);
    if (set == nullptr || !set->add(serial, ref->index))
        return RTERROR;
    ads_name_set(ss, result);
    return RTNORM;
}

int acedSSDel(const ads_name ename, const ads_name ss) {
    Selection* set = resolveSelectionSet(ss);
    auto ref = resolveEntity(ename);
    if (set == nullptr || !ref || ref->doc->db->serial() != set->serial())
        return RTERROR;
    return set->remove(ref->index) ? RTNORM : RTERROR;
}

int acedSSMemb(const ads_name ename, const ads_name ss) {
    Selection* set = resolveSelectionSet(ss);
    auto ref = resolveEntity(ename);
    if (set == nullptr || !ref || ref->doc->db->serial() != set->serial())
        return RTERROR;
    return set->contains(ref->index) ? RTNORM : RTERROR;
}
