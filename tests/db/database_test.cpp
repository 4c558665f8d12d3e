// The drawing database: a new drawing's standard entries, group lists,
// handles, block and table bookkeeping, and the journal hook.
#include "host/db/database.h"

#include <gtest/gtest.h>

using namespace vma::db;

namespace {

struct Recorder : Journal {
    std::vector<Change::Kind> kinds;
    void record(const Change& change) override { kinds.push_back(change.kind); }
};

TEST(Database, NewDrawingHasTheStandardEntries) {
    auto db = Database::createNew();
    EXPECT_TRUE(db->findRecord(TableKind::Layer, "0"));
    EXPECT_TRUE(db->findRecord(TableKind::LType, "CONTINUOUS"));
    EXPECT_TRUE(db->findRecord(TableKind::Style, "standard"));
    EXPECT_TRUE(db->findRecord(TableKind::DimStyle, "STANDARD"));
    EXPECT_TRUE(db->findRecord(TableKind::AppId, "ACAD"));
    EXPECT_EQ(db->findBlock("*MODEL_SPACE"), db->modelSpace());
    EXPECT_EQ(db->findBlock("*Paper_Space"), db->paperSpace());
    ASSERT_NE(db->headerValue("acadver"), nullptr);
    EXPECT_EQ(db->headerValue("$ACADVER")->findText(1), "AC1015");
}

TEST(Database, HandlesAreUniqueAndFound) {
    auto db = Database::createNew();
    Entity line;
    line.groups.addText(0, "LINE");
    EntityId a = db->addEntity(line);
    EntityId b = db->addEntity(line);
    EXPECT_NE(db->entity(a).handle, db->entity(b).handle);
    EXPECT_EQ(db->findHandle(db->entity(b).handle), b);
    EXPECT_EQ(db->entity(a).owner, db->block(db->modelSpace()).recordHandle);
    EXPECT_FALSE(db->findHandle(0xFFFFFF));
    EXPECT_EQ(parseHandle(handleText(0x1A2B)), Handle(0x1A2B));
    EXPECT_FALSE(parseHandle("12G"));
}

TEST(Database, EveryChangePassesTheJournal) {
    auto db = Database::createNew();
    Recorder journal;
    db->setJournal(&journal);
    Entity e;
    e.groups.addText(0, "POINT");
    EntityId id = db->addEntity(e);
    GroupList changed = e.groups;
    changed.addText(8, "A");
    db->replaceEntity(id, changed);
    db->setErased(id, true);
    db->setErased(id, true); // no change, no entry
    db->setErased(id, false);
    TableRecord layer;
    layer.groups.addText(2, "A");
    db->addRecord(TableKind::Layer, layer);
    using K = Change::Kind;
    EXPECT_EQ(journal.kinds, (std::vector<K>{K::EntityAdded, K::EntityModified, K::EntityErased,
                                             K::EntityUnerased, K::RecordAdded}));
}

TEST(GroupList, KeepsValuesOfEveryKind) {
    GroupList g;
    g.addText(0, "TEXT");
    g.addReal(10, 1.5);
    g.addInt(70, 3);
    g.setText(1, "héllo");
    g.setText(0, "MTEXT");
    EXPECT_EQ(g.findText(0), "MTEXT");
    EXPECT_EQ(g.findReal(10), 1.5);
    EXPECT_EQ(g.findInt(70), 3);
    EXPECT_EQ(g.findText(1), "héllo");
    EXPECT_FALSE(g.findReal(1));
    EXPECT_EQ(kindOfCode(10), GroupKind::Real);
    EXPECT_EQ(kindOfCode(1071), GroupKind::Int);
    EXPECT_EQ(kindOfCode(1005), GroupKind::Text);
}

TEST(Database, AnonymousNamesCountUp) {
    auto db = Database::createNew();
    Block b;
    b.name = "*D1";
    db->addBlock(b);
    b.name = "*D7";
    db->addBlock(b);
    EXPECT_EQ(db->nextAnonymousName("*D"), "*D8");
    EXPECT_EQ(db->nextAnonymousName("*U"), "*U1");
    EXPECT_TRUE(db->block(*db->findBlock("*d7")).isAnonymous());
}

} // namespace
