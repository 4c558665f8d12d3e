#include "host/cmd/ucs_history.h"

#include <map>
#include <vector>

namespace vma::cmd {
namespace {

// By database serial: a serial is never given twice, so a closed drawing's
// list can never be taken for another's.
std::map<int64_t, std::vector<SavedUcs>>& histories() {
    static std::map<int64_t, std::vector<SavedUcs>> lists;
    return lists;
}

} // namespace

void rememberUcs(const host::Document& doc, SavedUcs ucs) {
    auto& list = histories()[doc.db->serial()];
    list.push_back(std::move(ucs));
    if (list.size() > kPreviousUcsLimit)
        list.erase(list.begin());
}

std::optional<SavedUcs> takePreviousUcs(const host::Document& doc) {
    auto it = histories().find(doc.db->serial());
    if (it == histories().end() || it->second.empty())
        return std::nullopt;
    SavedUcs last = std::move(it->second.back());
    it->second.pop_back();
    return last;
}

} // namespace vma::cmd
