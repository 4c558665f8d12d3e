// The readable source of the message catalogue: one file per section,
//
//   # a comment
//   section 100
//   1   "CURRENT"  "CURRENT"  "AKTUELL"
//   11  "Referentie "
//
// each entry a line number and its texts in double quotes (\" \\ \n \t
// escapes), Dutch first, then English and German; a missing variant repeats
// the Dutch text. Lines may skip numbers; the gaps become empty records.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace mkcatalogue {

constexpr int kVariants = 3;

struct Section {
    unsigned number = 0;
    // line -> texts (UTF-8), kVariants of them
    std::map<int, std::vector<std::string>> lines;
};

// Parses one source file; throws std::runtime_error naming file and line.
Section parseSection(const std::string& path);

} // namespace mkcatalogue
