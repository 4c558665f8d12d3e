// Binary catalogues made by hand for the reader tests: sections of raw
// records (already in variant order), any record length, and a trailer whose
// fields a test may spoil afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vma::test {

struct RawSection {
    uint32_t number;
    std::vector<std::string> records; // Windows-1252 bytes
};

inline void putWord(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + size_t(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Offset of a trailer field from the end of the file.
inline size_t trailerField(const std::string& bytes, size_t offset) {
    return bytes.size() - 6020 + offset;
}

inline std::string rawCatalogue(const std::vector<RawSection>& sections, uint32_t length = 64) {
    std::string records;
    std::string trailer(6020, '\0');
    trailer.replace(0, 4, "DTFS");
    putWord(trailer, 12, static_cast<uint32_t>(sections.size()));
    putWord(trailer, 6016, length);
    for (size_t s = 0; s < sections.size(); ++s) {
        putWord(trailer, 16 + 4 * s, sections[s].number);
        putWord(trailer, 2016 + 4 * s, static_cast<uint32_t>(sections[s].records.size()));
        putWord(trailer, 4016 + 4 * s, static_cast<uint32_t>(records.size()));
        for (std::string record : sections[s].records) {
            record.resize(length, '\0');
            records += record;
        }
    }
    return records + trailer;
}

} // namespace vma::test
