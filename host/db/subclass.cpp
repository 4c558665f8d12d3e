#include "host/db/subclass.h"

#include <array>
#include <span>

namespace vma::db {
namespace {

constexpr int kMarker = 100;
constexpr int kFirstXdataCode = 1000;

// One subclass of a type: its marker and the codes that belong to it. The one
// segment with rest set takes every code no other segment names.
struct Segment {
    std::string_view marker;
    std::span<const int> codes;
    bool rest = false;

    bool has(int code) const {
        for (int c : codes)
            if (c == code)
                return true;
        return false;
    }
};

struct Layout {
    std::array<Segment, 3> segments{};
    size_t count = 0;
};

constexpr int kArcCodes[] = {50, 51};
constexpr int kTextSecondCodes[] = {73};
constexpr int kAttribCodes[] = {2, 70, 73, 74, 280};
constexpr int kAttdefCodes[] = {3, 2, 70, 73, 74, 280};
// The points and lengths of the dimension kinds; read back from whichever
// kind's subclass they stand in, so one list serves every kind.
constexpr int kDimensionKindCodes[] = {13, 23, 33, 14, 24, 34, 15, 25, 35, 16, 26, 36, 40, 50};

constexpr std::string_view kKnown[] = {
    "LINE",     "POINT",  "CIRCLE", "ARC",    "SOLID",  "TEXT",   "MTEXT",     "LWPOLYLINE",
    "POLYLINE", "VERTEX", "SEQEND", "INSERT", "ATTRIB", "ATTDEF", "DIMENSION", "HATCH"};

// Groups of AcDbEntity: layer, linetype, color, linetype scale, visibility,
// paper space, lineweight, true color, color name, transparency, plot style,
// shadow, material, visual style.
bool isCommonCode(int code) {
    switch (code) {
    case 6:
    case 8:
    case 48:
    case 60:
    case 62:
    case 67:
    case 284:
    case 347:
    case 348:
    case 370:
    case 380:
    case 390:
    case 420:
    case 430:
    case 440:
        return true;
    default:
        return false;
    }
}

Layout single(std::string_view marker) {
    Layout l;
    l.segments[0] = Segment{marker, {}, true};
    l.count = 1;
    return l;
}

Layout pair(Segment a, Segment b) {
    Layout l;
    l.segments[0] = a;
    l.segments[1] = b;
    l.count = 2;
    return l;
}

Layout triple(Segment a, Segment b, Segment c) {
    Layout l = pair(a, b);
    l.segments[2] = c;
    l.count = 3;
    return l;
}

int64_t flagsOf(const GroupList& g) {
    return g.findInt(70).value_or(0);
}

Layout polylineLayout(const GroupList& g) {
    int64_t flags = flagsOf(g);
    if (flags & 8)
        return single("AcDb3dPolyline");
    if (flags & 16)
        return single("AcDbPolygonMesh");
    if (flags & 64)
        return single("AcDbPolyFaceMesh");
    return single("AcDb2dPolyline");
}

Layout vertexLayout(const GroupList& g) {
    int64_t flags = flagsOf(g);
    if ((flags & 192) == 128)
        return single("AcDbFaceRecord");
    std::string_view kind = (flags & 32)           ? "AcDb3dPolylineVertex"
                            : (flags & 192) == 192 ? "AcDbPolyFaceMeshVertex"
                            : (flags & 64)         ? "AcDbPolygonMeshVertex"
                                                   : "AcDb2dVertex";
    return pair(Segment{"AcDbVertex", {}}, Segment{kind, {}, true});
}

Layout dimensionLayout(const GroupList& g) {
    Segment base{"AcDbDimension", {}, true};
    switch (flagsOf(g) & 7) {
    case 0:
        return triple(base, Segment{"AcDbAlignedDimension", kDimensionKindCodes},
                      Segment{"AcDbRotatedDimension", {}});
    case 1:
        return pair(base, Segment{"AcDbAlignedDimension", kDimensionKindCodes});
    case 2:
        return pair(base, Segment{"AcDb2LineAngularDimension", kDimensionKindCodes});
    case 3:
        return pair(base, Segment{"AcDbDiametricDimension", kDimensionKindCodes});
    case 4:
        return pair(base, Segment{"AcDbRadialDimension", kDimensionKindCodes});
    case 5:
        return pair(base, Segment{"AcDb3PointAngularDimension", kDimensionKindCodes});
    default:
        return pair(base, Segment{"AcDbOrdinateDimension", kDimensionKindCodes});
    }
}

Layout insertLayout(const GroupList& g) {
    bool multiple = g.findInt(70).value_or(1) > 1 || g.findInt(71).value_or(1) > 1;
    return single(multiple ? "AcDbMInsertBlock" : "AcDbBlockReference");
}

Layout layoutOf(std::string_view type, const GroupList& g) {
    if (type == "LINE")
        return single("AcDbLine");
    if (type == "POINT")
        return single("AcDbPoint");
    if (type == "CIRCLE")
        return single("AcDbCircle");
    if (type == "ARC")
        return pair(Segment{"AcDbCircle", {}, true}, Segment{"AcDbArc", kArcCodes});
    if (type == "SOLID")
        return single("AcDbTrace");
    if (type == "TEXT")
        return pair(Segment{"AcDbText", {}, true}, Segment{"AcDbText", kTextSecondCodes});
    if (type == "MTEXT")
        return single("AcDbMText");
    if (type == "LWPOLYLINE")
        return single("AcDbPolyline");
    if (type == "POLYLINE")
        return polylineLayout(g);
    if (type == "VERTEX")
        return vertexLayout(g);
    if (type == "INSERT")
        return insertLayout(g);
    if (type == "ATTRIB")
        return pair(Segment{"AcDbText", {}, true}, Segment{"AcDbAttribute", kAttribCodes});
    if (type == "ATTDEF")
        return pair(Segment{"AcDbText", {}, true},
                    Segment{"AcDbAttributeDefinition", kAttdefCodes});
    if (type == "DIMENSION")
        return dimensionLayout(g);
    if (type == "HATCH")
        return single("AcDbHatch");
    return Layout{}; // SEQEND: AcDbEntity only
}

char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

// The known type name matching type in any case; empty when unknown. Called
// for every entity read or written, so it compares in place without copies.
std::string_view knownName(std::string_view type) {
    for (std::string_view known : kKnown) {
        if (known.size() != type.size())
            continue;
        size_t i = 0;
        while (i < type.size() && asciiUpper(type[i]) == known[i])
            ++i;
        if (i == type.size())
            return known;
    }
    return {};
}

// The known type of a group list, or empty.
std::string_view typeOf(const GroupList& g) {
    if (g.empty() || g[0].code != 0 || g[0].kind != GroupKind::Text)
        return {};
    return knownName(g.text(0));
}

// The segment of a group: -1 for AcDbEntity, else its index in the layout.
int segmentOf(const Layout& layout, int code) {
    if (isCommonCode(code))
        return -1;
    int rest = -1;
    for (size_t s = 0; s < layout.count; ++s) {
        if (layout.segments[s].has(code))
            return static_cast<int>(s);
        if (layout.segments[s].rest)
            rest = static_cast<int>(s);
    }
    return rest;
}

size_t startOfXdata(const GroupList& g) {
    for (size_t i = 1; i < g.size(); ++i)
        if (g[i].code >= kFirstXdataCode)
            return i;
    return g.size();
}

} // namespace

bool knowsSubclasses(std::string_view type) {
    return !knownName(type).empty();
}

GroupList withSubclassMarkers(const GroupList& stored) {
    GroupList out;
    withSubclassMarkers(stored, out);
    return out;
}

void withSubclassMarkers(const GroupList& stored, GroupList& out) {
    out.clear();
    std::string_view type = typeOf(stored);
    if (type.empty()) {
        for (size_t i = 0; i < stored.size(); ++i)
            out.addFrom(stored, i);
        return;
    }
    Layout layout = layoutOf(type, stored);
    size_t lead = endOfAppGroups(stored, 1);
    size_t xdata = startOfXdata(stored);
    if (xdata < lead)
        lead = xdata;

    out.reserve(stored.size() + layout.count + 1, 64);
    for (size_t i = 0; i < lead; ++i)
        out.addFrom(stored, i);
    out.addText(kMarker, "AcDbEntity");
    // Each group's segment once; then the segments in order.
    constexpr int kNone = -2;
    std::array<int8_t, 256> segments{};
    bool fits = xdata - lead <= segments.size();
    for (size_t i = lead; fits && i < xdata; ++i)
        segments[i - lead] = static_cast<int8_t>(
            stored[i].code == kMarker ? kNone : segmentOf(layout, stored[i].code));
    auto segment = [&](size_t i) {
        if (fits)
            return static_cast<int>(segments[i - lead]);
        return stored[i].code == kMarker ? kNone : segmentOf(layout, stored[i].code);
    };
    for (int s = -1; s < static_cast<int>(layout.count); ++s) {
        if (s >= 0)
            out.addText(kMarker, layout.segments[static_cast<size_t>(s)].marker);
        for (size_t i = lead; i < xdata; ++i)
            if (segment(i) == s)
                out.addFrom(stored, i);
    }
    for (size_t i = xdata; i < stored.size(); ++i)
        out.addFrom(stored, i);
}

void stripSubclassMarkers(GroupList& groups) {
    if (typeOf(groups).empty())
        return;
    size_t xdata = startOfXdata(groups);
    for (size_t i = xdata; i-- > 1;)
        if (groups[i].code == kMarker)
            groups.erase(i);
}

size_t endOfAppGroups(const GroupList& g, size_t from) {
    size_t i = from;
    while (i < g.size() && g[i].code == 102 && g.text(i).starts_with("{")) {
        size_t j = i + 1;
        while (j < g.size() && !(g[j].code == 102 && g.text(j).starts_with("}")))
            ++j;
        i = j < g.size() ? j + 1 : j;
    }
    return i;
}

} // namespace vma::db
