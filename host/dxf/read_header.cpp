// HEADER: $NAME (group 9) followed by the groups of its value.
#include "host/dxf/reader.h"

namespace vma::dxf {
namespace {

// AC1021 (2007) and later files are UTF-8 throughout.
bool isUtf8Version(std::string_view version) {
    return version.size() == 6 && version.substr(0, 2) == "AC" && version >= "AC1021";
}

} // namespace

void Reader::readHeader() {
    std::string name;
    db::GroupList value;
    auto flush = [&] {
        if (name.empty())
            return;
        if (name == "$ACADVER" && isUtf8Version(value.findText(1).value_or("")))
            encoding_ = Encoding::Utf8;
        if (name == "$HANDSEED")
            handSeed_ = db::parseHandle(value.findText(5).value_or("")).value_or(0);
        db_->setHeaderValue(name, std::move(value));
        value.clear();
        name.clear();
    };
    Token t;
    while (next(t)) {
        if (t.code == 0) {
            flush();
            if (isWord(t, "ENDSEC") || closesSection(t, "HEADER"))
                return;
            warn(t.line, std::string(trimmedValue(t).substr(0, 40)) + " in HEADER ignored");
            skipGroups();
            continue;
        }
        if (t.code == 9) {
            flush();
            name = std::string(trimmedValue(t));
            continue;
        }
        if (name.empty()) {
            warn(t.line, "group " + std::to_string(t.code) + " before the first header variable");
            continue;
        }
        addValue(value, t);
    }
    flush();
}

} // namespace vma::dxf
