// R12 files of newer programs name the layout blocks $MODEL_SPACE and
// $PAPER_SPACE: they are read as the drawing's own layouts, never as
// ordinary blocks that a save would carry along.
#include "dxf/dxf_test_support.h"

#include <gtest/gtest.h>

using namespace vma;

namespace {

std::string layoutBlock(std::string_view name) {
    return test::dxfText({{0, "BLOCK"},
                          {8, "0"},
                          {2, name},
                          {70, "0"},
                          {10, "0"},
                          {20, "0"},
                          {30, "0"},
                          {3, name},
                          {1, ""},
                          {0, "ENDBLK"},
                          {8, "0"}});
}

TEST(R12Layouts, DollarNamesAreTheLayouts) {
    for (std::string_view model : {"$MODEL_SPACE", "$Model_Space"}) {
        std::string text = test::dxfText({{0, "SECTION"}, {2, "BLOCKS"}}) + layoutBlock(model) +
                           layoutBlock("$PAPER_SPACE") +
                           test::dxfText({{0, "ENDSEC"},
                                          {0, "SECTION"},
                                          {2, "ENTITIES"},
                                          {0, "LINE"},
                                          {10, "0"},
                                          {20, "0"},
                                          {11, "1"},
                                          {21, "1"},
                                          {0, "ENDSEC"},
                                          {0, "EOF"}});
        auto read = test::mustRead(text);
        const db::Database& db = *read.db;
        EXPECT_FALSE(db.findBlock("$MODEL_SPACE")) << model;
        EXPECT_FALSE(db.findBlock("$PAPER_SPACE")) << model;
        EXPECT_EQ(db.block(db.modelSpace()).name, "*Model_Space") << model;
        EXPECT_EQ(db.block(db.paperSpace()).header.findText(2), "*Paper_Space") << model;
        size_t layouts = 0;
        for (const db::Block& b : db.blocks())
            layouts += b.isLayout() ? 1 : 0;
        EXPECT_EQ(layouts, 2u) << model;
        EXPECT_EQ(test::written(db).find("$MODEL_SPACE"), std::string::npos) << model;
    }
}

} // namespace
