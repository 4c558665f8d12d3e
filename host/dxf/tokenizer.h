// Splits ASCII DXF text into groups: a code line and a value line each. Works on
// the mapped file in place: values are views into it, never copies.
#pragma once

#include <string_view>

namespace vma::dxf {

// s without the blanks (spaces, tabs) around it: code lines and the values of
// names may be padded.
inline std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

struct Token {
    int code = 0;
    std::string_view value;      // the value line without its line end
    long line = 0;               // line of the group code
    const char* start = nullptr; // where the code line starts in the data
};

class Tokenizer {
public:
    enum class Status { Ok, End, BadCode, Truncated };

    explicit Tokenizer(std::string_view data)
        : pos_(data.data()), end_(data.data() + data.size()) {}

    // The next group, comments (999) skipped. BadCode: the code line is not a
    // number (token.line names it, token.value holds the line); Truncated: the
    // data ends after a code line.
    Status next(Token& token) {
        if (!hasPending_)
            return nextGroup(token);
        hasPending_ = false;
        token = pending_;
        return Status::Ok;
    }
    // Gives the token back: the next call of next() returns it again.
    void unget(const Token& token) {
        pending_ = token;
        hasPending_ = true;
    }
    long line() const { return line_; }
    const char* position() const { return pos_; }
    size_t remaining() const { return static_cast<size_t>(end_ - pos_); }
    // Renumbers the lines: one that counted from a later start gets the
    // numbers of the whole data.
    void shiftLines(long by) {
        line_ += by;
        pending_.line += by;
    }

private:
    Status nextGroup(Token& token);

    const char* pos_;
    const char* end_;
    long line_ = 0;
    Token pending_;
    bool hasPending_ = false;
};

} // namespace vma::dxf
