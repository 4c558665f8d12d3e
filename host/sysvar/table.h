// The values of the system variables kept in the session (registry and
// not-saved variables). Drawing variables live in each document's database;
// a variable never set here has its initial value.
#pragma once

#include "host/sysvar/value.h"

#include <map>
#include <string>
#include <string_view>

namespace vma::host {

class SysvarTable {
public:
    // The stored value for an upper-case name, or nullptr when it was never set.
    const SysvarValue* find(std::string_view upperName) const;
    void store(std::string_view upperName, SysvarValue value);

private:
    std::map<std::string, SysvarValue, std::less<>> values_;
};

} // namespace vma::host
