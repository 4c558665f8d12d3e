// The settings store: named, typed settings kept in INI-style settings files
// ("rubrieken" holding name=value items) on disk or under a registry key. Any
// number of files are open at once, each known by its settings handle (the
// file name with extension, compared without regard to case). A file opened
// with a description from the message catalogue has described sections and
// items with type, default and validation, and section prototypes
// (VAR_RUBRIEK) that give every section with a name prefix the same items.
//
// Every operation takes the handle first and returns a status (0 = success)
// unless said otherwise; missing handles, sections and items are reported by
// status, never by exception.
#pragma once

#include "settings/ini_model.h"
#include "toolkit/dv_value.h"

#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Storage modes: an INI file, or a registry key below HKEY_LOCAL_MACHINE (1)
// or HKEY_CURRENT_USER (any other nonzero value).
constexpr unsigned DV_INI_FILE = 0;
constexpr unsigned DV_INI_REGISTRY_MACHINE = 1;
constexpr unsigned DV_INI_REGISTRY_USER = 2;

// Width of the fixed slots of the flat listings, terminating null included.
constexpr size_t DV_INI_SECTION_SLOT = 81;
constexpr size_t DV_INI_ITEM_SLOT = 41;
constexpr size_t DV_INI_VALUE_SLOT = 251;

// Opens a settings file (path, or key path below the root key) with the
// description of catalogue section descriptionSection (0: none) read with
// linesPerItem lines per item. The handle is stored in *handle even when the
// file is already open. 0, or -1 when a file with that handle is open.
int dv_ini_open(std::wstring_view path, std::wstring* handle, int descriptionSection,
                int linesPerItem, unsigned storage);

// The item's value (its default when it has none) converted to type: 0; 1 not
// found or no text at all (value untouched); -32000 unknown type or an
// incomplete point (the coordinates read are delivered).
int dv_ini_get(std::wstring_view handle, std::wstring_view section, std::wstring_view item,
               int type, DvValue& value);
// The described default alone: 0 (also when section or item is missing, value
// untouched); 1 no default; 2 unknown type; -1/-2/-3 incomplete point.
int dv_ini_get_default(std::wstring_view handle, std::wstring_view section, std::wstring_view item,
                       int type, DvValue& value);
// Stores the value as text, creating section and item: 0 (also for a handle
// that is not open); 1 rejected by validation; -32000 unknown type; registry:
// 1 key not created, 2 value not set.
int dv_ini_set(std::wstring_view handle, std::wstring_view section, std::wstring_view item,
               int type, const DvValue& value);

// A described item loses its value, any other is removed, and an emptied
// section goes too: 0; 1 handle not open.
int dv_ini_delete_item(std::wstring_view handle, std::wstring_view section, std::wstring_view item);
// Deletes the items and hides the section as "**DELETED** name": 0; 1 when
// the section was empty or missing.
int dv_ini_delete_section(std::wstring_view handle, std::wstring_view section);
// Sets every item of from as text into to: 0; 1 source empty or missing.
int dv_ini_copy_section(std::wstring_view handle, std::wstring_view from, std::wstring_view to);
// 0; -1 old name empty; -2 new name empty; 1 new name exists; 2 old name missing.
int dv_ini_rename_section(std::wstring_view handle, std::wstring_view oldName,
                          std::wstring_view newName);

// Releases the file without writing.
void dv_ini_free(std::wstring_view handle);
// Writes the file when it changed; mode 0 then releases it unless the write
// failed, 2 releases it always, 1 keeps it open: 0; 1 not open; -1 not written.
int dv_ini_write(std::wstring_view handle, int mode);
// 1 writes all and keeps them open; 2 writes and releases all (a file that
// cannot be written goes to a fallback name in the current folder); 3
// releases all without writing.
void dv_ini_save_all(int mode);
// Releases and opens the file again from its storage; the new handle is
// stored in handle: 0; 5 not open; else the status of dv_ini_open.
int dv_ini_reinit(std::wstring& handle);

// 0 with the file's path (or key path); 1 not open.
int dv_ini_get_path(std::wstring& path, std::wstring_view handle);
// Moves the file to a new path (".INI" appended unless it ends so), creating
// it: 0; -1 not writable (path changed all the same); 1 not open.
int dv_ini_set_path(std::wstring_view newPath, std::wstring_view handle);
// 1 when open, else 0.
int dv_ini_is_open(std::wstring_view handle);
// The storage mode; 0 also when not open.
unsigned dv_ini_storage(std::wstring_view handle);

// The stored spelling of a section or item name: 0; 1 missing.
int dv_ini_section_name(std::wstring_view handle, std::wstring& section);
int dv_ini_item_name(std::wstring_view handle, std::wstring_view section, std::wstring& item);
// The first item whose value equals value (case-insensitive): 0; 1 none.
int dv_ini_find_by_value(std::wstring_view handle, std::wstring_view section,
                         std::wstring_view value, std::wstring& item);

// Section names in list order (those starting with prefix when given): 0;
// -1 none; 1 not open.
int dv_ini_list_sections(std::wstring_view handle, std::vector<std::wstring>& names,
                         std::optional<std::wstring_view> prefix = std::nullopt);
// The same in one block of DV_INI_SECTION_SLOT-character slots.
int dv_ini_list_sections_flat(std::wstring_view handle, std::vector<wchar_t>& block, int& count,
                              std::optional<std::wstring_view> prefix = std::nullopt);
// Names and values of the section's items, comments left out; with
// useDefaults an empty value shows the default: 0; 1 none or missing.
int dv_ini_list_items(std::wstring_view handle, std::wstring_view section,
                      std::vector<std::wstring>& names, std::vector<std::wstring>& values,
                      int useDefaults);
// The same in blocks of DV_INI_ITEM_SLOT and DV_INI_VALUE_SLOT characters.
int dv_ini_list_items_flat(std::wstring_view handle, std::wstring_view section,
                           std::vector<wchar_t>& names, std::vector<wchar_t>& values, int& count,
                           int useDefaults);
// The item's explanation from the catalogue: 0; 1 missing; 2 not described;
// 3 catalogue line missing.
int dv_ini_item_description(std::wstring_view handle, std::wstring_view section,
                            std::wstring_view item, std::wstring& text);

// The attributes of an item: 0; 1 missing; -1 info absent.
int dv_ini_get_item_info(std::wstring_view handle, std::wstring_view section,
                         std::wstring_view item, DvIniItemInfo* info);
int dv_ini_set_item_info(std::wstring_view handle, std::wstring_view section,
                         std::wstring_view item, const DvIniItemInfo* info);
// The description section and variable-section flag of a section: 0; 1
// missing; -1 info absent.
int dv_ini_get_section_info(std::wstring_view handle, std::wstring_view section,
                            DvIniSectionInfo* info);
int dv_ini_set_section_info(std::wstring_view handle, std::wstring_view section,
                            const DvIniSectionInfo* info);

// Request -1 queries, 0 marks the item as having a value, anything else as
// having none. The previous state: 1 no value, 0 a value, -1 missing.
int dv_ini_value_absent(std::wstring_view handle, std::wstring_view section, std::wstring_view item,
                        int request);
// Request < 0 queries the validation switch, 0 clears it, > 0 sets it; the
// switch, or -32000 when not open.
int dv_ini_validation(std::wstring_view handle, int request);

// The sections of the file (prototypes: its section prototypes), or null when
// it is not open. Valid until the file is changed or released.
const std::list<IniSection>* dv_ini_first_section(std::wstring_view handle, int prototypes);

// Opens a copy of an open file under a new path and handle; filter 0 copies
// every item, 1 described items only, other values items with a value: 0; 1
// source not open; -1 new handle already open.
int dv_ini_copy_file(std::wstring_view source, std::wstring_view newPath,
                     std::wstring_view newHandle, int filter);

// Prints the file's contents on the debug channel.
void dv_ini_show(std::wstring_view handle);
// The handle a path would get.
void dv_ini_handle_of(std::wstring_view path, std::wstring& handle);
