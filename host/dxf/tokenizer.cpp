#include "host/dxf/tokenizer.h"

#include <charconv>

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

// Writers pad codes to three columns ("  0", " 10", "330"): blanks, then up to
// four digits and the line end take nearly every code line of a file.
bool parseCode(std::string_view line, int& code) {
    const char* p = line.data();
    const char* end = p + line.size();
    while (p < end && *p == ' ')
        ++p;
    if (p == end || end - p > 4)
        return parseCodeSlow(line, code);
    int value = 0;
    for (; p < end; ++p) {
        if (!isDigit(*p))
            return parseCodeSlow(line, code);
        value = value * 10 + (*p - '0');
    }
    code = value;
    return true;
}

} // namespace

std::string_view Tokenizer::readLine() {
    ++line_;
    // DXF lines are a few bytes long: a plain scan beats a memchr call per line.
    const char* start = pos_;
    const char* stop = pos_;
    while (stop < end_ && *stop != '\n')
        ++stop;
    pos_ = stop < end_ ? stop + 1 : end_;
    if (stop > start && stop[-1] == '\r')
        --stop;
    return {start, static_cast<size_t>(stop - start)};
}

Tokenizer::Status Tokenizer::readGroup(Token& token) {
    if (pos_ >= end_)
        return Status::End;
    std::string_view codeLine = readLine();
    token.line = line_;
    if (!parseCode(codeLine, token.code)) {
        token.value = codeLine;
        return Status::BadCode;
    }
    if (pos_ >= end_) {
        token.value = {};
        return Status::Truncated;
    }
    token.value = readLine();
    return Status::Ok;
}

Tokenizer::Status Tokenizer::next(Token& token) {
    if (hasPending_) {
        hasPending_ = false;
        token = pending_;
        return Status::Ok;
    }
    for (;;) {
        Status status = readGroup(token);
        if (status != Status::Ok || token.code != kComment)
            return status;
    }
}

} // namespace vma::dxf
