// The debug channel: the level read once from DV_DEBUG, routing by level, the
// vmadebug command's prompt and its answers, and trace lines in trace mode 2.
#include "host/input/driver.h"
#include "toolkit_fixture.h"

#include <cstdlib>
#include <filesystem>

namespace vma::test {
namespace {

class Debug : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir.path());
        unsetenv("DV_DEBUG");
        dv_debug_set_level(-1);
    }
    void TearDown() override {
        unsetenv("DV_DEBUG");
        std::filesystem::current_path(previous_);
        ToolkitTest::TearDown();
    }
    std::filesystem::path previous_;
};

TEST_F(Debug, UnsetVariableSilencesAndFirstVmadebugEndsAtOnce) {
    input::Driver driver;
    vmadebug();
    EXPECT_EQ(dv_debug_level(), -2);
    EXPECT_TRUE(driver.transcript().empty());
    driver.type(L"1");
    vmadebug();
    EXPECT_NE(driver.transcript().find(L"Geef nieuw DEBUG-nivo (0/1/2/3) <0> : "),
              std::wstring::npos);
    EXPECT_EQ(dv_debug_level(), 1);
}

TEST_F(Debug, LevelComesFromTheEnvironment) {
    setenv("DV_DEBUG", "3", 1);
    EXPECT_EQ(dv_debug_level(), 3);
    dv_debug_print(L"regel %d\n", 5);
    EXPECT_TRUE(said(L"regel 5\n"));
    EXPECT_EQ(readFile(dir / "debug.dat"), "regel 5\n");
}

TEST_F(Debug, FileOnlyAtLevelTwoAndBoxAtFour) {
    dv_debug_set_level(2);
    dv_debug_print(L"naar bestand\n");
    EXPECT_FALSE(said(L"naar bestand"));
    EXPECT_EQ(readFile(dir / "debug.dat"), "naar bestand\n");
    dv_debug_set_level(4);
    dv_debug_print(L"in een box");
    EXPECT_TRUE(said(L"** Debug print **\nin een box"));
    dv_debug_set_level(7);
    dv_debug_print(L"nergens");
    EXPECT_FALSE(said(L"nergens"));
}

struct LevelAnswer {
    const wchar_t* typed;
    int expected;
    bool unchanged;
};

class VmadebugAnswer : public Debug, public ::testing::WithParamInterface<LevelAnswer> {};

TEST_P(VmadebugAnswer, SetsOrKeepsTheLevel) {
    dv_debug_set_level(2);
    input::Driver driver;
    if (GetParam().typed)
        driver.type(GetParam().typed);
    else
        driver.esc();
    vmadebug();
    EXPECT_EQ(dv_debug_level(), GetParam().expected);
    EXPECT_EQ(driver.transcript().find(L"Waarde DV_DEBUG ongewijzigd!\n") != std::wstring::npos,
              GetParam().unchanged);
}

INSTANTIATE_TEST_SUITE_P(Answers, VmadebugAnswer,
                         ::testing::Values(LevelAnswer{L"0", 0, false}, LevelAnswer{L"3", 3, false},
                                           LevelAnswer{L"4", 2, true}, LevelAnswer{L"-1", 2, true},
                                           LevelAnswer{L"", 2, false},
                                           LevelAnswer{nullptr, 2, false}));

TEST_F(Debug, VmadebugRemovesALeftOverDebugFile) {
    writeFile(dir / "debug.dat", "oud\n");
    dv_debug_set_level(0);
    input::Driver driver;
    driver.type(L"1");
    vmadebug();
    EXPECT_FALSE(std::filesystem::exists(dir / "debug.dat"));
    EXPECT_NE(driver.transcript().find(L"Temporary file \"DEBUG.DAT\" is being deleted!"),
              std::wstring::npos);
}

TEST_F(Debug, TraceOnlyInModeTwo) {
    EXPECT_EQ(dv_set_trace_file((dir / "trace.txt").wstring().c_str()), 0);
    dv_set_trace_mode(1);
    dv_trace_print(L"Item [%s] -> Lezen\n", L"Taal");
    EXPECT_FALSE(said(L"Taal"));
    dv_set_trace_mode(2);
    dv_trace_print(L"Item [%s] -> Lezen\n", L"Taal");
    EXPECT_TRUE(said(L"Item [Taal] -> Lezen\n"));
    EXPECT_EQ(readFile(dir / "trace.txt"), "Item [Taal] -> Lezen\n");
    EXPECT_NE(dv_set_trace_file((dir / "geen" / "map" / "t.txt").wstring().c_str()), 0);
}

} // namespace
} // namespace vma::test
