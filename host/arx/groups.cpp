#include "host/arx/groups.h"

#include "host/db/rblist.h"

#include <algorithm>

namespace vma::arx {
namespace {

bool listed(std::initializer_list<int> codes, int code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// A copy with one group added before the extended data.
template <class Add> void insertBeforeXdata(db::GroupList& groups, Add add) {
    size_t at = host::xdataStart(groups);
    db::GroupList out;
    for (size_t i = 0; i < groups.size(); ++i) {
        if (i == at)
            add(out);
        out.addFrom(groups, i);
    }
    if (at >= groups.size())
        add(out);
    groups = std::move(out);
}

} // namespace

void putInt(db::GroupList& groups, int code, int64_t value) {
    if (groups.find(code) >= 0)
        return groups.setInt(code, value);
    insertBeforeXdata(groups, [&](db::GroupList& out) { out.addInt(code, value); });
}

void putReal(db::GroupList& groups, int code, double value) {
    if (groups.find(code) >= 0)
        return groups.setReal(code, value);
    insertBeforeXdata(groups, [&](db::GroupList& out) { out.addReal(code, value); });
}

void putText(db::GroupList& groups, int code, std::string_view value) {
    if (groups.find(code) >= 0)
        return groups.setText(code, value);
    insertBeforeXdata(groups, [&](db::GroupList& out) { out.addText(code, value); });
}

void removeCode(db::GroupList& groups, int code) {
    size_t end = host::xdataStart(groups);
    for (long i = groups.find(code); i >= 0 && static_cast<size_t>(i) < end;
         i = groups.find(code, static_cast<size_t>(i))) {
        groups.erase(static_cast<size_t>(i));
        --end;
    }
}

void copyCodes(db::GroupList& groups, const db::GroupList& from, std::initializer_list<int> codes) {
    db::GroupList out;
    if (!groups.empty())
        out.addFrom(groups, 0);
    size_t fromEnd = host::xdataStart(from);
    for (size_t i = 1; i < fromEnd; ++i)
        if (listed(codes, from[i].code))
            out.addFrom(from, i);
    size_t end = host::xdataStart(groups);
    for (size_t i = 1; i < groups.size(); ++i)
        if (i >= end || !listed(codes, groups[i].code))
            out.addFrom(groups, i);
    groups = std::move(out);
}

} // namespace vma::arx
