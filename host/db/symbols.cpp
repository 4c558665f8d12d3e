#include "host/db/symbols.h"

#include "host/base/text.h"

namespace vma::host {

const LispValue* SymbolStore::find(std::wstring_view name) const {
    auto it = values_.find(upperName(name));
    return it == values_.end() ? nullptr : &it->second;
}

void SymbolStore::set(std::wstring_view name, LispValue value) {
    std::wstring key = upperName(name);
    ++generation_;
    if (value.empty()) {
        values_.erase(key);
        return;
    }
    values_.insert_or_assign(std::move(key), std::move(value));
}

} // namespace vma::host
