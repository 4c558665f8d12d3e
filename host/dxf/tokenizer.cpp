#include "host/dxf/tokenizer.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace vma::dxf {
namespace {

constexpr int kComment = 999;

bool parseCode(std::string_view line, int& code) {
    std::string_view digits = trimBlanks(line);
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

// The digit of c, or 10 and more when c is none.
unsigned digitOf(char c) {
    return static_cast<unsigned>(c) - '0';
}

// Writers pad codes to three columns ("  0", " 10", "330") and end lines with
// CR LF or LF: such a code line is read here in a few steps. Needs five bytes.
bool takeColumnCode(const char*& pos, int& code) {
    const char* p = pos;
    size_t ending = p[3] == '\n' ? 1 : (p[3] == '\r' && p[4] == '\n' ? 2 : 0);
    unsigned a = digitOf(p[0]), b = digitOf(p[1]), c = digitOf(p[2]);
    if (ending == 0 || c > 9)
        return false;
    if (b > 9) {
        if (p[0] != ' ' || p[1] != ' ')
            return false;
        code = static_cast<int>(c);
    } else if (a > 9) {
        if (p[0] != ' ')
            return false;
        code = static_cast<int>(b * 10 + c);
    } else {
        code = static_cast<int>(a * 100 + b * 10 + c);
    }
    pos = p + 3 + ending;
    return true;
}

// Any other code line: the general parser on the whole line.
bool takeGeneralCode(const char*& pos, const char* end, Token& token) {
    std::string_view line = takeLine(pos, end);
    if (parseCode(line, token.code))
        return true;
    token.value = line;
    return false;
}

} // namespace

Tokenizer::Status Tokenizer::nextGroup(Token& token) {
    for (;;) {
        if (pos_ >= end_)
            return Status::End;
        token.start = pos_;
        token.line = ++line_;
        bool read = end_ - pos_ >= 5 && takeColumnCode(pos_, token.code);
        if (!read && !takeGeneralCode(pos_, end_, token))
            return Status::BadCode;
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
