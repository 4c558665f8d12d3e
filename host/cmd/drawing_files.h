// Drawing names as the document commands take them: Windows-style, any case,
// NAME.DWG kept as NAME.dxf; a name without extension is a .dwg.
#pragma once

#include "host/base/error.h"
#include "host/db/session.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vma::cmd {

// The host file a drawing is saved to; relative names from the folder of the
// current drawing (the working folder for one never saved).
std::filesystem::path drawingTarget(std::wstring_view name, const host::Document& doc);
// An existing drawing: a name with a folder as given, a bare one in the
// working folder and then on the support path. nullopt when there is none.
std::optional<std::filesystem::path> findDrawing(std::wstring_view name);
// The name the SAVE prompt offers: the drawing's file, or its name in the working folder.
std::wstring defaultSaveName(const host::Document& doc);

// Writes the document's drawing as DXF and clears its modified flags.
ErrorOr<void> writeDrawing(host::Document& doc, const std::filesystem::path& file);

} // namespace vma::cmd
