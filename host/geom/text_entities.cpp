// TEXT, ATTRIB, ATTDEF and MTEXT: one text primitive per line, placed by its
// alignment, height and rotation taken through the entity's coordinate system.
#include "host/geom/groups.h"
#include "host/geom/scene.h"
#include "host/geom/text_codes.h"

#include <algorithm>
#include <cmath>

namespace vma::geom {
namespace {

// AutoCAD's default line spacing: five thirds of the text height.
constexpr double kLineSpacing = 5.0 / 3.0;
constexpr double kDefaultHeight = 2.5;

struct TextStyle {
    double height = 0;
    double widthFactor = 1;
};

TextStyle style(const Scene& s, const db::GroupList& g) {
    TextStyle st;
    auto index = s.db().findRecord(db::TableKind::Style, textOr(g, 7, "STANDARD"));
    if (!index)
        return st;
    const db::GroupList& sg = s.db().record(db::TableKind::Style, *index).groups;
    st.height = realOr(sg, 40, 0);
    st.widthFactor = realOr(sg, 41, 1);
    return st;
}

double heightOf(const Scene& s, const db::GroupList& g) {
    double h = realOr(g, 40, 0);
    if (h > 0)
        return h;
    h = style(s, g).height;
    return h > 0 ? h : kDefaultHeight;
}

// A line of text in a plane: frame takes the plane's coordinates to the world.
struct PlacedText {
    Vec3 anchor;
    double rotation = 0;
    double height = 0;
    double widthFactor = 1;
    int halign = 0;
    int valign = 0;
};

void emit(Scene& s, const Draw& d, const Matrix& frame, const PlacedText& t, std::string text) {
    if (text.empty())
        return;
    Vec3 dirX = frame.applyVector({std::cos(t.rotation), std::sin(t.rotation), 0});
    Vec3 dirY = frame.applyVector({-std::sin(t.rotation), std::cos(t.rotation), 0});
    double sx = length(dirX), sy = length(dirY);
    if (sx < 1e-12 || sy < 1e-12)
        return;
    Primitive p;
    p.kind = Primitive::Kind::Text;
    p.color = d.color;
    p.points.push_back(frame.apply(t.anchor));
    p.text = std::move(text);
    p.height = t.height * sy;
    p.rotation = std::atan2(dirX.y, dirX.x);
    p.widthFactor = t.widthFactor * sx / sy;
    p.halign = t.halign;
    p.valign = t.valign;
    // Through a mirroring insert the text keeps reading forwards: it runs the
    // other way from its anchor, so left and right alignment swap.
    if (dirX.x * dirY.y - dirX.y * dirY.x < 0) {
        p.rotation = std::atan2(-dirX.y, -dirX.x);
        p.halign = 2 - t.halign;
    }
    s.add(std::move(p));
}

// TEXT-like entities: 72 horizontal alignment, vertical alignment in the
// given group (73 for TEXT, 74 for attributes), 11 the alignment point.
void singleLine(Scene& s, const Draw& d, std::string text, int valignCode) {
    const auto& g = d.groups();
    Matrix frame = d.place->toWorld * Matrix::ocs(extrusion(g));
    PlacedText t;
    t.height = heightOf(s, g);
    t.widthFactor = realOr(g, 41, style(s, g).widthFactor);
    t.rotation = radians(realOr(g, 50, 0));
    int h = intOr(g, 72, 0), v = intOr(g, valignCode, 0);
    Vec3 first = pointOr(g, 10);
    Vec3 second = pointOr(g, 11, first);
    t.anchor = h == 0 && v == 0 ? first : second;
    if (h == 3 || h == 5) {
        // Aligned and fit: the text runs from the first point to the second.
        t.anchor = (first + second) * 0.5;
        t.rotation = std::atan2(second.y - first.y, second.x - first.x);
        t.halign = 1;
    } else if (h == 4) {
        t.halign = 1;
        t.valign = 2;
    } else {
        t.halign = h >= 0 && h <= 2 ? h : 0;
        t.valign = v >= 0 && v <= 3 ? v : 0;
    }
    emit(s, d, frame, t, expandControlCodes(text));
}

std::string mtextValue(const db::GroupList& g) {
    std::string text;
    for (size_t i = 0; i < g.size(); ++i)
        if (g[i].code == 1 || g[i].code == 3)
            text += g.text(i);
    return text;
}

// The MTEXT plane: X along 11 (or rotated by 50 in the OCS), Z the extrusion.
Matrix mtextFrame(const db::GroupList& g) {
    Vec3 z = extrusion(g);
    z = z * (1 / length(z));
    Matrix ocs = Matrix::ocs(z);
    Vec3 x = ocs.applyVector({1, 0, 0});
    if (g.find(11) >= 0) {
        Vec3 direction = pointOr(g, 11);
        if (length(direction) > 1e-12)
            x = direction * (1 / length(direction));
    } else {
        double r = radians(realOr(g, 50, 0));
        x = ocs.applyVector({std::cos(r), std::sin(r), 0});
    }
    Vec3 y = cross(z, x);
    Matrix frame = Matrix::fromAxes({{x.x, x.y, x.z}, {y.x, y.y, y.z}, {z.x, z.y, z.z}});
    return Matrix::translation(pointOr(g, 10)) * frame;
}

} // namespace

void drawText(Scene& s, const Draw& d) {
    singleLine(s, d, std::string(textOr(d.groups(), 1, "")), 73);
}

void drawAttribute(Scene& s, const Draw& d) {
    if (intOr(d.groups(), 70, 0) & 1)
        return;
    singleLine(s, d, std::string(textOr(d.groups(), 1, "")), 74);
}

void drawAttributeDefinition(Scene& s, const Draw& d) {
    // Inside a block an attribute definition is a template: inserts show their
    // ATTRIBs instead. Loose in a layout it shows its tag.
    if (d.place->depth > 0)
        return;
    singleLine(s, d, std::string(textOr(d.groups(), 2, "")), 74);
}

void drawMText(Scene& s, const Draw& d) {
    const auto& g = d.groups();
    std::vector<std::string> lines = mtextLines(mtextValue(g));
    double height = heightOf(s, g);
    // Paragraphs wrap at the reference width, by the estimated character width.
    double width = realOr(g, 41, 0);
    if (width > 0)
        lines = wrapLines(lines, static_cast<size_t>(std::min(width / (kCharWidth * height), 1e6)));
    double spacing = height * kLineSpacing * realOr(g, 44, 1);
    double total = static_cast<double>(lines.size() - 1) * spacing + height;
    int attachment = intOr(g, 71, 1);
    if (attachment < 1 || attachment > 9)
        attachment = 1;
    int row = (attachment - 1) / 3;
    double top = row == 0 ? 0 : row == 1 ? total / 2 : total;
    Matrix frame = d.place->toWorld * mtextFrame(g);
    for (size_t i = 0; i < lines.size(); ++i) {
        PlacedText t;
        t.anchor = {0, top - static_cast<double>(i) * spacing, 0};
        t.height = height;
        t.halign = (attachment - 1) % 3;
        t.valign = 3;
        emit(s, d, frame, t, std::move(lines[i]));
    }
}

} // namespace vma::geom
