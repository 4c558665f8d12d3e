// The SVG preview: well-formed XML, one element per primitive, the fit of
// the extents into the canvas, colours on light and dark paper, text escaping,
// and the file written in one piece.
#include "host/render/render.h"
#include "support/test_support.h"

#include <expat.h>
#include <gtest/gtest.h>
#include <map>

using namespace vma;

namespace {

void addGroups(db::Database& db, const db::GroupList& g) {
    db::Entity e;
    e.groups = g;
    db.addEntity(std::move(e));
}

db::GroupList line(double x0, double y0, double x1, double y1, int color = 256) {
    db::GroupList g;
    g.addText(0, "LINE");
    g.addInt(62, color);
    for (auto [code, v] : {std::pair{10, x0}, {20, y0}, {30, 0.0}, {11, x1}, {21, y1}, {31, 0.0}})
        g.addReal(code, v);
    return g;
}

db::GroupList text(std::string_view value) {
    db::GroupList g;
    g.addText(0, "TEXT");
    g.addReal(10, 10);
    g.addReal(20, 10);
    g.addReal(40, 5);
    g.addText(1, value);
    return g;
}

// What expat saw: element counts, attributes of the first of each, character data.
struct Parsed {
    bool wellFormed = false;
    std::map<std::string, int> counts;
    std::map<std::string, std::map<std::string, std::string>> firstAttributes;
    std::string characters; // inside <text> elements
    bool inText = false;
};

Parsed parse(const std::string& xml) {
    Parsed parsed;
    XML_Parser parser = XML_ParserCreate("UTF-8");
    XML_SetUserData(parser, &parsed);
    XML_SetElementHandler(
        parser,
        [](void* data, const XML_Char* name, const XML_Char** attrs) {
            auto& p = *static_cast<Parsed*>(data);
            p.inText = std::string_view(name) == "text";
            if (p.counts[name]++ > 0)
                return;
            for (int i = 0; attrs[i]; i += 2)
                p.firstAttributes[name][attrs[i]] = attrs[i + 1];
        },
        [](void* data, const XML_Char*) { static_cast<Parsed*>(data)->inText = false; });
    XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* s, int len) {
        auto& p = *static_cast<Parsed*>(data);
        if (p.inText)
            p.characters.append(s, static_cast<size_t>(len));
    });
    parsed.wellFormed = XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), 1) != 0;
    XML_ParserFree(parser);
    return parsed;
}

TEST(Svg, EmptyDrawingIsABlankDocument) {
    auto db = db::Database::createNew();
    Parsed p = parse(render::svg(*db));
    ASSERT_TRUE(p.wellFormed);
    EXPECT_EQ(p.counts["svg"], 1);
    EXPECT_EQ(p.counts["path"], 0);
    EXPECT_EQ(p.counts["text"], 0);
    EXPECT_EQ(p.firstAttributes["svg"]["viewBox"], "0 0 1600 1200");
}

TEST(Svg, OneElementPerPrimitive) {
    auto db = db::Database::createNew();
    addGroups(*db, line(0, 0, 10, 10));
    addGroups(*db, line(0, 10, 10, 0, 1));
    addGroups(*db, text("a < b & \"c\""));
    db::GroupList point;
    point.addText(0, "POINT");
    point.addReal(10, 3);
    point.addReal(20, 3);
    addGroups(*db, point);
    db::GroupList erased = line(5, 5, 6, 6);
    addGroups(*db, erased);
    db->setErased(db->entityCount() - 1, true);
    Parsed p = parse(render::svg(*db));
    ASSERT_TRUE(p.wellFormed);
    EXPECT_EQ(p.counts["path"], 3);
    EXPECT_EQ(p.counts["text"], 1);
    EXPECT_EQ(p.characters, "a < b & \"c\"");
    EXPECT_EQ(p.firstAttributes["path"]["stroke"], "#000000"); // ACI 7 on white paper
    EXPECT_EQ(p.firstAttributes["text"]["font-family"], "sans-serif");
}

TEST(Svg, ExtentsFitWithAMarginAndYUp) {
    auto db = db::Database::createNew();
    addGroups(*db, line(0, 0, 100, 50, 1));
    render::PreviewOptions options;
    options.width = 1000;
    options.height = 500;
    options.darkBackground = true;
    Parsed p = parse(render::svg(*db, options));
    ASSERT_TRUE(p.wellFormed);
    // Height limits: 450 units for 50, so 9 per unit, centred across.
    EXPECT_EQ(p.firstAttributes["path"]["d"], "M50.00 475.00 L950.00 25.00");
    EXPECT_EQ(p.firstAttributes["path"]["stroke"], "#ff0000");
    EXPECT_EQ(p.firstAttributes["rect"]["fill"], "#000000");
}

TEST(Svg, FileIsReplacedWhole) {
    test::TempDir dir;
    auto db = db::Database::createNew();
    addGroups(*db, line(0, 0, 1, 1));
    test::writeFile(dir / "out.svg", "old");
    ASSERT_TRUE(render::writeSvg(*db, dir / "out.svg").ok());
    EXPECT_EQ(test::readFile(dir / "out.svg"), render::svg(*db));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_FALSE(render::writeSvg(*db, dir / "missing" / "out.svg").ok());
}

} // namespace
