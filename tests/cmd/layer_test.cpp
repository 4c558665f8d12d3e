// LAYER in its command-line form and VPLAYER: the sequences the drafting
// module sends (_Set name "", _M name _C colour _L linetype ""), each option's
// change to the layer records, name lists with commas and wildcards, and the
// refusals (freezing the current layer, unknown layers and linetypes).
#include "cmdtext_fixture.h"

namespace vma::test {
namespace {

class LayerCommand : public CmdTextTest {};

TEST_F(LayerCommand, MakeWithColorAndLinetypeBecomesCurrent) {
    run(L"-LAYER", {L"_M", L"WALLS", L"_C", L"3", L"WALLS", L"_L", L"DASHED", L"WALLS", L""});
    const db::GroupList& g = layer("WALLS");
    EXPECT_EQ(g.findInt(62).value_or(0), 3);
    EXPECT_EQ(g.findText(6).value_or(""), "DASHED");
    EXPECT_EQ(textVar("CLAYER"), "WALLS");
    EXPECT_TRUE(db().findRecord(db::TableKind::LType, "DASHED"));
    EXPECT_TRUE(said(L"Current layer:  \"0\"\n"));
    EXPECT_TRUE(said(L"Enter name for new layer (becomes the current layer) <0>: "));
    EXPECT_TRUE(said(L"Enter name list of layer(s) for color 3 (green) <WALLS>: "));
    EXPECT_TRUE(said(L"Enter name list of layer(s) for linetype \"DASHED\" <WALLS>: "));
}

TEST_F(LayerCommand, SequencesTheDraftingModuleSends) {
    EXPECT_EQ(acedCommandS(RTSTR, L"_.LAYER", RTSTR, L"_M", RTSTR, L"DIM", RTSTR, L"_C", RTSHORT, 2,
                           RTSTR, L"DIM", RTSTR, L"_L", RTSTR, L"CENTER", RTSTR, L"DIM", RTSTR, L"",
                           RTNONE),
              RTNORM);
    EXPECT_EQ(layer("DIM").findInt(62).value_or(0), 2);
    EXPECT_EQ(layer("DIM").findText(6).value_or(""), "CENTER");
    EXPECT_EQ(acedCommandS(RTSTR, L"_.LAYER", RTSTR, L"_Set", RTSTR, L"0", RTSTR, L"", RTNONE),
              RTNORM);
    EXPECT_EQ(textVar("CLAYER"), "0");
    EXPECT_EQ(acedCommandS(RTSTR, L"_.LAYER", RTSTR, L"_M", RTSTR, L"TEKST", RTSTR, L"", RTNONE),
              RTNORM);
    EXPECT_EQ(textVar("CLAYER"), "TEKST");
    EXPECT_EQ(acedCommandS(RTSTR, L"_.MENU", RTSTR, L"DVVMCAD", RTNONE), RTNORM);
    EXPECT_EQ(acedCommandS(RTSTR, L"_.REGEN", RTNONE), RTNORM);
}

TEST_F(LayerCommand, SetNeedsAnExistingThawedLayer) {
    run(L"-LAYER", {L"_N", L"A,B", L""});
    run(L"LAYER", {L"_Set", L"B", L""});
    EXPECT_EQ(textVar("CLAYER"), "B");
    run(L"LAYER", {L"_Set", L"Missing", L""});
    EXPECT_TRUE(said(L"Cannot find layer \"Missing\"."));
    EXPECT_EQ(textVar("CLAYER"), "B");
    run(L"LAYER", {L"_F", L"A", L"_S", L"A", L""});
    EXPECT_EQ(textVar("CLAYER"), "B");
}

TEST_F(LayerCommand, CurrentLayerCannotBeFrozen) {
    run(L"-LAYER", {L"_M", L"X", L"_F", L"X", L""});
    EXPECT_TRUE(said(L"Cannot freeze layer \"X\".  It is the CURRENT layer.\n"));
    EXPECT_EQ(layer("X").findInt(70).value_or(0) & 1, 0);
}

struct FlagCase {
    std::vector<std::wstring> answers;
    const char* layer;
    int flags; // group 70 afterwards
    int color; // group 62 afterwards
};

TEST_F(LayerCommand, OptionsChangeTheNamedLayers) {
    const FlagCase cases[] = {
        {{L"_F", L"P1"}, "P1", 1, 7},
        {{L"_F", L"P*", L"_T", L"P1"}, "P2", 1, 7},
        {{L"_F", L"P*", L"_T", L"P1"}, "P1", 0, 7},
        {{L"_LO", L"P1,Q"}, "Q", 4, 7},
        {{L"_LO", L"*", L"_U", L"Q"}, "Q", 0, 7},
        {{L"_OFF", L"p?"}, "P2", 0, -7},
        {{L"_OFF", L"P1", L"_ON", L"P1"}, "P1", 0, 7},
        {{L"_C", L"red", L"Q"}, "Q", 0, 1},
        {{L"_C", L"-5", L"Q"}, "Q", 0, -5},
        {{L"_C", L"300", L"12", L"Q"}, "Q", 0, 12},
    };
    for (const FlagCase& c : cases) {
        restart();
        run(L"-LAYER", {L"_N", L"P1,P2,Q"});
        for (const std::wstring& a : c.answers)
            driver->type(a);
        run(L"-LAYER", {L""});
        SCOPED_TRACE(c.layer);
        EXPECT_EQ(layer(c.layer).findInt(70).value_or(0), c.flags);
        EXPECT_EQ(layer(c.layer).findInt(62).value_or(0), c.color);
    }
}

TEST_F(LayerCommand, OffOnTheCurrentLayerAsksFirst) {
    run(L"-LAYER", {L"_OFF", L"0", L"_N", L""});
    EXPECT_TRUE(said(L"Really want layer \"0\" (the CURRENT layer) off? [Yes/No] <No>: "));
    EXPECT_GT(layer("0").findInt(62).value_or(0), 0);
    run(L"-LAYER", {L"_OFF", L"0", L"_Y", L""});
    EXPECT_LT(layer("0").findInt(62).value_or(0), 0);
}

TEST_F(LayerCommand, UnknownLinetypeIsAskedAgain) {
    run(L"-LAYER", {L"_L", L"WAVY", L"HIDDEN2", L"0", L""});
    EXPECT_TRUE(said(L"Linetype \"WAVY\" not found."));
    EXPECT_EQ(layer("0").findText(6).value_or(""), "HIDDEN2");
    auto lt = db().findRecord(db::TableKind::LType, "HIDDEN2");
    ASSERT_TRUE(lt);
    const db::GroupList& g = db().record(db::TableKind::LType, *lt).groups;
    EXPECT_DOUBLE_EQ(g.findReal(40).value_or(0), 4.7625);
    EXPECT_EQ(g.findInt(73).value_or(0), 2);
}

TEST_F(LayerCommand, RenameCarriesEntitiesAndCurrentLayer) {
    run(L"-LAYER", {L"_M", L"OLD", L""});
    run(L"TEXT", {L"0,0", L"", L"", L"x", L""});
    run(L"-LAYER", {L"_R", L"OLD", L"NEW", L""});
    EXPECT_EQ(textVar("CLAYER"), "NEW");
    EXPECT_EQ(entities("TEXT").front()->groups.findText(8).value_or(""), "NEW");
    EXPECT_FALSE(db().findRecord(db::TableKind::Layer, "OLD"));
}

TEST_F(LayerCommand, InvalidNamesAreRefused) {
    run(L"-LAYER", {L"_N", L"bad<name", L""});
    EXPECT_TRUE(said(L"Invalid layer name"));
    EXPECT_FALSE(db().findRecord(db::TableKind::Layer, "bad<name"));
}

TEST_F(LayerCommand, UnknownOptionsSayTheyAreUnavailable) {
    run(L"-LAYER", {L"_MAT", L""});
    EXPECT_TRUE(said(L"not available"));
}

TEST_F(LayerCommand, ViewportLayerNeedsALayout) {
    run(L"VPLAYER", {});
    EXPECT_TRUE(said(L"** Command not allowed in Model Tab **"));
}

TEST_F(LayerCommand, ViewportLayerFreezesInTheViewports) {
    setVar("TILEMODE", host::SysvarValue::ofShort(0));
    for (int number : {1, 2, 3}) {
        db::Entity vp;
        vp.block = db().paperSpace();
        vp.groups.addText(0, "VIEWPORT");
        vp.groups.addText(8, "0");
        vp.groups.addInt(69, number);
        db().addEntity(std::move(vp));
    }
    run(L"-LAYER", {L"_N", L"DIMS", L""});
    run(L"VPLAYER", {L"_F", L"DIMS", L"_E", L""});
    std::string handle = db::handleText(
        db().record(db::TableKind::Layer, *db().findRecord(db::TableKind::Layer, "DIMS")).handle);
    auto frozenIn = [&](int number) {
        for (const db::Entity* e : entities("VIEWPORT", db().paperSpace()))
            if (e->groups.findInt(69).value_or(0) == number)
                return e->groups.findText(341).value_or("") == handle;
        return false;
    };
    EXPECT_FALSE(frozenIn(1));
    EXPECT_FALSE(frozenIn(2));
    EXPECT_TRUE(frozenIn(3));
    run(L"VPLAYER", {L"_T", L"DIMS", L"_A", L""});
    EXPECT_FALSE(frozenIn(3));
}

TEST_F(LayerCommand, MenuAndRegenReport) {
    run(L"MENU", {L"DVVMCAD"});
    EXPECT_TRUE(said(L"Enter menu file name"));
    EXPECT_EQ(cmd::requestedMenus().back(), L"DVVMCAD");
    run(L"REGEN", {});
    EXPECT_TRUE(said(L"Regenerating model.\n"));
}

} // namespace
} // namespace vma::test
