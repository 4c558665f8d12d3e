#include "host/sysvar/table.h"

namespace vma::host {

const SysvarValue* SysvarTable::find(std::string_view upperName) const {
    auto it = values_.find(upperName);
    return it == values_.end() ? nullptr : &it->second;
}

void SysvarTable::store(std::string_view upperName, SysvarValue value) {
    values_.insert_or_assign(std::string(upperName), std::move(value));
}

} // namespace vma::host
