// The acad.rx repair: which lines are exchanged, that a file naming only one
// of the two modules is left alone, and that the rewritten list replaces the
// old file whole (no tail of longer old lines left behind).
#include "frame/acad_rx.h"
#include "host/db/session.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace vma::test {
namespace {

struct RepairCase {
    const char* name;
    std::string before;
    int status;
    std::string after;
};

std::wstring wide(const std::filesystem::path& path) {
    return path.wstring();
}

TEST(AcadRxRepair, ExchangesTheTwoLoadLines) {
    const RepairCase cases[] = {
        {"sibling first", "RIVIRIVU.ARX\r\nVMAAPPS.ARX\r\n", 0, "VMAAPPS.ARX\r\nRIVIRIVU.ARX\r\n"},
        {"own first", "VMAAPPS.ARX\r\nRIVIRIVU.ARX\r\n", 0, "RIVIRIVU.ARX\r\nVMAAPPS.ARX\r\n"},
        {"folders and case", "C:\\Dv\\rivirivu.arx\r\nacad.arx\r\nD:/x64/VmaApps.Arx\r\n", 0,
         "D:/x64/VmaApps.Arx\r\nacad.arx\r\nC:\\Dv\\rivirivu.arx\r\n"},
        {"last of each counts", "VMAAPPS.ARX\r\nRIVIRIVU.ARX\r\nVMAAPPS.ARX\r\n", 0,
         "VMAAPPS.ARX\r\nVMAAPPS.ARX\r\nRIVIRIVU.ARX\r\n"},
        {"comments skipped", ";VMAAPPS.ARX\r\nRIVIRIVU.ARX\r\nVMAAPPS.ARX\r\n", 0,
         ";VMAAPPS.ARX\r\nVMAAPPS.ARX\r\nRIVIRIVU.ARX\r\n"},
        {"line feeds kept", "RIVIRIVU.ARX\nVMAAPPS.ARX", 0, "VMAAPPS.ARX\nRIVIRIVU.ARX\n"},
        {"trailing blanks leave no tail", "RIVIRIVU.ARX      \r\nx.arx\r\n  VMAAPPS.ARX\t \r\n", 0,
         "VMAAPPS.ARX\r\nx.arx\r\nRIVIRIVU.ARX\r\n"},
    };
    for (const RepairCase& c : cases) {
        TempDir dir;
        writeFile(dir / "acad.rx", c.before);
        EXPECT_EQ(dv_exchange_load_lines(wide(dir / "acad.rx").c_str()), c.status) << c.name;
        EXPECT_EQ(readFile(dir / "acad.rx"), c.after) << c.name;
        EXPECT_FALSE(std::filesystem::exists(dir / "acad.rx.$$$")) << c.name;
    }
}

TEST(AcadRxRepair, LeavesAListWithoutBothModulesAlone) {
    const std::string lists[] = {"VMAAPPS.ARX   \r\nacad.arx\r\n", "RIVIRIVU.ARX\r\n",
                                 ";RIVIRIVU.ARX\r\nVMAAPPS.ARX\r\n",
                                 "RIVIRIVU.ARX.OLD\r\nVMAAPPS.ARX\r\n", ""};
    for (const std::string& list : lists) {
        TempDir dir;
        writeFile(dir / "acad.rx", list);
        auto before = std::filesystem::last_write_time(dir / "acad.rx");
        EXPECT_EQ(dv_exchange_load_lines(wide(dir / "acad.rx").c_str()), 1) << list;
        EXPECT_EQ(readFile(dir / "acad.rx"), list);
        EXPECT_EQ(std::filesystem::last_write_time(dir / "acad.rx"), before);
    }
}

TEST(AcadRxRepair, MissingFileFails) {
    TempDir dir;
    EXPECT_EQ(dv_exchange_load_lines(wide(dir / "acad.rx").c_str()), -1);
    EXPECT_EQ(dv_exchange_load_lines(nullptr), -1);
}

TEST(AcadRxRepair, FindsTheListOnTheSupportPath) {
    TempDir dir;
    auto& session = host::Session::get();
    session.reset();
    session.supportPath().push_back(dir.path());
    writeFile(dir / "acad.rx", "RIVIRIVU.ARX\r\nVMAAPPS.ARX\r\n");
    EXPECT_EQ(dv_repair_acad_rx(), 0);
    EXPECT_EQ(readFile(dir / "acad.rx"), "VMAAPPS.ARX\r\nRIVIRIVU.ARX\r\n");
    session.reset();
    EXPECT_EQ(dv_repair_acad_rx(), 1);
}

} // namespace
} // namespace vma::test
