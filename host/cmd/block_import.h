// A drawing file brought in as a block definition, as INSERT does with a
// drawing found on the support path: the file's model space becomes the
// block (its base point the file's INSBASE), and the layers, linetypes, text
// styles, dimension styles, registered applications and blocks it uses come
// along where the drawing lacks them (what the drawing has already wins).
#pragma once

#include "host/base/error.h"
#include "host/db/database.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace vma::cmd {

// Defines (or, when it exists, redefines) the block name in target from
// source's model space; returns the block's index.
uint32_t defineBlockFrom(db::Database& target, const db::Database& source, std::string_view name);

// The drawing file a block name or file name stands for, found as acedFindFile
// finds support files (NAME.DWG served by NAME.dxf).
std::optional<std::filesystem::path> findDrawingFile(std::wstring_view name);

// The block name a file name gives: its name without folder and extension.
std::wstring blockNameOfFile(std::wstring_view file);

} // namespace vma::cmd
