// Modules named as a user names them (ARX command, arxload, acedArxLoad,
// vmacon --arx, acad.rx lines): a file name found on the support path or a
// path, Windows style or not.
#pragma once

#include "host/arx/module.h"
#include "host/base/error.h"

#include <filesystem>
#include <string_view>

namespace vma::arx {

// The module file for a name: a name with a folder as the host maps it, a
// bare one searched as acedFindFile searches; ".arx" is added to a name
// without an extension. An Error says it was not found.
ErrorOr<std::filesystem::path> locateModule(std::wstring_view name);
ErrorOr<Module*> loadModule(std::wstring_view name);
ErrorOr<void> unloadModule(std::wstring_view name);
// Loads every module listed in the acad.rx found on the support path (one
// name a line; blank lines and lines starting with ';' skipped). Goes on
// after a failure; the errors of all failed lines, joined, when any failed.
ErrorOr<void> loadStartupList();

} // namespace vma::arx
