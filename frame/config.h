// The application configuration: the system configuration beside the module
// and the user configuration per user, and the readers of the settings the
// frame itself needs. Both files are settings files of the settings store,
// opened on first use and written back at the end; the readers take their key
// from the file and write the default in when it is missing.
#pragma once

#include <string>

// Path of the system configuration: the module's own path with the extension
// INI (platform folder dropped).
std::wstring vma_config_system_path();
// Path of the user configuration: the module directory + the first word of
// catalogue line 6/2 + "." + the user name (DVS, else USERNAME, else "CFG").
std::wstring vma_config_user_path();

// The settings handles of the two files (opened when they are not).
std::wstring vma_config_system_handle();
std::wstring vma_config_user_handle();

// Taal of section Voorkeur (user): 0 to 2; any other value is written back as 0.
int vma_config_language();
// DCLFileNaam of section Algemeen (user); empty when not set.
std::wstring vma_config_dcl_file_name();
// The switch ToonLegeDWGMelding of section Algemeen (user), default 1.
int vma_config_empty_drawing_notice();
// The switch CorrectLoadSequence of section Voorkeur (system), default 1.
int vma_config_correct_load_sequence();
// The switch ConvertDimstylen of section Voorkeur (user), default 1.
int vma_config_convert_dimstyles();

// Writes the configuration files back and releases them, at the end of a
// session or at unload.
void vma_config_write_back();
