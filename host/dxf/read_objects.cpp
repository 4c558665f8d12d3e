// CLASSES and OBJECTS are kept as read, to be written back: the host does not
// interpret them beyond their handles and owners.
#include "host/dxf/reader.h"

namespace vma::dxf {

void Reader::readClasses() {
    Token t;
    while (next(t)) {
        if (t.code != 0)
            continue;
        if (isWord(t, "ENDSEC") || closesSection(t, "CLASSES"))
            return;
        if (!isWord(t, "CLASS")) {
            warn(t.line, std::string(trimmedValue(t).substr(0, 40)) + " in CLASSES skipped");
            skipGroups();
            continue;
        }
        // Kept without the group 0: the writer puts "0 CLASS" back.
        db::GroupList groups;
        Identity id;
        readGroups(groups, id, -1);
        db_->classes().push_back(std::move(groups));
    }
}

void Reader::readObjects() {
    Token t;
    while (next(t)) {
        if (t.code != 0)
            continue;
        if (isWord(t, "ENDSEC") || closesSection(t, "OBJECTS"))
            return;
        scratch_.clear();
        scratch_.addText(0, trimmedValue(t));
        Identity id;
        readGroups(scratch_, id);
        db::ObjectRecord object;
        object.handle = id.handle;
        object.owner = id.owner;
        object.groups = scratch_;
        db_->reserveHandle(id.handle);
        db_->objects().push_back(std::move(object));
    }
}

} // namespace vma::dxf
