// Drawings written by ezdxf, R12 and R2000, read by our DXF reader: every
// layer, block, entity, point, attribute and extended-data item that ezdxf
// sees in the file is in our database too, and nothing more.
#include "host/dxf/dxf.h"
#include "oracle/oracle.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace vma::test {
namespace {

class ReadsEzdxfDrawing : public ::testing::TestWithParam<const char*> {};

TEST_P(ReadsEzdxfDrawing, NothingIsLost) {
    TempDir dir;
    std::string path = (dir / "ezdxf.dxf").string();
    EzdxfResult written = runEzdxf({"write", GetParam(), path});
    ASSERT_TRUE(written.failure.empty()) << written.failure;
    ASSERT_EQ(written.json["audit"]["errors"], 0) << written.json["audit"].dump(1);

    auto read = dxf::readFile(path);
    ASSERT_TRUE(read.ok()) << read.error().message << " (line " << read.error().line << ")";
    for (const auto& w : read->warnings)
        ADD_FAILURE() << "line " << w.line << ": " << w.message;

    nlohmann::json ours = describe(*read->db);
    EXPECT_GE(ours["entities"].size(), 11u);
    for (const char* part : {"layers", "blocks", "entities"})
        for (const auto& d : differences(ours[part], written.json[part]))
            ADD_FAILURE() << part << d;
}

INSTANTIATE_TEST_SUITE_P(Versions, ReadsEzdxfDrawing, ::testing::Values("R12", "R2000"));

} // namespace
} // namespace vma::test
