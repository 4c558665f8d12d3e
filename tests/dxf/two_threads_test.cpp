// A large ENTITIES section is read by two threads. Wherever the middle of the
// file falls (inside a polyline, among attributes, next to damage, past the
// section), the drawing and the warnings must be those of one thread.
#include "dxf/dxf_test_support.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <thread>

using namespace vma;

namespace {

constexpr dxf::ReadOptions kOneThread{std::numeric_limits<size_t>::max()};
constexpr dxf::ReadOptions kTwoThreads{0};

class Text {
public:
    Text& group(int code, std::string_view value) {
        char code3[16];
        std::snprintf(code3, sizeof code3, "%3d\r\n", code);
        out_ += code3;
        out_ += value;
        out_ += "\r\n";
        return *this;
    }
    Text& handle() { return group(5, std::to_string(++handle_)); } // decimal digits are hex too
    const std::string& str() const { return out_; }

private:
    std::string out_;
    int handle_ = 0x100;
};

void addEntity(Text& t, int i) {
    std::string n = std::to_string(i);
    switch (i % 7) {
    case 0:
        t.group(0, "LINE").handle().group(8, "Wall").group(10, n).group(20, "2.5").group(30, "0");
        t.group(11, "7").group(21, n + ".125").group(31, "0");
        t.group(1001, "VMA").group(1000, "mark " + n).group(1040, "0.5");
        break;
    case 1:
        t.group(0, "POLYLINE").handle().group(8, "0").group(66, "1").group(70, "1");
        for (int v = 0; v < i % 5 + 2; ++v)
            t.group(0, "VERTEX").handle().group(8, "0").group(10, std::to_string(v)).group(20, n);
        t.group(0, "SEQEND").handle().group(8, "0");
        break;
    case 2:
        t.group(0, "INSERT").handle().group(8, "Piles").group(66, "1").group(2, "PILE");
        t.group(10, n).group(20, "1");
        t.group(0, "ATTRIB").handle().group(8, "Piles").group(1, "P" + n).group(2, "NUMBER");
        t.group(0, "ATTRIB").handle().group(8, "Piles").group(1, "-12.5").group(2, "LEVEL");
        t.group(0, "SEQEND").handle().group(8, "Piles");
        break;
    case 3:
        t.group(0, "TEXT").handle().group(8, "Text").group(10, "0").group(20, "0").group(40, "2.5");
        t.group(1, "Paalnummer " + n + " \xC3\xA9\xC3\xA9n tekst die langer is dan zestien tekens");
        break;
    case 4: // damage: a bad number, a text that is not UTF-8
        t.group(0, "CIRCLE").handle().group(8, "0").group(10, "1.2.3").group(20, "0");
        t.group(40, "1").group(1001, "VMA").group(1000, "caf\xE9");
        break;
    case 5: // damage: a polyline without SEQEND, an attribute without its insert
        t.group(0, "POLYLINE").handle().group(8, "0").group(66, "1");
        t.group(0, "VERTEX").handle().group(8, "0").group(10, "1").group(20, "1");
        t.group(0, "ATTRIB").handle().group(8, "0").group(1, "lost");
        break;
    default: // a type the host keeps as read, after the open polyline, with a bad number
        t.group(0, "ACME_THING").handle().group(100, "AcDbEntity").group(8, "0");
        t.group(100, "AcmeThing").group(90, n).group(1, std::string(40, 'x')).group(40, "x.5");
        break;
    }
}

// A drawing whose ENTITIES start after padding bytes, so that its middle
// falls in a different place for each padding.
std::string drawing(size_t padding, int entities, std::string_view tail = {}) {
    Text t;
    t.group(999, std::string(padding, 'p'));
    t.group(0, "SECTION").group(2, "HEADER").group(9, "$ACADVER").group(1, "AC1015");
    t.group(0, "ENDSEC").group(0, "SECTION").group(2, "ENTITIES");
    for (int i = 0; i < entities; ++i)
        addEntity(t, i);
    return t.str() + std::string(tail);
}

void expectSameRead(const std::string& text, int expectedThreads) {
    if (std::thread::hardware_concurrency() < 2)
        expectedThreads = 1;
    auto one = dxf::read(text, kOneThread);
    auto two = dxf::read(text, kTwoThreads);
    ASSERT_EQ(one.ok(), two.ok());
    if (!one.ok()) {
        EXPECT_EQ(one.error().line, two.error().line);
        EXPECT_EQ(one.error().message, two.error().message);
        return;
    }
    EXPECT_EQ(one->threads, 1);
    if (expectedThreads > 0) {
        EXPECT_EQ(two->threads, expectedThreads);
    }
    ASSERT_EQ(one->warnings.size(), two->warnings.size());
    for (size_t i = 0; i < one->warnings.size(); ++i) {
        EXPECT_EQ(one->warnings[i].line, two->warnings[i].line) << i;
        EXPECT_EQ(one->warnings[i].message, two->warnings[i].message) << i;
    }
    const db::Database& a = *one->db;
    const db::Database& b = *two->db;
    test::expectSameDrawing(a, b);
    ASSERT_EQ(a.entityCount(), b.entityCount());
    for (db::EntityId id = 0; id < a.entityCount(); ++id) {
        const db::Entity& x = a.entity(id);
        const db::Entity& y = b.entity(id);
        ASSERT_EQ(x.handle, y.handle) << id;
        ASSERT_EQ(x.owner, y.owner) << id;
        ASSERT_EQ(x.block, y.block) << id;
        ASSERT_EQ(x.parent, y.parent) << id;
        ASSERT_TRUE(x.groups == y.groups) << id << "\n" << test::describe(x.groups);
    }
    EXPECT_EQ(a.handleSeed(), b.handleSeed());
}

const std::string kEnd = test::dxfText({{0, "ENDSEC"}, {0, "EOF"}});

TEST(TwoThreads, SameDrawingWhereverTheMiddleFalls) {
    // Each entity more moves the middle by half an entity, over every kind of them.
    for (int entities = 100; entities < 240; ++entities) {
        SCOPED_TRACE(entities);
        expectSameRead(drawing(static_cast<size_t>(entities % 13), entities, kEnd), 0);
    }
    // Most of the places are good places to start the second half (on a
    // machine of one processor everything is read by one thread).
    if (std::thread::hardware_concurrency() < 2)
        GTEST_SKIP() << "one processor";
    int split = 0;
    for (int entities = 100; entities < 240; ++entities)
        split += dxf::read(drawing(0, entities, kEnd), kTwoThreads)->threads == 2;
    EXPECT_GT(split, 120);
}

TEST(TwoThreads, SameEndingsOfDamagedFiles) {
    const std::vector<std::pair<const char*, std::string>> endings = {
        {"no ENDSEC", test::dxfText({{0, "EOF"}})},
        {"no EOF", test::dxfText({{0, "ENDSEC"}})},
        {"ends after a code", "  0\r\nENDSEC\r\n  0"},
        {"a junk group code", "12x\r\n5\r\n" + kEnd},
        {"many warnings", std::string()},
    };
    for (const auto& [name, tail] : endings)
        for (int entities = 60; entities < 74; ++entities) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(entities));
            // The last case: so many damaged entities that warnings are left out.
            expectSameRead(drawing(0, tail.empty() ? entities * 10 : entities, tail), 0);
        }
}

TEST(TwoThreads, TheSecondHalfIsDroppedWhenTheSectionEndsBeforeIt) {
    Text objects;
    objects.group(0, "SECTION").group(2, "OBJECTS");
    for (int i = 0; i < 3000; ++i)
        objects.group(0, "DICTIONARY").group(5, std::to_string(0x10000 + i)).group(3, "Name");
    objects.group(0, "ENDSEC").group(0, "EOF");
    std::string text = drawing(0, 20, test::dxfText({{0, "ENDSEC"}}) + objects.str());
    expectSameRead(text, 1);
}

TEST(TwoThreads, OneThreadWhenTheMiddleIsInsideAVeryLongPolyline) {
    Text t;
    t.group(0, "SECTION").group(2, "ENTITIES");
    t.group(0, "POLYLINE").group(8, "0").group(66, "1");
    for (int v = 0; v < 80000; ++v)
        t.group(0, "VERTEX").group(8, "0").group(10, std::to_string(v)).group(20, "0");
    t.group(0, "SEQEND").group(0, "LINE").group(8, "0");
    std::string text = t.str() + kEnd;
    ASSERT_GT(text.size(), size_t{2} << 20);
    expectSameRead(text, 1);
}

} // namespace
