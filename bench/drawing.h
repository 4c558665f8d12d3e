// The benchmark drawing: a large foundation plan of lines, polylines and pile
// inserts with attributes and extended data, built in memory.
#pragma once

#include "host/db/database.h"

#include <memory>

namespace vma::bench {

// count main entities: 60% lines, 25% polylines of 5 vertices with widths and
// bulges, 15% inserts of a pile block with two attributes and VMA_BENCH
// extended data. Deterministic for a given count.
std::unique_ptr<db::Database> makeDrawing(size_t count);

} // namespace vma::bench
