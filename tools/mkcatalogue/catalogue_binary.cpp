#include "catalogue_binary.h"

#include <algorithm>
#include <stdexcept>

namespace mkcatalogue {

namespace {

// Characters of 0x80-0x9F in Windows-1252.
constexpr char32_t kHigh[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

char toCp1252(char32_t c, const std::string& where) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == c)
            return static_cast<char>(0x80 + i);
    }
    throw std::runtime_error(where + ": a character outside Windows-1252");
}

std::string utf8ToCp1252(const std::string& text, const std::string& where) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int extra = b < 0x80 ? 0 : b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
        if (extra < 0 || i + size_t(extra) >= text.size())
            throw std::runtime_error(where + ": text is not UTF-8");
        char32_t c = extra == 0 ? b : b & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k)
            c = c << 6 | (static_cast<unsigned char>(text[i + size_t(k)]) & 0x3F);
        out += toCp1252(c, where);
        i += size_t(extra) + 1;
    }
    if (out.find('\0') != std::string::npos)
        throw std::runtime_error(where + ": text holds a NUL");
    return out;
}

void putWord(std::string& out, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[at + size_t(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

std::string catalogueBytes(std::vector<Section> sections) {
    if (sections.size() > kMaxSections)
        throw std::runtime_error("more than 500 sections");
    std::sort(sections.begin(), sections.end(),
              [](const Section& a, const Section& b) { return a.number < b.number; });
    std::string records;
    std::string trailer(6020, '\0');
    trailer.replace(0, 4, "DTFS");
    putWord(trailer, 12, static_cast<uint32_t>(sections.size()));
    putWord(trailer, 6016, kRecordLength);
    for (size_t s = 0; s < sections.size(); ++s) {
        const Section& section = sections[s];
        if (s > 0 && sections[s - 1].number == section.number)
            throw std::runtime_error("section " + std::to_string(section.number) + " given twice");
        const int lines = section.lines.empty() ? 0 : section.lines.rbegin()->first;
        putWord(trailer, 16 + 4 * s, section.number);
        putWord(trailer, 2016 + 4 * s, static_cast<uint32_t>(lines * kVariants));
        putWord(trailer, 4016 + 4 * s, static_cast<uint32_t>(records.size()));
        for (int line = 1; line <= lines; ++line) {
            auto found = section.lines.find(line);
            for (int v = 0; v < kVariants; ++v) {
                const std::string where =
                    "section " + std::to_string(section.number) + " line " + std::to_string(line);
                std::string text = found == section.lines.end()
                                       ? std::string()
                                       : utf8ToCp1252(found->second[size_t(v)], where);
                if (text.size() > size_t(kRecordLength))
                    throw std::runtime_error(where + ": longer than 255 bytes");
                text.resize(kRecordLength, '\0');
                records += text;
            }
        }
    }
    return records + trailer;
}

} // namespace mkcatalogue
