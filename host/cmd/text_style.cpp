#include "host/cmd/text_style.h"

#include "host/cmd/current.h"

namespace vma::cmd {
namespace {

TextStyle fromRecord(const db::TableRecord& record) {
    const db::GroupList& g = record.groups;
    TextStyle style;
    style.name = std::string(record.name());
    style.height = g.findReal(40).value_or(0);
    style.widthFactor = g.findReal(41).value_or(1);
    style.oblique = g.findReal(50).value_or(0);
    style.generation = static_cast<int>(g.findInt(71).value_or(0));
    style.vertical = (g.findInt(70).value_or(0) & 4) != 0;
    style.font = std::string(g.findText(3).value_or("txt"));
    return style;
}

} // namespace

std::optional<TextStyle> findStyle(const db::Database& db, std::string_view name) {
    auto index = db.findRecord(db::TableKind::Style, name);
    if (!index || db.record(db::TableKind::Style, *index).erased)
        return std::nullopt;
    return fromRecord(db.record(db::TableKind::Style, *index));
}

TextStyle currentStyle() {
    const db::Database& db = drawing();
    if (auto style = findStyle(db, textVar("TEXTSTYLE")))
        return *style;
    for (const db::TableRecord& record : db.table(db::TableKind::Style).records)
        if (!record.erased && !record.name().empty())
            return fromRecord(record);
    return TextStyle{"Standard", 0, 1, 0, 0, false, "txt"};
}

} // namespace vma::cmd
