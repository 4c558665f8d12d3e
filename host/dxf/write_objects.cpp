// OBJECTS: the objects kept from the file when they form a complete set (a
// root dictionary listing the layouts), else the standard set an R2000
// drawing needs (root dictionary, groups, layouts Model and Layout1 tied to
// their block records, multiline style Standard, plot style names) followed
// by whatever objects were kept.
#include "host/dxf/writer.h"

namespace vma::dxf {
namespace {

bool isRootDictionary(const db::ObjectRecord& o) {
    return o.owner == 0 && !o.groups.empty() && o.groups.text(0) == "DICTIONARY";
}

bool listsLayouts(const db::ObjectRecord& o) {
    for (size_t i = 0; i < o.groups.size(); ++i)
        if (o.groups[i].code == 3 && o.groups.text(i) == "ACAD_LAYOUT")
            return true;
    return false;
}

} // namespace

bool Writer::keepsObjects() const {
    for (const auto& o : db_.objects())
        if (isRootDictionary(o) && listsLayouts(o))
            return true;
    return false;
}

void Writer::writeObject(const db::ObjectRecord& object) {
    const db::GroupList& g = object.groups;
    if (g.empty())
        return;
    out_.group(g, 0);
    out_.handle(5, object.handle);
    size_t lead = endOfAppGroups(g, 1);
    out_.groups(g, 1, lead);
    out_.handle(330, object.owner);
    out_.groups(g, lead, g.size());
}

void Writer::writeLayout(db::Handle handle, std::string_view name, int order, db::Handle record) {
    out_.text(0, "LAYOUT");
    out_.handle(5, handle);
    out_.handle(330, std_.layouts);
    out_.text(100, "AcDbPlotSettings");
    out_.text(1, "");
    out_.text(4, "");
    out_.text(6, "");
    for (int code = 40; code <= 49; ++code)
        out_.real(code, 0);
    out_.real(140, 0);
    out_.real(141, 0);
    out_.real(142, 1);
    out_.real(143, 1);
    out_.integer(70, order == 0 ? 1712 : 688);
    out_.integer(72, 1);
    out_.integer(73, 0);
    out_.integer(74, 5);
    out_.text(7, "");
    out_.integer(75, 16);
    out_.real(147, 1);
    out_.real(148, 0);
    out_.real(149, 0);
    out_.text(100, "AcDbLayout");
    out_.text(1, name);
    out_.integer(70, 1);
    out_.integer(71, order);
    out_.real(10, 0);
    out_.real(20, 0);
    out_.real(11, 420);
    out_.real(21, 297);
    out_.point(12, 0, 0, 0);
    out_.point(14, 1e20, 1e20, 1e20);
    out_.point(15, -1e20, -1e20, -1e20);
    out_.real(146, 0);
    out_.point(13, 0, 0, 0);
    out_.point(16, 1, 0, 0);
    out_.point(17, 0, 1, 0);
    out_.integer(76, 0);
    out_.handle(330, record);
}

void Writer::writeStandardObjects() {
    auto dictionary = [&](std::string_view type, db::Handle handle, db::Handle owner) {
        out_.text(0, type);
        out_.handle(5, handle);
        out_.handle(330, owner);
        out_.text(100, "AcDbDictionary");
        out_.integer(281, 1);
    };
    auto entry = [&](std::string_view name, db::Handle handle) {
        out_.text(3, name);
        out_.handle(350, handle);
    };
    out_.text(0, "DICTIONARY");
    out_.handle(5, std_.root);
    out_.text(330, "0");
    out_.text(100, "AcDbDictionary");
    out_.integer(281, 1);
    entry("ACAD_GROUP", std_.groups);
    entry("ACAD_LAYOUT", std_.layouts);
    entry("ACAD_MLINESTYLE", std_.mlineStyles);
    entry("ACAD_PLOTSTYLENAME", std_.plotStyles);

    dictionary("DICTIONARY", std_.groups, std_.root);
    dictionary("DICTIONARY", std_.layouts, std_.root);
    entry("Layout1", std_.paperLayout);
    entry("Model", std_.modelLayout);
    dictionary("DICTIONARY", std_.mlineStyles, std_.root);
    entry("Standard", std_.mlineStandard);
    dictionary("ACDBDICTIONARYWDFLT", std_.plotStyles, std_.root);
    entry("Normal", std_.plotNormal);
    out_.text(100, "AcDbDictionaryWithDefault");
    out_.handle(340, std_.plotNormal);

    out_.text(0, "ACDBPLACEHOLDER");
    out_.handle(5, std_.plotNormal);
    out_.handle(330, std_.plotStyles);

    writeLayout(std_.modelLayout, "Model", 0, db_.block(db_.modelSpace()).recordHandle);
    writeLayout(std_.paperLayout, "Layout1", 1, db_.block(db_.paperSpace()).recordHandle);

    out_.text(0, "MLINESTYLE");
    out_.handle(5, std_.mlineStandard);
    out_.handle(330, std_.mlineStyles);
    out_.text(100, "AcDbMlineStyle");
    out_.text(2, "Standard");
    out_.integer(70, 0);
    out_.text(3, "");
    out_.integer(62, 256);
    out_.real(51, 90);
    out_.real(52, 90);
    out_.integer(71, 2);
    for (double offset : {0.5, -0.5}) {
        out_.real(49, offset);
        out_.integer(62, 256);
        out_.text(6, "BYLAYER");
    }
}

void Writer::writeObjects() {
    beginSection("OBJECTS");
    if (generateObjects_)
        writeStandardObjects();
    for (const auto& object : db_.objects())
        writeObject(object);
    endSection();
}

} // namespace vma::dxf
