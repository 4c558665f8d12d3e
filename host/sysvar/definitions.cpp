#include "host/base/text.h"
#include "host/sysvar/checks.h"
#include "host/sysvar/computed.h"
#include "host/sysvar/definition.h"

#include <algorithm>
#include <charconv>

namespace vma::host {
namespace {

constexpr auto Short = VarType::Short;
constexpr auto Real = VarType::Real;
constexpr auto Text = VarType::Text;
constexpr auto Point2 = VarType::Point2;
constexpr auto Point3 = VarType::Point3;

// Types, initial values, ranges and storage as AutoCAD's system-variable
// reference gives them; metric initial values are those of acadiso.dwt.
// Keep the list in alphabetical order.
constexpr SysvarDef kDefinitions[] = {
    computed("ACADVER", Text, acadVersion),
    drawing("ANGBASE", Real, 50, "0"),
    drawing("ANGDIR", Short, 70, "0").range(0, 1),
    registry("APERTURE", Short, "10").range(1, 50),
    registry("ATTDIA", Short, "0").range(0, 1),
    drawing("ATTMODE", Short, 70, "1").range(0, 2),
    registry("ATTREQ", Short, "1").range(0, 1),
    drawing("AUNITS", Short, 70, "0").range(0, 4),
    drawing("AUPREC", Short, 70, "0").range(0, 8),
    registry("BLIPMODE", Short, "0").range(0, 1),
    computed("CDATE", Real, currentCDate),
    computed("CECOLOR", Text, currentColor, storeColor),
    drawing("CELTYPE", Text, 6, "ByLayer").checked(existingLinetype),
    drawing("CLAYER", Text, 8, "0").checked(existingLayer),
    session("CMDACTIVE", Short, "0").locked(),
    registry("CMDDIA", Short, "1").range(0, 1),
    session("CMDECHO", Short, "1").range(0, 1),
    session("CMDNAMES", Text, "").locked(),
    registry("COORDS", Short, "1").range(0, 3),
    registry("COPYMODE", Short, "0").range(0, 1),
    session("CVPORT", Short, "2").range(1, 32767),
    computed("DATE", Real, currentJulianDate),
    computed("DBMOD", Short, documentModified),
    drawing("DIMADEC", Short, 70, "0").range(-1, 8),
    drawing("DIMALT", Short, 70, "0").range(0, 1),
    drawing("DIMALTD", Short, 70, "2|3").range(0, 8),
    drawing("DIMALTF", Real, 40, "25.4|0.0394").range(0, kNoLimit),
    drawing("DIMALTRND", Real, 40, "0").range(0, kNoLimit),
    drawing("DIMALTTD", Short, 70, "2|3").range(0, 8),
    drawing("DIMALTTZ", Short, 70, "0").range(0, 15),
    drawing("DIMALTU", Short, 70, "2").range(1, 8),
    drawing("DIMALTZ", Short, 70, "0").range(0, 15),
    drawing("DIMAPOST", Text, 1, ""),
    drawing("DIMASO", Short, 70, "1").range(0, 1),
    drawing("DIMASSOC", Short, 280, "2").range(0, 2),
    drawing("DIMASZ", Real, 40, "0.18|2.5").range(0, kNoLimit),
    drawing("DIMATFIT", Short, 70, "3").range(0, 3),
    drawing("DIMAUNIT", Short, 70, "0").range(0, 4),
    drawing("DIMAZIN", Short, 70, "0").range(0, 3),
    drawing("DIMBLK", Text, 1, "").checked(arrowBlock),
    drawing("DIMBLK1", Text, 1, "").checked(arrowBlock),
    drawing("DIMBLK2", Text, 1, "").checked(arrowBlock),
    drawing("DIMCEN", Real, 40, "0.09|2.5"),
    drawing("DIMCLRD", Short, 70, "0").range(0, 256),
    drawing("DIMCLRE", Short, 70, "0").range(0, 256),
    drawing("DIMCLRT", Short, 70, "0").range(0, 256),
    drawing("DIMDEC", Short, 70, "4|2").range(0, 8),
    drawing("DIMDLE", Real, 40, "0").range(0, kNoLimit),
    drawing("DIMDLI", Real, 40, "0.38|3.75").range(0, kNoLimit),
    drawing("DIMEXE", Real, 40, "0.18|1.25").range(0, kNoLimit),
    drawing("DIMEXO", Real, 40, "0.0625|0.625").range(0, kNoLimit),
    drawing("DIMFRAC", Short, 70, "0").range(0, 2),
    drawing("DIMGAP", Real, 40, "0.09|0.625"),
    drawing("DIMJUST", Short, 70, "0").range(0, 4),
    drawing("DIMLDRBLK", Text, 1, "").checked(arrowBlock),
    drawing("DIMLFAC", Real, 40, "1"),
    drawing("DIMLIM", Short, 70, "0").range(0, 1),
    drawing("DIMLUNIT", Short, 70, "2").range(1, 6),
    drawing("DIMLWD", Short, 70, "-2").range(-3, 211),
    drawing("DIMLWE", Short, 70, "-2").range(-3, 211),
    drawing("DIMPOST", Text, 1, ""),
    drawing("DIMRND", Real, 40, "0").range(0, kNoLimit),
    drawing("DIMSAH", Short, 70, "0").range(0, 1),
    drawing("DIMSCALE", Real, 40, "1").range(0, kNoLimit),
    drawing("DIMSD1", Short, 70, "0").range(0, 1),
    drawing("DIMSD2", Short, 70, "0").range(0, 1),
    drawing("DIMSE1", Short, 70, "0").range(0, 1),
    drawing("DIMSE2", Short, 70, "0").range(0, 1),
    drawing("DIMSHO", Short, 70, "1").range(0, 1),
    drawing("DIMSOXD", Short, 70, "0").range(0, 1),
    drawing("DIMSTYLE", Text, 2, "Standard|ISO-25").locked(),
    drawing("DIMTAD", Short, 70, "0|1").range(0, 4),
    drawing("DIMTDEC", Short, 70, "4|2").range(0, 8),
    drawing("DIMTFAC", Real, 40, "1").range(0, kNoLimit),
    drawing("DIMTIH", Short, 70, "1|0").range(0, 1),
    drawing("DIMTIX", Short, 70, "0").range(0, 1),
    drawing("DIMTM", Real, 40, "0"),
    drawing("DIMTMOVE", Short, 70, "0").range(0, 2),
    drawing("DIMTOFL", Short, 70, "0|1").range(0, 1),
    drawing("DIMTOH", Short, 70, "1|0").range(0, 1),
    drawing("DIMTOL", Short, 70, "0").range(0, 1),
    drawing("DIMTOLJ", Short, 70, "1|0").range(0, 2),
    drawing("DIMTP", Real, 40, "0"),
    drawing("DIMTSZ", Real, 40, "0").range(0, kNoLimit),
    drawing("DIMTVP", Real, 40, "0"),
    drawing("DIMTXSTY", Text, 7, "Standard").checked(existingTextStyle),
    drawing("DIMTXT", Real, 40, "0.18|2.5").range(0, kNoLimit),
    drawing("DIMTZIN", Short, 70, "0|8").range(0, 15),
    drawing("DIMUPT", Short, 70, "0").range(0, 1),
    drawing("DIMZIN", Short, 70, "0|8").range(0, 15),
    registry("DRAGMODE", Short, "2").range(0, 2),
    registry("DRAGP1", Short, "10").range(0, 32767),
    registry("DRAGP2", Short, "25").range(0, 32767),
    computed("DWGNAME", Text, documentName),
    computed("DWGPREFIX", Text, documentPrefix),
    computed("DWGTITLED", Short, documentTitled),
    registry("DYNPROMPT", Short, "1").range(0, 1),
    drawing("ELEVATION", Real, 40, "0"),
    computed("ERRNO", Short, lastErrno, storeErrno),
    session("EXPERT", Short, "0").range(0, 5),
    drawing("EXTMAX", Point3, 10, "-1e20,-1e20,-1e20").locked(),
    drawing("EXTMIN", Point3, 10, "1e20,1e20,1e20").locked(),
    registry("FILEDIA", Short, "1").range(0, 1),
    drawing("FILLETRAD", Real, 40, "0"),
    drawing("FILLMODE", Short, 70, "1").range(0, 1),
    viewport("GRIDMODE", Short, 76, "0").range(0, 1),
    viewport("GRIDUNIT", Point2, 15, "10,10"),
    session("HIGHLIGHT", Short, "1").range(0, 1),
    drawing("INSBASE", Point3, 10, "0,0,0"),
    drawing("INSUNITS", Short, 70, "1|4").range(0, 24),
    session("LASTPOINT", Point3, "0,0,0"),
    drawing("LIMCHECK", Short, 70, "0").range(0, 1),
    drawing("LIMMAX", Point2, 10, "12,9|420,297"),
    drawing("LIMMIN", Point2, 10, "0,0"),
    registry("LISPINIT", Short, "1").range(0, 1),
    drawing("LTSCALE", Real, 40, "1").checked(positiveReal),
    drawing("LUNITS", Short, 70, "2").range(1, 5),
    drawing("LUPREC", Short, 70, "4").range(0, 8),
    drawing("MEASUREMENT", Short, 70, "0|1").range(0, 1),
    session("MENUECHO", Short, "0").range(0, 15),
    drawing("MIRRTEXT", Short, 70, "0").range(0, 1),
    drawing("ORTHOMODE", Short, 70, "0").range(0, 1),
    registry("OSMODE", Short, "4133").range(0, 32767),
    drawing("PDMODE", Short, 70, "0"),
    registry("PICKBOX", Short, "3").range(0, 50),
    registry("PICKFIRST", Short, "1").range(0, 1),
    computed("PLATFORM", Text, platformName),
    registry("PLINETYPE", Short, "2").range(0, 2),
    drawing("PLINEWID", Real, 40, "0").range(0, kNoLimit),
    drawing("QTEXTMODE", Short, 70, "0").range(0, 1),
    drawing("REGENMODE", Short, 70, "1").range(0, 1),
    session("SCREENSIZE", Point2, "1920,1080").locked(),
    registry("SDI", Short, "0").range(0, 3),
    registry("SHORTCUTMENU", Short, "11").range(0, 31),
    drawing("SKETCHINC", Real, 40, "1"),
    drawing("SKPOLY", Short, 70, "0").range(0, 2),
    viewport("SNAPANG", Real, 50, "0"),
    viewport("SNAPBASE", Point2, 13, "0,0"),
    viewport("SNAPISOPAIR", Short, 78, "0").range(0, 2),
    viewport("SNAPMODE", Short, 75, "0").range(0, 1),
    viewport("SNAPSTYL", Short, 77, "0").range(0, 1),
    viewport("SNAPUNIT", Point2, 14, "10,10"),
    drawing("SORTENTS", Short, 280, "127").range(0, 127),
    drawing("SPLFRAME", Short, 70, "0").range(0, 1),
    drawing("SPLINESEGS", Short, 70, "8"),
    computed("TEMPPREFIX", Text, tempPrefix),
    session("TEXTEVAL", Short, "0").range(0, 1),
    drawing("TEXTSIZE", Real, 40, "0.2|2.5").checked(positiveReal),
    drawing("TEXTSTYLE", Text, 7, "Standard").checked(existingTextStyle),
    drawing("THICKNESS", Real, 40, "0"),
    drawing("TILEMODE", Short, 70, "1").range(0, 1),
    drawing("TRACEWID", Real, 40, "1"),
    viewport("UCSICON", Short, 74, "3").range(0, 3),
    drawing("UCSNAME", Text, 2, "").locked(),
    drawing("UCSORG", Point3, 10, "0,0,0").locked(),
    drawing("UCSXDIR", Point3, 10, "1,0,0").locked(),
    drawing("UCSYDIR", Point3, 10, "0,1,0").locked(),
    session("UNDOCTL", Short, "53").locked(),
    drawing("USERI1", Short, 70, "0"),
    drawing("USERI2", Short, 70, "0"),
    drawing("USERI3", Short, 70, "0"),
    drawing("USERI4", Short, 70, "0"),
    drawing("USERI5", Short, 70, "0"),
    drawing("USERR1", Real, 40, "0"),
    drawing("USERR2", Real, 40, "0"),
    drawing("USERR3", Real, 40, "0"),
    drawing("USERR4", Real, 40, "0"),
    drawing("USERR5", Real, 40, "0"),
    session("USERS1", Text, ""),
    session("USERS2", Text, ""),
    session("USERS3", Text, ""),
    session("USERS4", Text, ""),
    session("USERS5", Text, ""),
    viewport("VIEWCTR", Point3, 12, "0,0,0").locked(),
    viewport("VIEWSIZE", Real, 40, "10").locked(),
    computed("VSMAX", Point3, virtualScreenMax),
    computed("VSMIN", Point3, virtualScreenMin),
    computed("WORLDUCS", Short, worldUcs),
};

constexpr bool sortedByName() {
    for (size_t i = 1; i < std::size(kDefinitions); ++i)
        if (!(kDefinitions[i - 1].name < kDefinitions[i].name))
            return false;
    return true;
}
static_assert(sortedByName(), "system variables must stay in alphabetical order");

// The part of an initial value for the drawing's units.
std::string_view initialText(const SysvarDef& def, bool metric) {
    auto bar = def.initial.find('|');
    if (bar == std::string_view::npos)
        return def.initial;
    return metric ? def.initial.substr(bar + 1) : def.initial.substr(0, bar);
}

double number(std::string_view text) {
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

} // namespace

const SysvarDef* findSysvar(std::string_view name) {
    std::string upper = upperName(name);
    const auto* end = std::end(kDefinitions);
    const auto* it = std::lower_bound(
        std::begin(kDefinitions), end, upper,
        [](const SysvarDef& d, const std::string& n) { return d.name < std::string_view(n); });
    if (it == end || it->name != upper)
        return nullptr;
    return it;
}

std::span<const SysvarDef> sysvarDefinitions() {
    return kDefinitions;
}

SysvarValue initialValue(const SysvarDef& def, bool metric) {
    std::string_view text = initialText(def, metric);
    switch (def.type) {
    case VarType::Short:
    case VarType::Long:
        return SysvarValue::ofInt(def.type, static_cast<int64_t>(number(text)));
    case VarType::Real:
        return SysvarValue::ofReal(number(text));
    case VarType::Text:
        return SysvarValue::ofText(std::string(text));
    case VarType::Point2:
    case VarType::Point3:
        break;
    }
    SysvarValue v = SysvarValue::ofPoint(def.type, 0, 0, 0);
    for (size_t i = 0; i < 3 && !text.empty(); ++i) {
        auto comma = text.find(',');
        v.point[i] = number(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return v;
}

} // namespace vma::host
