// Writes the binary message catalogue (fixed-length Windows-1252 records and
// the "DTFS" trailer the module reads).
#pragma once

#include "catalogue_source.h"

#include <string>
#include <vector>

namespace mkcatalogue {

constexpr int kRecordLength = 255;
constexpr int kMaxSections = 500;

// The bytes of the catalogue; throws std::runtime_error for a text that does
// not fit a record or has a character outside Windows-1252, too many
// sections, or a section given twice.
std::string catalogueBytes(std::vector<Section> sections);

} // namespace mkcatalogue
