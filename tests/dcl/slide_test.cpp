// Slides: records of every type in both byte orders and level 1, libraries
// made from drawings by the mkslb code and read back, and slides drawn into
// image tiles by name and by library(name).
#include "dcl_fixture.h"
#include "host/dcl/slide.h"
#include "host/dcl/slide_make.h"
#include "host/dxf/dxf.h"

namespace vma::test {
namespace {

using dcl::Slide;

std::string word(int v, bool big) {
    auto u = static_cast<uint16_t>(v);
    std::string s(2, '\0');
    s[big ? 0 : 1] = static_cast<char>(u >> 8);
    s[big ? 1 : 0] = static_cast<char>(u & 0xFF);
    return s;
}

// Every record type by hand: colour, full vector, offset vector, common
// endpoint, a filled triangle, end.
std::string handMade(bool big) {
    Slide header;
    header.highX = 100;
    header.highY = 50;
    std::string bytes = dcl::writeSlide(header, big);
    bytes.resize(bytes.size() - 2); // the end record
    std::string body =
        word(0xFF03, big) + word(10, big) + word(20, big) + word(30, big) + word(40, big);
    body += word(0xFB00 | 5, big) + std::string{static_cast<char>(-2), 1, 2};
    body += word(0xFE00 | static_cast<uint8_t>(-3), big) + std::string(1, 4);
    body += word(0xFD00, big) + word(3, big) + word(-1, big);
    body += word(0xFD00, big) + word(0, big) + word(0, big) + word(0xFD00, big) + word(10, big) +
            word(0, big) + word(0xFD00, big) + word(0, big) + word(10, big);
    body += word(0xFD00, big) + word(0, big) + word(-1, big);
    return bytes + body + word(0xFC00, big);
}

TEST(Slides, EveryRecordInBothByteOrders) {
    for (bool big : {false, true}) {
        auto slide = dcl::readSlide(handMade(big));
        ASSERT_TRUE(slide.ok()) << slide.error().message;
        EXPECT_EQ(slide->highX, 100);
        EXPECT_EQ(slide->highY, 50);
        ASSERT_EQ(slide->vectors.size(), 3u);
        auto v = [&](size_t i) {
            const auto& s = slide->vectors[i];
            return std::vector<int>{s.x1, s.y1, s.x2, s.y2, s.color};
        };
        EXPECT_EQ(v(0), (std::vector<int>{10, 20, 30, 40, 3}));
        EXPECT_EQ(v(1), (std::vector<int>{15, 18, 11, 22, 3})); // relative to (10, 20)
        EXPECT_EQ(v(2),
                  (std::vector<int>{12, 22, 15, 18, 3})); // from (15, 18) - (3, -4)... back to it
        ASSERT_EQ(slide->fills.size(), 1u);
        EXPECT_EQ(slide->fills[0].points.size(), 3u);
    }
}

TEST(Slides, LevelOneHeader) {
    std::string bytes("AutoCAD Slide\r\n\x1a\0", 17);
    bytes += '\x56';
    bytes += '\x01';
    bytes += word(639, false) + word(479, false);
    double aspect = 1.333;
    bytes += std::string(reinterpret_cast<const char*>(&aspect), 8);
    bytes += word(0, false) + std::string(1, '\0');
    bytes +=
        word(1, false) + word(2, false) + word(3, false) + word(4, false) + word(0xFC00, false);
    auto slide = dcl::readSlide(bytes);
    ASSERT_TRUE(slide.ok()) << slide.error().message;
    EXPECT_EQ(slide->highX, 639);
    EXPECT_DOUBLE_EQ(slide->aspect, 1.333);
    ASSERT_EQ(slide->vectors.size(), 1u);
    EXPECT_EQ(slide->vectors[0].y2, 4);
}

TEST(Slides, DamagedSlidesAreErrors) {
    std::string good = handMade(false);
    for (size_t cut : {size_t(0), size_t(20), size_t(33), good.size() - 2, good.size() - 7})
        EXPECT_FALSE(dcl::readSlide(good.substr(0, cut)).ok()) << cut;
    std::string unknown = good.substr(0, good.size() - 2) + word(0x8000, false);
    EXPECT_FALSE(dcl::readSlide(unknown).ok());
}

std::filesystem::path square(const TempDir& dir, const std::string& name, double size) {
    std::string dxf = "0\nSECTION\n2\nENTITIES\n";
    for (int i = 0; i < 4; ++i) {
        double x0 = (i == 1 || i == 2) ? size : 0, y0 = i >= 2 ? size : 0;
        double x1 = (i == 0 || i == 1) ? size : 0, y1 = (i == 1 || i == 2) ? size : 0;
        dxf += "0\nLINE\n8\n0\n62\n" + std::to_string(i + 1) + "\n10\n" + std::to_string(x0) +
               "\n20\n" + std::to_string(y0) + "\n11\n" + std::to_string(x1) + "\n21\n" +
               std::to_string(y1) + "\n";
    }
    dxf += "0\nENDSEC\n0\nEOF\n";
    writeFile(dir / name, dxf);
    return dir / name;
}

TEST(Slides, LibraryOfDrawingsReadsBack) {
    TempDir dir;
    auto lib = dcl::libraryOfDrawings({square(dir, "box.dxf", 10), square(dir, "Big.dxf", 50)});
    ASSERT_TRUE(lib.ok()) << lib.error().message;
    EXPECT_EQ(dcl::libraryNames(lib.value()).value(), (std::vector<std::string>{"BOX", "BIG"}));
    auto bytes = dcl::librarySlide(lib.value(), "big");
    ASSERT_TRUE(bytes.ok());
    auto slide = dcl::readSlide(bytes.value());
    ASSERT_TRUE(slide.ok()) << slide.error().message;
    EXPECT_EQ(slide->highX, dcl::kSlideDots);
    ASSERT_EQ(slide->vectors.size(), 4u);
    EXPECT_EQ(slide->vectors[0].x2, dcl::kSlideDots);
    EXPECT_EQ(slide->vectors[2].color, 3);
    EXPECT_FALSE(dcl::librarySlide(lib.value(), "none").ok());
    EXPECT_FALSE(dcl::writeLibrary({{std::string(32, 'x'), ""}}).ok());
}

class SlideImages : public DclTest {};

TEST_F(SlideImages, DrawnIntoTheTileByBothNameForms) {
    auto lib = dcl::libraryOfDrawings({square(dir, "box.dxf", 10)});
    writeFile(dir / "shapes.slb", lib.value());
    writeFile(
        dir / "single.sld",
        dcl::writeSlide(dcl::readSlide(dcl::librarySlide(lib.value(), "BOX").value()).value()));
    int id =
        load("img.dcl",
             "img : dialog { : image { key = \"pic\"; width = 10; aspect_ratio = 1; } ok_only; }");
    ads_hdlg h = BAD_DIALOG;
    ASSERT_EQ(ads_new_dialog(L"img", id, NULLCB, &h), RTNORM);
    short cx = 0, cy = 0;
    ASSERT_EQ(ads_dimensions_tile(h, L"pic", &cx, &cy), RTNORM);
    EXPECT_EQ(cx, 79);
    EXPECT_EQ(cy, 79);
    EXPECT_EQ(ads_vector_image(0, 0, 1, 1, 1), RTERROR);
    ASSERT_EQ(ads_start_image(h, L"pic"), RTNORM);
    EXPECT_EQ(ads_fill_image(0, 0, cx + 1, cy + 1, -2), RTNORM);
    EXPECT_EQ(ads_slide_image(0, 0, 80, 80, L"shapes(box)"), RTNORM);
    EXPECT_EQ(ads_slide_image(0, 0, 40, 40, L"single"), RTNORM);
    EXPECT_EQ(ads_slide_image(0, 0, 40, 40, L"shapes(none)"), RTERROR);
    EXPECT_EQ(ads_vector_image(0, 0, 79, 79, 5), RTNORM);
    EXPECT_EQ(ads_end_image(), RTNORM);
    const auto& image = dcl::Runtime::get().dialogs().back()->find("pic")->image;
    ASSERT_EQ(image.size(), 10u);
    EXPECT_EQ(image[0].kind, dcl::ImageOp::Kind::Fill);
    // The first line of the square runs along the bottom: y flips to the image's.
    EXPECT_EQ(std::vector<int>({image[1].x1, image[1].y1, image[1].x2, image[1].y2}),
              std::vector<int>({0, 80, 80, 80}));
    EXPECT_EQ(image[5].x2, 40);
    EXPECT_EQ(image[9].color, 5);
    EXPECT_TRUE(said("no slide NONE in the library")) << transcript;
    answer("#dlg press accept");
    int status = 0;
    ads_start_dialog(h, &status);
}

} // namespace
} // namespace vma::test
