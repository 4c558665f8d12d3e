#include "host/dxf/tokenizer.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace vma::dxf {
namespace {

constexpr int kComment = 999;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool parseCodeSlow(std::string_view line, int& code) {
    std::string_view digits = trimmed(line);
    if (digits.empty())
        return false;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
    return ec == std::errc() && end == digits.data() + digits.size() && code >= -32768 &&
           code <= 32767;
}

// The end of the line that starts at p: a word of eight bytes at a time, as
// value lines are mostly a few bytes long and a memchr call per line costs more.
const char* findLineEnd(const char* p, const char* end) {
    if constexpr (std::endian::native == std::endian::little) {
        constexpr uint64_t kOnes = 0x0101010101010101;
        constexpr uint64_t kHighBits = 0x8080808080808080;
        constexpr uint64_t kNewlines = kOnes * '\n';
        for (; end - p >= 8; p += 8) {
            uint64_t word = 0;
            std::memcpy(&word, p, sizeof word);
            uint64_t x = word ^ kNewlines;
            // High bit set in each byte that was '\n'; the lowest one is exact.
            uint64_t found = (x - kOnes) & ~x & kHighBits;
            if (found != 0)
                return p + std::countr_zero(found) / 8;
        }
    }
    while (p < end && *p != '\n')
        ++p;
    return p;
}

// A line in place, without its line end; p moves past it.
std::string_view takeLine(const char*& p, const char* end) {
    const char* start = p;
    const char* stop = findLineEnd(start, end);
    p = stop < end ? stop + 1 : end;
    if (stop > start && stop[-1] == '\r')
        --stop;
    return {start, static_cast<size_t>(stop - start)};
}

// Room for the longest short code line: three blanks, four digits, CR LF.
constexpr long kShortCodeRoom = 9;

// Writers pad codes to three columns ("  0", " 10", "330"): up to three blanks,
// up to four digits and the line end take nearly every code line of a file,
// read here in one pass; anything else goes through the general line parser.
bool takeShortCode(const char*& pos, const char* end, int& code) {
    const char* p = pos;
    if (end - p < kShortCodeRoom)
        return false;
    const char* digits = p;
    while (digits - p < 3 && *digits == ' ')
        ++digits;
    const char* q = digits;
    int value = 0;
    for (; q - digits < 4 && isDigit(*q); ++q)
        value = value * 10 + (*q - '0');
    if (q == digits)
        return false;
    q += *q == '\r' ? 1 : 0;
    if (*q != '\n')
        return false;
    code = value;
    pos = q + 1;
    return true;
}

} // namespace

Tokenizer::Status Tokenizer::nextGroup(Token& token) {
    for (;;) {
        if (pos_ >= end_)
            return Status::End;
        ++line_;
        token.line = line_;
        if (!takeShortCode(pos_, end_, token.code)) {
            std::string_view codeLine = takeLine(pos_, end_);
            if (!parseCodeSlow(codeLine, token.code)) {
                token.value = codeLine;
                return Status::BadCode;
            }
        }
        if (pos_ >= end_) {
            token.value = {};
            return Status::Truncated;
        }
        ++line_;
        token.value = takeLine(pos_, end_);
        if (token.code != kComment)
            return Status::Ok;
    }
}

} // namespace vma::dxf
