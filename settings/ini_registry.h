// Settings files kept in the registry: one subkey per section below the
// file's key path, one REG_SZ value per item holding the same text as the
// file format. Nothing is read at open or written at write-back; every set
// and delete goes to the registry at once.
#pragma once

#include "settings/ini_model.h"
#include "toolkit/dv_value.h"

#include <string>
#include <string_view>
#include <vector>

// 0; 1 section key not created; 2 value not set; -32000 unknown type.
int ini_registry_write(const IniFile& file, std::wstring_view section, std::wstring_view item,
                       int type, const DvValue& value);
// 0 (value untouched when the value does not exist or is not a string); 1
// section key missing; else the conversion status. Reads at most 250
// characters.
int ini_registry_read(const IniFile& file, std::wstring_view section, std::wstring_view item,
                      int type, DvValue& value);
// 0; 2 key or value could not be deleted. The section key goes with its last value.
int ini_registry_delete(const IniFile& file, std::wstring_view section, std::wstring_view item);
// The string values, cut to 250 characters: 0 (also for a missing key:
// nothing listed); 1 enumeration failed.
int ini_registry_list_items(const IniFile& file, std::wstring_view section,
                            std::vector<std::wstring>& names, std::vector<std::wstring>& values);
// 0 when at least one subkey was listed, else 1.
int ini_registry_list_sections(const IniFile& file, std::vector<std::wstring>& names);
// 0; 1 the new key exists; 2 the old key cannot be listed or its values
// not moved (a value leaves the old key only once written under the new).
int ini_registry_rename_section(const IniFile& file, std::wstring_view oldName,
                                std::wstring_view newName);
