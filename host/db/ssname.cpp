#include "host/db/ssname.h"

#include "host/db/session.h"

namespace vma::host {
namespace {

constexpr int64_t kSelectionTag = -0x5353; // database serials are positive

} // namespace

void selectionSetName(int64_t id, ads_name out) {
    out[0] = id;
    out[1] = kSelectionTag;
}

int64_t selectionSetId(const ads_name name) {
    if (name == nullptr || name[1] != kSelectionTag || name[0] <= 0)
        return 0;
    return Session::get().selections().find(name[0]) != nullptr ? name[0] : 0;
}

Selection* resolveSelectionSet(const ads_name name) {
    int64_t id = selectionSetId(name);
    return id == 0 ? nullptr : Session::get().selections().find(id);
}

} // namespace vma::host
