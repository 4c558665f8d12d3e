// Windows-style file names on this host. The module names files as it would on
// Windows: backslashes, drive letters, any mix of case, drawings as NAME.DWG.
// Here a drive letter is a folder of the host profile (C: is <profile>/drive_c),
// each component matches an existing entry without regard to case, and a
// drawing named .DWG is the .dxf file of that name.
#pragma once

#include <filesystem>
#include <string_view>

namespace vma::win {

// The host profile folder: Session::profileDir() when set, else ~/.vmacon,
// else a folder under the temporary directory.
std::filesystem::path profileFolder();

// The host path for a file name. Relative names are taken from base. A
// component with no match keeps its spelling, so a path for a new file can be
// made too; a name ending in .dwg with no such file gives the .dxf name.
std::filesystem::path hostPath(std::wstring_view name, const std::filesystem::path& profile,
                               const std::filesystem::path& base);
// As above, with the session's profile folder and the working folder.
std::filesystem::path hostPath(std::wstring_view name);

// Whether a name says where it is (a separator or a drive letter) rather than
// leaving that to a search.
bool hasFolder(std::wstring_view name);

} // namespace vma::win
