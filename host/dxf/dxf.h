// Reading and writing drawings as ASCII DXF. Reads R12 and R2000 (and later)
// with either line end; writes R2000 (AC1015) that other CAD programs open.
#pragma once

#include "host/base/error.h"
#include "host/db/database.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vma::dxf {

struct Warning {
    long line = 0; // 1-based line of the file
    std::string message;
};

struct ReadResult {
    std::unique_ptr<db::Database> db;
    std::vector<Warning> warnings; // one per problem recovered from
    int threads = 1;               // that read the entities
};

struct ReadOptions {
    // An ENTITIES section with at least this many bytes of the file left at
    // its start is read by two threads; the drawing and warnings are the same.
    size_t twoThreadsFrom = size_t{8} << 20;
};

// A drawing from DXF text. A file that cannot be made into a drawing at all
// (empty, binary DXF, not DXF) is an Error naming the line; damage that can be
// recovered from gives a drawing and warnings.
ErrorOr<ReadResult> read(std::string_view data, const ReadOptions& options = {});
// As read(), from a file (mapped, not copied). Errors name the file.
ErrorOr<ReadResult> readFile(const std::filesystem::path& path, const ReadOptions& options = {});

// The drawing as R2000 DXF text (CR LF line ends).
void write(const db::Database& db, std::string& out);
// Writes to a temporary file beside path and renames it into place, so a failed
// write leaves the old file as it was.
ErrorOr<void> writeFile(const db::Database& db, const std::filesystem::path& path);

} // namespace vma::dxf
