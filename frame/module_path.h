// The loaded module's own file as the configuration and the dialog file are
// named after it.
#pragma once

#include <string>

// The module's path (acedGetAppName) with '\' separators, a last x64 or x32
// folder dropped and the extension replaced by extension; empty when the
// path is unknown.
std::wstring vma_module_path_with_extension(const wchar_t* extension);
