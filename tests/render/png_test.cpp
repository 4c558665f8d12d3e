// The PNG preview read back with cairo: a valid image of the asked size,
// background where nothing is drawn, ink where lines, fills and texts are.
#include "host/render/render.h"
#include "support/test_support.h"

#include <cairo.h>
#include <gtest/gtest.h>
#include <memory>

using namespace vma;

// fontconfig, which cairo's toy fonts go through, keeps its configuration
// for the life of the process; the leak checker is told so.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace {

struct Image {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels; // 0xRRGGBB

    uint32_t at(int x, int y) const {
        return pixels[static_cast<size_t>(y * width + x)] & 0xFFFFFF;
    }
    // Pixels in a rectangle that are not the given colour.
    int countOther(uint32_t color, int x0, int y0, int x1, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += at(x, y) != color;
        return n;
    }
};

std::optional<Image> readPng(const std::filesystem::path& path) {
    std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> s(
        cairo_image_surface_create_from_png(path.c_str()), cairo_surface_destroy);
    if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS)
        return std::nullopt;
    cairo_surface_flush(s.get());
    Image img;
    img.width = cairo_image_surface_get_width(s.get());
    img.height = cairo_image_surface_get_height(s.get());
    int stride = cairo_image_surface_get_stride(s.get());
    const unsigned char* data = cairo_image_surface_get_data(s.get());
    for (int y = 0; y < img.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y * stride));
        img.pixels.insert(img.pixels.end(), row, row + img.width);
    }
    return img;
}

void add(db::Database& db, std::initializer_list<std::pair<int, double>> reals,
         std::string_view type, std::string_view text = {}) {
    db::Entity e;
    e.groups.addText(0, type);
    for (auto [code, v] : reals)
        e.groups.addReal(code, v);
    if (!text.empty())
        e.groups.addText(1, text);
    db.addEntity(std::move(e));
}

constexpr uint32_t kWhite = 0xFFFFFF;

render::PreviewOptions small() {
    render::PreviewOptions o;
    o.width = 200;
    o.height = 100;
    return o;
}

TEST(Png, EmptyDrawingIsBlank) {
    test::TempDir dir;
    auto db = db::Database::createNew();
    ASSERT_TRUE(render::writePng(*db, dir / "blank.png", small()).ok());
    auto img = readPng(dir / "blank.png");
    ASSERT_TRUE(img);
    EXPECT_EQ(img->width, 200);
    EXPECT_EQ(img->height, 100);
    EXPECT_EQ(img->countOther(kWhite, 0, 0, 200, 100), 0);
}

TEST(Png, LinesLeaveInkWhereTheyRun) {
    test::TempDir dir;
    auto db = db::Database::createNew();
    // A horizontal line across the middle of a 100 x 50 area, and a diagonal.
    add(*db, {{10, 0}, {20, 25}, {11, 100}, {21, 25}}, "LINE");
    add(*db, {{10, 0}, {20, 0}, {11, 100}, {21, 50}}, "LINE");
    ASSERT_TRUE(render::writePng(*db, dir / "lines.png", small()).ok());
    auto img = readPng(dir / "lines.png");
    ASSERT_TRUE(img);
    EXPECT_GT(img->countOther(kWhite, 20, 48, 180, 53), 150); // the middle row
    EXPECT_EQ(img->countOther(kWhite, 0, 0, 8, 100), 0);      // margin on the left
    EXPECT_EQ(img->at(5, 5), kWhite);
    EXPECT_LT(img->at(100, 50) >> 16, 0x80u); // ACI 7 drawn black (antialiased)
}

TEST(Png, FillsTextsAndDarkPaper) {
    test::TempDir dir;
    auto db = db::Database::createNew();
    add(*db, {{10, 0}, {20, 0}, {11, 40}, {21, 0}, {12, 0}, {22, 20}, {13, 40}, {23, 20}}, "SOLID");
    add(*db, {{10, 60}, {20, 5}, {40, 10}}, "TEXT", "Hi");
    add(*db, {{10, 100}, {20, 20}}, "POINT");
    render::PreviewOptions o = small();
    o.darkBackground = true;
    ASSERT_TRUE(render::writePng(*db, dir / "dark.png", o).ok());
    auto img = readPng(dir / "dark.png");
    ASSERT_TRUE(img);
    EXPECT_EQ(img->at(0, 0), 0u);
    // The solid covers the left part fully: its centre is white ink.
    EXPECT_EQ(img->at(40, 60), kWhite);
    // The text stands between x 60 and 100 in drawing units, right of the solid.
    EXPECT_GT(img->countOther(0, 105, 20, 170, 80), 20);
}

TEST(Png, UnwritablePlaceIsAnError) {
    auto db = db::Database::createNew();
    auto result = render::writePng(*db, "/nonexistent-folder/x.png", small());
    EXPECT_FALSE(result.ok());
}

} // namespace
