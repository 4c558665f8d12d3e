// Previews of model space fitted to its extents: SVG (vector) and PNG (cairo).
#pragma once

#include "host/base/error.h"
#include "host/db/database.h"

#include <filesystem>
#include <string>

namespace vma::render {

struct PreviewOptions {
    int width = 1600; // pixels (PNG) or user units (SVG viewBox)
    int height = 1200;
    bool darkBackground = false; // white background with ACI 7 black when false
};

std::string svg(const db::Database& db, const PreviewOptions& options = {});
ErrorOr<void> writeSvg(const db::Database& db, const std::filesystem::path& path,
                       const PreviewOptions& options = {});
ErrorOr<void> writePng(const db::Database& db, const std::filesystem::path& path,
                       const PreviewOptions& options = {});

} // namespace vma::render
