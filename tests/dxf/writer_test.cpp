// The structure of written files: handles unique and below $HANDSEED, owners
// right for every kind of entity, layouts tied to their block records, kept
// objects written back, and the standard entries other programs need.
#include "dxf/dxf_test_support.h"
#include "host/dxf/tokenizer.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace vma;

namespace {

struct Item {
    std::string type;
    std::map<int, std::vector<std::string>> groups;
    std::string first(int code) const {
        auto it = groups.find(code);
        return it == groups.end() ? "" : it->second.front();
    }
};

// The file as a list of group-0 items with their groups.
std::vector<Item> items(std::string_view text) {
    std::vector<Item> out;
    dxf::Tokenizer tokens(text);
    dxf::Token t;
    while (tokens.next(t) == dxf::Tokenizer::Status::Ok) {
        if (t.code == 0) {
            out.push_back(Item{std::string(t.value), {}});
            continue;
        }
        if (!out.empty())
            out.back().groups[t.code].emplace_back(t.value);
    }
    return out;
}

dxf::ReadResult fixture(const char* name) {
    auto r = dxf::readFile(test::sourceDir() / "tests/data/dxf" / name);
    EXPECT_TRUE(r);
    return std::move(r).value();
}

class Structure : public testing::TestWithParam<const char*> {};

TEST_P(Structure, HandlesAreUniqueAndBelowTheSeed) {
    auto r = fixture(GetParam());
    std::string text = test::written(*r.db);
    std::set<db::Handle> handles;
    db::Handle seed = 0;
    std::string key;
    for (const Item& item : items(text)) {
        // Dimension styles keep their handle in 105: 5 is the arrow block there.
        for (int code : {5, 105}) {
            bool handleCode = (code == 105) == (item.type == "DIMSTYLE");
            if (item.groups.count(code) == 0 || item.type == "SECTION" || !handleCode)
                continue;
            auto parsed = db::parseHandle(item.first(code));
            ASSERT_TRUE(parsed) << item.type << " " << code << " '" << item.first(code) << "'";
            db::Handle h = *parsed;
            EXPECT_TRUE(handles.insert(h).second) << item.type << " " << item.first(code);
        }
    }
    auto header = items(text).front();
    auto seedAt = std::find(header.groups[9].begin(), header.groups[9].end(), "$HANDSEED");
    ASSERT_NE(seedAt, header.groups[9].end());
    seed = *db::parseHandle(header.groups[5].front());
    EXPECT_GT(seed, *handles.rbegin());
}

TEST_P(Structure, OwnersPointAtBlockRecordsAndMainEntities) {
    auto r = fixture(GetParam());
    std::vector<Item> all = items(test::written(*r.db));
    std::map<std::string, std::string> recordOfName;
    for (const Item& item : all)
        if (item.type == "BLOCK_RECORD")
            recordOfName[item.first(2)] = item.first(5);
    bool inEntities = false;
    std::string currentRecord;
    std::string main;
    for (const Item& item : all) {
        if (item.type == "SECTION")
            inEntities = item.first(2) == "ENTITIES" || item.first(2) == "BLOCKS";
        if (!inEntities || item.type == "SECTION" || item.type == "ENDSEC")
            continue;
        if (item.type == "BLOCK") {
            currentRecord = recordOfName[item.first(2)];
            continue;
        }
        if (item.type == "ENDBLK") {
            currentRecord.clear();
            continue;
        }
        std::string owner = item.first(330);
        bool sub = item.type == "VERTEX" || item.type == "ATTRIB" || item.type == "SEQEND";
        if (sub) {
            EXPECT_EQ(owner, main) << item.type;
            continue;
        }
        main = item.first(5);
        std::string expected = !currentRecord.empty()  ? currentRecord
                               : item.first(67) == "1" ? recordOfName["*Paper_Space"]
                                                       : recordOfName["*Model_Space"];
        EXPECT_EQ(owner, expected) << item.type << " " << main;
    }
}

TEST_P(Structure, LayoutsAreTiedToTheirBlockRecords) {
    auto r = fixture(GetParam());
    std::vector<Item> all = items(test::written(*r.db));
    std::map<std::string, std::string> layoutOfRecord; // record handle -> layout handle (340)
    std::map<std::string, std::string> recordOfLayout; // layout handle -> record (second 330)
    for (const Item& item : all) {
        if (item.type == "BLOCK_RECORD" &&
            (item.first(2) == "*Model_Space" || item.first(2).starts_with("*Paper_Space")))
            layoutOfRecord[item.first(5)] = item.first(340);
        if (item.type == "LAYOUT")
            recordOfLayout[item.first(5)] = item.groups.at(330).back();
    }
    ASSERT_GE(recordOfLayout.size(), 2u);
    for (auto& [record, layout] : layoutOfRecord) {
        ASSERT_TRUE(recordOfLayout.count(layout)) << record;
        EXPECT_EQ(recordOfLayout[layout], record);
    }
}

INSTANTIATE_TEST_SUITE_P(Dxf, Structure,
                         testing::Values("ezdxf_r2000.dxf", "ezdxf_r12.dxf", "r12_complex.dxf",
                                         "r2000_cp1252.dxf"));

TEST(Writer, AddsTheStandardEntriesADrawingLacks) {
    auto r = fixture("r2000_cp1252.dxf");
    std::vector<Item> all = items(test::written(*r.db));
    std::set<std::string> names;
    for (const Item& item : all)
        if (item.groups.count(2))
            names.insert(item.type + ":" + item.first(2));
    for (const char* expected :
         {"VPORT:*Active", "LTYPE:ByBlock", "LTYPE:ByLayer", "LTYPE:Continuous", "LAYER:0",
          "STYLE:Standard", "APPID:ACAD", "DIMSTYLE:Standard", "MLINESTYLE:Standard"})
        EXPECT_TRUE(names.count(expected)) << expected;
}

TEST(Writer, PaperSpaceEntitiesAreMarked) {
    auto db = db::Database::createNew();
    db::Entity e;
    e.groups.addText(0, "LINE");
    e.block = db->paperSpace();
    db->addEntity(e);
    std::vector<Item> all = items(test::written(*db));
    auto line =
        std::find_if(all.begin(), all.end(), [](const Item& i) { return i.type == "LINE"; });
    ASSERT_NE(line, all.end());
    EXPECT_EQ(line->first(67), "1");
}

TEST(Writer, ErasedEntitiesAndTheirPartsAreLeftOut) {
    auto r = fixture("r12_complex.dxf");
    auto db = std::move(r.db);
    for (db::EntityId id = 0; id < db->entityCount(); ++id)
        if (db->entity(id).type() == "POLYLINE")
            db->setErased(id, true);
    std::string text = test::written(*db);
    EXPECT_EQ(text.find("POLYLINE"), std::string::npos);
    EXPECT_EQ(text.find("VERTEX"), std::string::npos);
    EXPECT_NE(text.find("ATTRIB"), std::string::npos);
}

TEST(Writer, KeptObjectsAreWrittenBackWithTheirOwners) {
    auto r = fixture("ezdxf_r2000.dxf");
    ASSERT_FALSE(r.db->objects().empty());
    auto back = test::mustRead(test::written(*r.db));
    ASSERT_EQ(back.db->objects().size(), r.db->objects().size());
    for (size_t i = 0; i < r.db->objects().size(); ++i) {
        EXPECT_EQ(back.db->objects()[i].handle, r.db->objects()[i].handle);
        EXPECT_EQ(back.db->objects()[i].owner, r.db->objects()[i].owner);
        EXPECT_TRUE(back.db->objects()[i].groups == r.db->objects()[i].groups);
    }
}

} // namespace
