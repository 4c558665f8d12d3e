// Filling a freshly opened settings file (its description from the message
// catalogue, the text of the file, and the section prototypes over both) and
// the text it is written back as.
#pragma once

#include "settings/ini_model.h"

#include <string>
#include <string_view>
#include <vector>

// Longest line the reader takes at once; a longer one is read as several.
constexpr size_t kIniLineLimit = 249;

// Described sections into file, section prototypes into prototypes.
void ini_load_description(IniFile& file, IniFile& prototypes, int descriptionSection,
                          int linesPerItem);
// The items and sections of a settings file's text (UTF-8, either line end).
void ini_read_text(IniFile& file, std::string_view bytes);
// The lines a write-back puts on disk: sections with a value, except hidden
// ones, each after a blank line and its header (none for a leading dummy).
std::vector<std::wstring> ini_file_lines(const IniFile& file);
// Every section named with a prototype's prefix gets the prototype's items.
void ini_apply_prototypes(IniFile& file, const IniFile& prototypes);
