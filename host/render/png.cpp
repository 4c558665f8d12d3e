// The PNG preview, drawn with cairo on an image surface: antialiased lines,
// even-odd fills, texts in the toy "sans" font.
#include "host/base/text.h"
#include "host/geom/geom.h"
#include "host/render/file.h"
#include "host/render/layout.h"
#include "host/render/palette.h"
#include "host/render/render.h"
#include "host/render/view.h"

#include <algorithm>
#include <cairo.h>
#include <memory>
#include <numbers>

namespace vma::render {
namespace {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

void setColor(cairo_t* cr, const geom::Rgb& c) {
    cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

void tracePath(cairo_t* cr, const geom::Primitive& p, const View& v) {
    cairo_new_path(cr);
    for (size_t i = 0; i < p.points.size(); ++i) {
        double x = v.x(p.points[i].x), y = v.y(p.points[i].y);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    if (p.closed)
        cairo_close_path(cr);
}

void drawText(cairo_t* cr, const geom::Primitive& p, const View& v, int canvasHeight) {
    TextPlacement t = placeText(p, v);
    // Texts far too small to read or larger than the canvas only cost time.
    if (t.fontSize < 0.5 || t.fontSize > 4.0 * canvasHeight)
        return;
    std::string text = isValidUtf8(p.text) ? p.text : cp1252ToUtf8(p.text);
    cairo_save(cr);
    cairo_select_font_face(cr, "sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, t.fontSize);
    cairo_translate(cr, t.x, t.y);
    cairo_rotate(cr, t.degrees * std::numbers::pi / 180);
    cairo_scale(cr, t.widthFactor, 1);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_move_to(cr, -extents.x_advance * t.anchor, 0);
    cairo_show_text(cr, text.c_str());
    cairo_restore(cr);
}

void drawPrimitive(cairo_t* cr, const geom::Primitive& p, const View& v, const Palette& palette,
                   int canvasHeight) {
    if (p.points.empty())
        return;
    setColor(cr, palette.color(p.color));
    switch (p.kind) {
    case geom::Primitive::Kind::Polyline:
        tracePath(cr, p, v);
        cairo_set_line_width(cr, std::max(1.0, p.width * v.scale()));
        cairo_stroke(cr);
        return;
    case geom::Primitive::Kind::Fill:
        tracePath(cr, p, v);
        cairo_fill(cr);
        return;
    case geom::Primitive::Kind::Point:
        cairo_new_path(cr);
        cairo_arc(cr, v.x(p.points[0].x), v.y(p.points[0].y), 1, 0, 2 * std::numbers::pi);
        cairo_fill(cr);
        return;
    case geom::Primitive::Kind::Text:
        if (!p.text.empty())
            drawText(cr, p, v, canvasHeight);
        return;
    }
}

} // namespace

ErrorOr<void> writePng(const db::Database& db, const std::filesystem::path& path,
                       const PreviewOptions& options) {
    int width = std::max(1, options.width), height = std::max(1, options.height);
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return Error{"cannot make a preview image of " + std::to_string(width) + "x" +
                     std::to_string(height)};
    Context cr(cairo_create(surface.get()));
    Palette palette{options.darkBackground};
    setColor(cr.get(), palette.background());
    cairo_paint(cr.get());
    cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_DEFAULT);
    cairo_set_fill_rule(cr.get(), CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_line_join(cr.get(), CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr.get(), CAIRO_LINE_CAP_ROUND);
    std::vector<geom::Primitive> prims = geom::explodeBlock(db, db.modelSpace());
    View view = View::fit(geom::extents(prims), width, height);
    for (const geom::Primitive& p : prims)
        drawPrimitive(cr.get(), p, view, palette, height);
    cairo_surface_flush(surface.get());
    return replaceFile(path, [&](const std::filesystem::path& temp) -> ErrorOr<void> {
        cairo_status_t status = cairo_surface_write_to_png(surface.get(), temp.c_str());
        if (status != CAIRO_STATUS_SUCCESS)
            return Error{"cannot write " + temp.string() + ": " + cairo_status_to_string(status)};
        return {};
    });
}

} // namespace vma::render
