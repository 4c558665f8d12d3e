#include "dxf/dxf_test_support.h"

#include <gtest/gtest.h>

namespace vma::test {

dxf::ReadResult mustRead(std::string_view text) {
    auto result = dxf::read(text);
    if (!result) {
        ADD_FAILURE() << "read failed at line " << result.error().line << ": "
                      << result.error().message;
        return dxf::ReadResult{db::Database::createEmpty(), {}};
    }
    return std::move(result).value();
}

std::string written(const db::Database& db) {
    std::string text;
    dxf::write(db, text);
    return text;
}

std::string describe(const db::GroupList& groups) {
    std::string out;
    for (size_t i = 0; i < groups.size(); ++i) {
        out += std::to_string(groups[i].code) + "=";
        switch (groups[i].kind) {
        case db::GroupKind::Int:
            out += std::to_string(groups[i].integer());
            break;
        case db::GroupKind::Real:
            out += std::to_string(groups[i].real());
            break;
        case db::GroupKind::Text:
            out += std::string(groups.text(i));
            break;
        }
        out += "\n";
    }
    return out;
}

namespace {

// Entities compare block by block: the order of blocks in the file decides
// creation order, which a round trip need not keep.
void expectSameEntities(const db::Database& a, const db::Block& x, const db::Database& b,
                        const db::Block& y) {
    ASSERT_EQ(x.entities.size(), y.entities.size()) << x.name;
    for (size_t i = 0; i < x.entities.size(); ++i) {
        const db::Entity& e = a.entity(x.entities[i]);
        const db::Entity& f = b.entity(y.entities[i]);
        EXPECT_TRUE(e.groups == f.groups) << describe(e.groups) << "---\n" << describe(f.groups);
        EXPECT_EQ(e.handle, f.handle);
        EXPECT_EQ(e.owner, f.owner);
        ASSERT_EQ(e.parent == db::kNoEntity, f.parent == db::kNoEntity);
        if (e.parent != db::kNoEntity) {
            EXPECT_EQ(a.entity(e.parent).handle, b.entity(f.parent).handle);
        }
    }
}

} // namespace

void expectSameDrawing(const db::Database& a, const db::Database& b) {
    ASSERT_EQ(a.entityCount(), b.entityCount());
    for (const auto& var : a.header()) {
        if (var.name == "$HANDSEED" || var.name == "$ACADVER" || var.name == "$DWGCODEPAGE" ||
            var.name == "$HANDLING")
            continue;
        const db::GroupList* other = b.headerValue(var.name);
        ASSERT_NE(other, nullptr) << var.name;
        EXPECT_TRUE(var.value == *other) << var.name;
    }
    for (size_t k = 0; k < db::kTableCount; ++k) {
        auto kind = static_cast<db::TableKind>(k);
        for (const auto& record : a.table(kind).records) {
            auto index = b.findRecord(kind, record.name());
            ASSERT_TRUE(index) << db::tableName(kind) << " " << record.name();
            EXPECT_TRUE(b.record(kind, *index).groups == record.groups) << record.name();
            EXPECT_EQ(b.record(kind, *index).handle, record.handle);
        }
    }
    for (const auto& block : a.blocks()) {
        auto index = b.findBlock(block.name);
        ASSERT_TRUE(index) << block.name;
        expectSameEntities(a, block, b, b.block(*index));
        EXPECT_EQ(b.block(*index).recordHandle, block.recordHandle) << block.name;
    }
}

std::string dxfText(std::initializer_list<std::pair<int, std::string_view>> groups) {
    std::string out;
    for (auto& [code, value] : groups) {
        out += std::to_string(code) + "\r\n";
        out += value;
        out += "\r\n";
    }
    return out;
}

} // namespace vma::test
