// Dimensions and hatches made by the DIM and HATCH commands, written by us and
// opened by ezdxf: its audit finds no error, every dimension's block is there
// with its lines, arrows and text, the measurements and the hatch paths and
// pattern lines are what our database holds.
#include "adslib.h"
#include "host/cmd/builtins.h"
#include "host/db/rblist.h"
#include "host/db/session.h"
#include "host/dxf/dxf.h"
#include "host/input/commands.h"
#include "host/input/driver.h"
#include "oracle/oracle.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace vma::test {
namespace {

void run(std::wstring_view name) {
    input::runCommand(name, *input::CommandRegistry::get().find(name), false);
}

void drawWithCommands() {
    cmd::installBuiltins();
    input::Driver driver;
    for (const wchar_t* answer :
         {L"_ROTATE", L"0", L"0,0", L"1000,0", L"500,200", L"", L"_CONT", L"2500,0", L"",
          L"_ORDINATE", L"100,50", L"_X", L"100,80", L"", L"_EXIT"})
        driver.type(answer);
    run(L"DIM");
    ads_point a = {0, -500, 0}, b = {300, -500, 0}, c = {300, -200, 0};
    host::RbList pline(acutBuildList(RTDXF0, L"LWPOLYLINE", 100, L"AcDbEntity", 100,
                                     L"AcDbPolyline", 90, 3, 70, 1, 10, a, 10, b, 10, c, 0));
    ASSERT_EQ(acdbEntMake(pline.get()), RTNORM);
    for (const wchar_t* answer : {L"_U", L"45", L"25", L"_N"})
        driver.type(answer);
    driver.pick(150, -500);
    driver.enter();
    run(L"HATCH");
}

TEST(CommandsWrittenByUs, DimensionsAndHatchesReadBack) {
    host::Session& session = host::Session::get();
    session.reset();
    drawWithCommands();
    const db::Database& db = *session.current().db;
    TempDir dir;
    std::string path = (dir / "dims.dxf").string();
    auto written = dxf::writeFile(db, path);
    ASSERT_TRUE(written.ok()) << written.error().message;

    EzdxfResult seen = runEzdxf({"audit", path});
    ASSERT_TRUE(seen.failure.empty()) << seen.failure;
    EXPECT_EQ(seen.json["audit"]["errors"], 0) << seen.json["audit"].dump(1);
    nlohmann::json ours = describe(db);
    for (const char* part : {"blocks", "entities"})
        for (const auto& d : differences(ours[part], seen.json[part]))
            ADD_FAILURE() << part << d;

    std::vector<double> measurements;
    for (const auto& e : seen.json["entities"]) {
        if (e["type"] == "HATCH") {
            EXPECT_EQ(e["paths"], 1);
            EXPECT_EQ(e["pattern_lines"], 1);
        }
        if (e["type"] != "DIMENSION")
            continue;
        measurements.push_back(e["measurement"]);
        const auto& block = seen.json["blocks"][e["name"].get<std::string>()];
        ASSERT_TRUE(block.is_array()) << e["name"];
        bool hasText = false;
        for (const auto& part : block)
            hasText = hasText || part["type"] == "MTEXT";
        EXPECT_TRUE(hasText) << e["name"];
    }
    EXPECT_EQ(measurements, (std::vector<double>{1000, 1500, 100}));
    session.reset();
}

} // namespace
} // namespace vma::test
