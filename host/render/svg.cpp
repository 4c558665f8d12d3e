// The SVG preview: one <path> per polyline, fill or point and one <text> per
// text, in canvas coordinates.
#include "host/base/text.h"
#include "host/geom/geom.h"
#include "host/render/file.h"
#include "host/render/layout.h"
#include "host/render/palette.h"
#include "host/render/render.h"
#include "host/render/view.h"

#include <algorithm>
#include <fmt/format.h>

namespace vma::render {
namespace {

std::string escapeXml(std::string_view raw) {
    // The database holds UTF-8; anything else is taken as a Windows code page.
    std::string text = isValidUtf8(raw) ? std::string(raw) : cp1252ToUtf8(raw);
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            // Control characters are not allowed in XML 1.0.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                out += c;
        }
    }
    return out;
}

std::string pathData(const geom::Primitive& p, const View& v) {
    std::string d;
    for (size_t i = 0; i < p.points.size(); ++i)
        d += fmt::format("{}{:.2f} {:.2f}", i == 0 ? "M" : " L", v.x(p.points[i].x),
                         v.y(p.points[i].y));
    if (p.closed)
        d += " Z";
    return d;
}

std::string element(const geom::Primitive& p, const View& v, const Palette& palette) {
    std::string color = hex(palette.color(p.color));
    switch (p.kind) {
    case geom::Primitive::Kind::Polyline:
        return fmt::format("<path d=\"{}\" fill=\"none\" stroke=\"{}\" stroke-width=\"{:.2f}\" "
                           "stroke-linejoin=\"round\" stroke-linecap=\"round\"/>\n",
                           pathData(p, v), color, std::max(1.0, p.width * v.scale()));
    case geom::Primitive::Kind::Fill:
        return fmt::format("<path d=\"{}\" fill=\"{}\" fill-rule=\"evenodd\" stroke=\"none\"/>\n",
                           pathData(p, v), color);
    case geom::Primitive::Kind::Point:
        return fmt::format("<path d=\"M{:.2f} {:.2f} h0\" stroke=\"{}\" stroke-width=\"2\" "
                           "stroke-linecap=\"round\"/>\n",
                           v.x(p.points[0].x), v.y(p.points[0].y), color);
    case geom::Primitive::Kind::Text:
        break;
    }
    TextPlacement t = placeText(p, v);
    const char* anchor = t.anchor == 0 ? "start" : t.anchor == 1 ? "end" : "middle";
    return fmt::format(
        "<text transform=\"translate({:.2f} {:.2f}) rotate({:.3f}) scale({:.3f} 1)\" "
        "font-family=\"sans-serif\" font-size=\"{:.2f}\" text-anchor=\"{}\" "
        "fill=\"{}\">{}</text>\n",
        t.x, t.y, t.degrees, t.widthFactor, t.fontSize, anchor, color, escapeXml(p.text));
}

bool drawable(const geom::Primitive& p) {
    if (p.points.empty())
        return false;
    return p.kind != geom::Primitive::Kind::Text || !p.text.empty();
}

} // namespace

std::string svg(const db::Database& db, const PreviewOptions& options) {
    int width = std::max(1, options.width), height = std::max(1, options.height);
    std::vector<geom::Primitive> prims = geom::explodeBlock(db, db.modelSpace());
    View view = View::fit(geom::extents(prims), width, height);
    Palette palette{options.darkBackground};
    std::string out =
        fmt::format("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"{0}\" height=\"{1}\" "
                    "viewBox=\"0 0 {0} {1}\">\n"
                    "<rect width=\"{0}\" height=\"{1}\" fill=\"{2}\"/>\n",
                    width, height, hex(palette.background()));
    for (const geom::Primitive& p : prims)
        if (drawable(p))
            out += element(p, view, palette);
    out += "</svg>\n";
    return out;
}

ErrorOr<void> writeSvg(const db::Database& db, const std::filesystem::path& path,
                       const PreviewOptions& options) {
    return writeBytes(path, svg(db, options));
}

} // namespace vma::render
