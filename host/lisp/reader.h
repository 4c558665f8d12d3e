// The AutoLISP reader: text to values, one expression at a time.
#pragma once

#include "host/lisp/value.h"

#include <optional>
#include <string_view>

namespace vma::lisp {

class Reader {
public:
    explicit Reader(std::wstring_view text) : text_(text) {}

    // The next expression; nullopt at the end of the text. Errors carry the
    // message the CAD program prints ("malformed list on input", ...).
    ErrorOr<std::optional<Value>> next();

private:
    ErrorOr<Value> read(int depth);
    ErrorOr<Value> readList(int depth);
    ErrorOr<Value> readString();
    ErrorOr<Value> readAtom();
    void skipBlank();
    bool atEnd() const { return pos_ >= text_.size(); }

    std::wstring_view text_;
    size_t pos_ = 0;
};

// Every expression of a text.
ErrorOr<std::vector<Value>> readAll(std::wstring_view text);

// A number or symbol from the text of one atom, as the reader makes it.
Value parseAtom(std::wstring_view token);

} // namespace vma::lisp
