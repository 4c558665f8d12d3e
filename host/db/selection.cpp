#include "host/db/selection.h"

namespace vma::host {
namespace {

const Selection& lookup(const std::map<int64_t, Selection>& sets, int64_t serial) {
    static const Selection none;
    auto it = sets.find(serial);
    return it == sets.end() ? none : it->second;
}

} // namespace

Selection::Selection(int64_t serial, std::vector<db::EntityId> members) : serial_(serial) {
    for (db::EntityId id : members)
        add(serial, id);
}

bool Selection::add(int64_t serial, db::EntityId id) {
    if (serial_ != 0 && serial_ != serial)
        return false;
    serial_ = serial;
    if (index_.insert(id).second)
        members_.push_back(id);
    return true;
}

bool Selection::remove(db::EntityId id) {
    if (index_.erase(id) == 0)
        return false;
    std::erase(members_, id);
    return true;
}

ErrorOr<int64_t> SelectionSets::open(Selection selection) {
    if (open_.size() >= kMaxOpen)
        return Error{"too many selection sets: free some with acedSSFree"};
    int64_t id = nextId_++;
    open_.emplace(id, std::move(selection));
    return id;
}

Selection* SelectionSets::find(int64_t id) {
    auto it = open_.find(id);
    return it == open_.end() ? nullptr : &it->second;
}

bool SelectionSets::close(int64_t id) {
    return open_.erase(id) != 0;
}

const Selection& SelectionSets::previous(int64_t serial) const {
    return lookup(previous_, serial);
}

void SelectionSets::setPrevious(Selection selection) {
    int64_t serial = selection.serial();
    previous_[serial] = std::move(selection);
}

const Selection& SelectionSets::implied(int64_t serial) const {
    return lookup(implied_, serial);
}

void SelectionSets::setImplied(Selection selection) {
    int64_t serial = selection.serial();
    implied_[serial] = std::move(selection);
}

void SelectionSets::clearImplied(int64_t serial) {
    implied_.erase(serial);
}

} // namespace vma::host
