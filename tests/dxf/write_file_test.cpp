// Saving to disk: the file appears whole or not at all, and a failed save
// leaves the old file as it was.
#include "dxf/dxf_test_support.h"
#include "support/test_support.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vma;

namespace {

TEST(WriteFile, WritesAFileThatReadsBack) {
    test::TempDir dir;
    auto db = db::Database::createNew();
    ASSERT_TRUE(dxf::writeFile(*db, dir / "a.dxf"));
    std::string text = test::readFile(dir / "a.dxf");
    EXPECT_TRUE(text.starts_with("  0\r\nSECTION\r\n  2\r\nHEADER\r\n"));
    EXPECT_TRUE(text.ends_with("  0\r\nEOF\r\n"));
    auto back = dxf::readFile(dir / "a.dxf");
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->warnings.empty());
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// The file is written in pieces as the text is made: pieces must join without
// a byte lost or doubled, and a value longer than a piece must come whole.
TEST(WriteFile, ALargeDrawingIsTheSameTextAsWrittenToAString) {
    test::TempDir dir;
    auto db = db::Database::createNew();
    for (int i = 0; i < 40000; ++i) {
        db::Entity line;
        line.groups.addText(0, "LINE");
        line.groups.addText(8, "WALL-" + std::to_string(i % 7));
        for (int code : {10, 20, 30, 11, 21, 31})
            line.groups.addReal(code, i * 0.25 + code);
        db->addEntity(std::move(line));
    }
    db::Entity note;
    note.groups.addText(0, "MTEXT");
    note.groups.addText(8, "0");
    note.groups.addText(1, std::string(3 << 20, 'x') + "\xC3\xA9");
    db->addEntity(std::move(note));
    ASSERT_TRUE(dxf::writeFile(*db, dir / "a.dxf"));
    std::string text = test::readFile(dir / "a.dxf");
    EXPECT_GT(text.size(), size_t{5} << 20);
    EXPECT_TRUE(text == test::written(*db));
    auto back = dxf::read(text);
    ASSERT_TRUE(back);
    auto id = static_cast<db::EntityId>(back->db->entityCount() - 1);
    EXPECT_EQ(back->db->entity(id).groups.findText(1), std::string(3 << 20, 'x') + "\xC3\xA9");
}

TEST(WriteFile, ReplacesAnOldFile) {
    test::TempDir dir;
    test::writeFile(dir / "a.dxf", "old");
    ASSERT_TRUE(dxf::writeFile(*db::Database::createNew(), dir / "a.dxf"));
    EXPECT_NE(test::readFile(dir / "a.dxf"), "old");
}

TEST(WriteFile, AFailedSaveKeepsTheOldFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    test::TempDir dir;
    test::writeFile(dir / "a.dxf", "old");
    ASSERT_EQ(::chmod(dir.path().c_str(), 0500), 0);
    auto result = dxf::writeFile(*db::Database::createNew(), dir / "a.dxf");
    ::chmod(dir.path().c_str(), 0700);
    ASSERT_FALSE(result);
    EXPECT_NE(result.error().message.find("a.dxf"), std::string::npos);
    EXPECT_EQ(test::readFile(dir / "a.dxf"), "old");
}

// Runs f with files limited to a few bytes, so that writing fails halfway
// whoever runs the test (permissions do not stop root).
template <class F> auto withTinyFileLimit(F f) {
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 1000;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    auto result = f();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return result;
}

TEST(WriteFile, AWriteFailingHalfwayKeepsTheOldFile) {
    test::TempDir dir;
    test::writeFile(dir / "a.dxf", "old");
    auto db = db::Database::createNew();
    auto result = withTinyFileLimit([&] { return dxf::writeFile(*db, dir / "a.dxf"); });
    ASSERT_FALSE(result);
    EXPECT_NE(result.error().message.find("cannot write"), std::string::npos);
    EXPECT_EQ(test::readFile(dir / "a.dxf"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(WriteFile, AMissingFolderIsAnError) {
    test::TempDir dir;
    auto result = dxf::writeFile(*db::Database::createNew(), dir / "no" / "such" / "a.dxf");
    ASSERT_FALSE(result);
    EXPECT_NE(result.error().message.find("cannot create"), std::string::npos);
}

TEST(WriteFile, AFolderInTheWayIsAnErrorAndStaysAFolder) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "a.dxf");
    auto result = dxf::writeFile(*db::Database::createNew(), dir / "a.dxf");
    ASSERT_FALSE(result);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "a.dxf"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(ReadFile, ErrorsNameTheFile) {
    auto missing = dxf::readFile("/nonexistent/x.dxf");
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().message.find("/nonexistent/x.dxf"), std::string::npos);
    test::TempDir dir;
    test::writeFile(dir / "bad.dxf", "not a drawing\n");
    auto bad = dxf::readFile(dir / "bad.dxf");
    ASSERT_FALSE(bad);
    EXPECT_NE(bad.error().message.find("bad.dxf"), std::string::npos);
    EXPECT_EQ(bad.error().line, 1);
}

} // namespace
