// Filling a freshly opened settings file: its description from the message
// catalogue, the text of the file, and the section prototypes over both.
#pragma once

#include "settings/ini_model.h"

#include <string_view>

// Longest line the reader takes at once; a longer one is read as several.
constexpr size_t kIniLineLimit = 249;

// Described sections into file, section prototypes into prototypes.
void ini_load_description(IniFile& file, IniFile& prototypes, int descriptionSection,
                          int linesPerItem);
// The items and sections of a settings file's text (UTF-8, either line end).
void ini_read_text(IniFile& file, std::string_view bytes);
// Every section named with a prototype's prefix gets the prototype's items.
void ini_apply_prototypes(IniFile& file, const IniFile& prototypes);
