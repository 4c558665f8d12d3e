// The AutoLISP symbols of one document (acedGetSym/acedPutSym). A value is
// kept as the flat run of atoms ADS passes it in, list brackets (RTLB, RTLE,
// RTDOTE) included, so it comes back exactly as it was given.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vma::host {

struct LispAtom {
    short type = 0;                  // RT* code
    std::array<double, 3> real{};    // RTREAL, RTANG, RTORINT, RTPOINT, RT3DPOINT
    std::array<int64_t, 2> number{}; // RTSHORT, RTLONG, RTENAME, RTPICKS
    std::wstring text;               // RTSTR

    friend bool operator==(const LispAtom&, const LispAtom&) = default;
};
using LispValue = std::vector<LispAtom>;

class SymbolStore {
public:
    // The value bound to a name (any case); nullptr when the symbol is nil.
    const LispValue* find(std::wstring_view name) const;
    // Binds a name; an empty value makes the symbol nil.
    void set(std::wstring_view name, LispValue value);
    size_t size() const { return values_.size(); }
    // Counts the changes, so a reader can keep converted values until the next one.
    uint64_t generation() const { return generation_; }

private:
    std::map<std::wstring, LispValue, std::less<>> values_;
    uint64_t generation_ = 0;
};

} // namespace vma::host
