// Any bytes given to the DXF reader give a drawing or an Error, never a crash
// or a hang; a drawing it accepts is written and must read back. The reading
// of ENTITIES by two threads is forced on and must give what one thread gives.
#include "host/dxf/dxf.h"

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace {

bool sameWarnings(const vma::dxf::ReadResult& a, const vma::dxf::ReadResult& b) {
    if (a.warnings.size() != b.warnings.size())
        return false;
    for (size_t i = 0; i < a.warnings.size(); ++i)
        if (a.warnings[i].line != b.warnings[i].line ||
            a.warnings[i].message != b.warnings[i].message)
            return false;
    return true;
}

bool sameEntities(const vma::db::Database& a, const vma::db::Database& b) {
    if (a.entityCount() != b.entityCount())
        return false;
    for (vma::db::EntityId id = 0; id < a.entityCount(); ++id) {
        const vma::db::Entity& x = a.entity(id);
        const vma::db::Entity& y = b.entity(id);
        if (x.handle != y.handle || x.block != y.block || x.parent != y.parent ||
            !(x.groups == y.groups))
            return false;
    }
    return true;
}

void expectSameAsTwoThreads(std::string_view text, const vma::ErrorOr<vma::dxf::ReadResult>& one) {
    auto two = vma::dxf::read(text, vma::dxf::ReadOptions{0});
    if (one.ok() != two.ok())
        std::abort();
    if (!one.ok()) {
        if (one.error().line != two.error().line || one.error().message != two.error().message)
            std::abort();
        return;
    }
    if (!sameWarnings(one.value(), two.value()) || !sameEntities(*one->db, *two->db))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto result = vma::dxf::read(text, vma::dxf::ReadOptions{std::numeric_limits<size_t>::max()});
    expectSameAsTwoThreads(text, result);
    if (!result)
        return 0;
    std::string written;
    vma::dxf::write(*result->db, written);
    auto again = vma::dxf::read(written);
    if (!again || !again->warnings.empty())
        std::abort();
    return 0;
}
