// Appends DXF groups to the text of a file being written: code line, value
// line, CR LF after each.
#pragma once

#include "host/db/group.h"
#include "host/db/handle.h"
#include "host/db/subclass.h"

#include <string>
#include <string_view>

namespace vma::dxf {

class Out {
public:
    explicit Out(std::string& text) : s_(text) {}

    void text(int code, std::string_view value);
    void integer(int code, int64_t value);
    void real(int code, double value);
    void handle(int code, db::Handle value);
    void point(int code, double x, double y, double z);
    // Group i of a list, whatever its kind.
    void group(const db::GroupList& groups, size_t i);
    // Groups [from, to) of a list.
    void groups(const db::GroupList& groups, size_t from, size_t to);

private:
    void code(int code);
    void endLine() { s_.append("\r\n", 2); }

    std::string& s_;
};

// Application groups (102 {NAME ... 102 }) stand between the handle and the
// owner of an entity, record or object: db::endOfAppGroups finds their end.
using db::endOfAppGroups;

} // namespace vma::dxf
