// Argument checking and result helpers shared by the settings store's
// AutoLISP functions. A function names its signature: how many leading
// arguments must be strings, how many are required in all, its syntax line
// and the complaint for a wrong argument. A function without a syntax line
// fails silently with nil.
#pragma once

#include "adsdef.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Lines of catalogue section 100 with the complaints.
constexpr int kIniLispWrongType = 44;
constexpr int kIniLispNoArguments = 45;
constexpr int kIniLispWrongArguments = 46;

struct IniLispSignature {
    size_t strings;        // leading arguments that must be strings
    size_t required;       // arguments that must be present, the strings included
    const wchar_t* syntax; // printed after a complaint; null: complaints are silent
    int complaint;         // kIniLispWrongType or kIniLispWrongArguments
};

// The running function's arguments, owned, in the order of the result-buffer
// chain (a list argument spans several buffers from its RTLB on).
class IniLispArgs {
public:
    IniLispArgs();
    bool empty() const { return items_.empty(); }
    // The buffer at index, or null past the end.
    const resbuf* at(size_t index) const;
    // The string at index; empty when it is no string.
    std::wstring text(size_t index) const;

private:
    struct Release {
        void operator()(resbuf* rb) const;
    };
    std::unique_ptr<resbuf, Release> head_;
    std::vector<const resbuf*> items_;
};

// The arguments when they fit the signature. Otherwise the complaint and the
// syntax line are printed (when the signature has a syntax line) and nothing
// is returned. The complaint texts are read from the catalogue on the first
// call and kept.
std::optional<IniLispArgs> ini_lisp_args(const IniLispSignature& signature);
// Prints the signature's syntax line, if any.
void ini_lisp_print_syntax(const IniLispSignature& signature);
// Prints one of the complaint lines and the syntax line.
void ini_lisp_complain(const IniLispSignature& signature, int line);

bool ini_lisp_is_integer(const resbuf* rb);
int ini_lisp_integer(const resbuf* rb);

// Result setters; each returns RSRSLT for the function to return.
int ini_lisp_nil();
int ini_lisp_t();
int ini_lisp_bool(bool value);
int ini_lisp_string(const std::wstring& text);
// A list of the strings; nil when there are none.
int ini_lisp_strings(const std::vector<std::wstring>& texts);
// A list of dotted pairs (name . value); nil when there are none.
int ini_lisp_pairs(const std::vector<std::wstring>& names, const std::vector<std::wstring>& values);
// A list of the two reals x and y.
int ini_lisp_xy(double x, double y);
