// The document commands: SAVE and OPEN round trips through DXF, the replace
// question as the module answers it, Windows-style names, SAVEAS renaming,
// NEW, CLOSE with its save question, and DWGNAME, DWGPREFIX and DBMOD following.
#include "document_fixture.h"
#include "host/base/text.h"
#include "support/test_support.h"

#include <filesystem>

namespace vma::test {
namespace {

using Fixture = DocumentCommandTest;
namespace fs = std::filesystem;

std::wstring wide(const fs::path& p) {
    return utf8ToWide(p.string());
}

std::string textVar(std::string_view name) {
    auto v = host::getSysvar(host::Session::get(), name);
    return v.ok() ? v->text : "";
}

TEST_F(Fixture, SaveThenOpenGivesTheDrawingBack) {
    TempDir dir;
    line(1, 2, 3, 4);
    EXPECT_NE(intVar("DBMOD"), 0);
    run(L"SAVE", {wide(dir / "plan.dwg")});
    EXPECT_TRUE(fs::exists(dir / "plan.dxf")) << "a .dwg name is kept as .dxf";
    EXPECT_FALSE(fs::exists(dir / "plan.dwg"));
    EXPECT_EQ(intVar("DBMOD"), 0);
    EXPECT_EQ(textVar("DWGNAME"), "plan.dwg") << "a drawing never saved takes the name";
    EXPECT_EQ(fs::path(textVar("DWGPREFIX")), fs::path(dir.path().string() + "/"));

    run(L"CLOSE");
    run(L"NEW", {L"."});
    EXPECT_EQ(session().documents().size(), 1u);
    EXPECT_EQ(liveEntities(), 0u);
    run(L"OPEN", {wide(dir / "PLAN.DWG")});
    EXPECT_EQ(session().documents().size(), 2u);
    ASSERT_EQ(liveEntities(), 1u);
    EXPECT_EQ(db().entity(0).groups.findReal(21), 4.0);
    EXPECT_EQ(textVar("DWGNAME"), "plan.dwg");
}

TEST_F(Fixture, OpeningAnOpenDrawingMakesItCurrent) {
    TempDir dir;
    run(L"SAVE", {wide(dir / "a.dwg")});
    run(L"NEW", {L"."});
    run(L"OPEN", {wide(dir / "a.dwg")});
    EXPECT_EQ(session().documents().size(), 2u);
    EXPECT_EQ(textVar("DWGNAME"), "a.dwg");
}

TEST_F(Fixture, SaveOverAnExistingFileAsksFirst) {
    TempDir dir;
    writeFile(dir / "old.dxf", "not touched");
    line(0, 0, 1, 1);
    run(L"SAVE", {wide(dir / "old.dwg"), L""});
    EXPECT_EQ(readFile(dir / "old.dxf"), "not touched") << "No is the default";
    EXPECT_NE(transcript().find(L"already exists."), std::wstring::npos);
    EXPECT_NE(transcript().find(L"Do you want to replace it? [Yes/No] <N>: "), std::wstring::npos);
    run(L"SAVE", {wide(dir / "old.dwg"), L"_Y"});
    EXPECT_NE(readFile(dir / "old.dxf"), "not touched");
}

TEST_F(Fixture, ExpertTwoReplacesWithoutAsking) {
    TempDir dir;
    writeFile(dir / "old.dxf", "x");
    ASSERT_TRUE(host::setSysvar(session(), "EXPERT", host::SysvarValue::ofShort(2)));
    run(L"SAVE", {wide(dir / "old.dwg")});
    EXPECT_NE(readFile(dir / "old.dxf"), "x");
}

// The module's automatic save: a copy under another name, the drawing keeps its own.
TEST_F(Fixture, SaveOfASavedDrawingToAnotherNameWritesACopy) {
    TempDir dir;
    run(L"SAVE", {wide(dir / "main.dwg")});
    line(0, 0, 5, 5);
    run(L"SAVE", {wide(dir / "AUTOSAVE.DWG")});
    EXPECT_TRUE(fs::exists(dir / "AUTOSAVE.dxf"));
    EXPECT_EQ(textVar("DWGNAME"), "main.dwg");
}

TEST_F(Fixture, SaveAsAsksTheFormatAndRenames) {
    TempDir dir;
    run(L"SAVE", {wide(dir / "first.dwg")});
    run(L"SAVEAS", {L"2000", wide(dir / "second")});
    EXPECT_TRUE(fs::exists(dir / "second.dxf"));
    EXPECT_EQ(textVar("DWGNAME"), "second.dwg");
    EXPECT_NE(transcript().find(L"Enter file format [R14(LT98&LT97)/2000(LT2000)/"),
              std::wstring::npos);
}

TEST_F(Fixture, DriveLettersAndBackslashesMapToTheProfile) {
    TempDir dir;
    session().profileDir() = dir.path();
    fs::create_directories(dir / "drive_c" / "Work");
    run(L"SAVE", {L"C:\\WORK\\Site.DWG"});
    EXPECT_TRUE(fs::exists(dir / "drive_c" / "Work" / "Site.dxf"));
    run(L"NEW", {L"."});
    run(L"OPEN", {L"c:\\work\\site.dwg"});
    EXPECT_EQ(textVar("DWGNAME"), "Site.dwg");
}

TEST_F(Fixture, OpenOfAMissingDrawingSaysSo) {
    TempDir dir;
    run(L"OPEN", {wide(dir / "none.dwg")});
    EXPECT_EQ(session().documents().size(), 1u);
    EXPECT_NE(transcript().find(L"Cannot find the drawing"), std::wstring::npos);
}

TEST_F(Fixture, NewFromATemplateCopiesIt) {
    TempDir dir;
    line(0, 0, 1, 0);
    run(L"SAVE", {wide(dir / "proto.dwg")});
    run(L"NEW", {wide(dir / "proto.dwt")});
    EXPECT_EQ(liveEntities(), 1u);
    EXPECT_EQ(intVar("DWGTITLED"), 0) << "a drawing from a template has no file yet";
}

TEST_F(Fixture, CloseAsksToSaveChanges) {
    TempDir dir;
    run(L"SAVE", {wide(dir / "keep.dwg")});
    line(0, 0, 2, 2);
    run(L"CLOSE", {L"N"});
    EXPECT_TRUE(session().documents().empty());
    EXPECT_NE(transcript().find(L"Save changes to keep.dwg? [Yes/No/Cancel] <Y>: "),
              std::wstring::npos);
    run(L"OPEN", {wide(dir / "keep.dwg")});
    EXPECT_EQ(liveEntities(), 0u) << "the change was not saved";
    line(0, 0, 2, 2);
    run(L"CLOSE", {L""});
    run(L"OPEN", {wide(dir / "keep.dwg")});
    EXPECT_EQ(liveEntities(), 1u) << "Yes saved it to its own file";
    size_t open = session().documents().size();
    line(0, 0, 3, 3);
    run(L"CLOSE", {L"_C"});
    EXPECT_EQ(session().documents().size(), open) << "Cancel keeps it open";
}

TEST_F(Fixture, UndoLogsBelongToTheirDocument) {
    run(L"TESTLINE");
    run(L"NEW", {L"."});
    run(L"TESTLINE");
    run(L"U");
    EXPECT_EQ(liveEntities(), 0u);
    session().makeCurrent(*session().documents().front());
    EXPECT_EQ(liveEntities(), 1u);
}

} // namespace
} // namespace vma::test
