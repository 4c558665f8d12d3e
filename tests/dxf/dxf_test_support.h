// Shared by the DXF tests: reading text that must succeed, and comparing two
// drawings the way a round trip must keep them.
#pragma once

#include "host/dxf/dxf.h"

#include <string>
#include <string_view>

namespace vma::test {

// Reads DXF text; fails the test (and returns an empty drawing) on an Error.
dxf::ReadResult mustRead(std::string_view text);
std::string written(const db::Database& db);
// Groups 0 ... in DXF order as "code=value" lines, for readable failures.
std::string describe(const db::GroupList& groups);
// Same entities (type, groups bit-exact, handle, block, parent), header values,
// table records and block definitions.
void expectSameDrawing(const db::Database& a, const db::Database& b);
// Builds DXF text from (code, value) pairs with CR LF line ends.
std::string dxfText(std::initializer_list<std::pair<int, std::string_view>> groups);

} // namespace vma::test
