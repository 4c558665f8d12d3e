// Reading and writing one item of an INI-style settings file (sections in
// brackets, "key=value" items, names compared without regard to case): what
// the configuration readers need until the settings store takes over.
#pragma once

#include <optional>
#include <string>

// The value of the item, trimmed; nullopt when the file, section or item is missing.
std::optional<std::wstring> vma_ini_read(const std::wstring& path, const std::wstring& section,
                                         const std::wstring& key);

// Sets the item (adding the section and the item when missing) and puts the
// file in place through a temporary file: true when written.
bool vma_ini_write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                   const std::wstring& value);
