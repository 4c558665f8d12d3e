#include "host/win/registry_tree.h"

#include "host/base/text.h"

#include <cstring>

namespace vma::win {
namespace {

constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegMultiSz = 7;

// The first component of a '\'-separated path and the rest after it.
std::pair<std::wstring_view, std::wstring_view> firstComponent(std::wstring_view path) {
    size_t slash = path.find(L'\\');
    if (slash == std::wstring_view::npos)
        return {path, {}};
    return {path.substr(0, slash), path.substr(slash + 1)};
}

std::shared_ptr<RegKey> makeRoot(const wchar_t* name) {
    auto key = std::make_shared<RegKey>();
    key->name = name;
    return key;
}

} // namespace

bool NoCaseLess::operator()(const std::wstring& a, const std::wstring& b) const {
    return upperName(std::wstring_view(a)) < upperName(std::wstring_view(b));
}

RegValue* RegKey::findValue(std::wstring_view valueName) {
    std::wstring wanted = upperName(valueName);
    for (RegValue& value : values)
        if (upperName(std::wstring_view(value.name)) == wanted)
            return &value;
    return nullptr;
}

RegKey* RegKey::find(std::wstring_view path) {
    RegKey* key = this;
    while (!path.empty()) {
        auto [head, rest] = firstComponent(path);
        path = rest;
        if (head.empty())
            continue;
        auto it = key->subkeys.find(std::wstring(head));
        if (it == key->subkeys.end())
            return nullptr;
        key = it->second.get();
    }
    return key;
}

RegKey* RegKey::create(std::wstring_view path, bool& created) {
    created = false;
    RegKey* key = this;
    while (!path.empty()) {
        auto [head, rest] = firstComponent(path);
        path = rest;
        if (head.empty())
            continue;
        auto& slot = key->subkeys[std::wstring(head)];
        if (!slot) {
            slot = std::make_shared<RegKey>();
            slot->name = head;
            slot->parent = key;
            created = true;
        }
        key = slot.get();
    }
    return key;
}

std::wstring RegKey::fullName() const {
    if (parent == nullptr)
        return name;
    return parent->fullName() + L"\\" + name;
}

RegTree::RegTree()
    : currentUser(makeRoot(L"HKEY_CURRENT_USER")), localMachine(makeRoot(L"HKEY_LOCAL_MACHINE")) {}

RegKey* RegTree::root(std::wstring_view name) const {
    std::wstring upper = upperName(name);
    if (upper == L"HKEY_CURRENT_USER" || upper == L"HKCU")
        return currentUser.get();
    if (upper == L"HKEY_LOCAL_MACHINE" || upper == L"HKLM")
        return localMachine.get();
    return nullptr;
}

std::vector<uint8_t> stringData(std::wstring_view text) {
    std::vector<uint8_t> data((text.size() + 1) * sizeof(wchar_t), 0);
    std::memcpy(data.data(), text.data(), text.size() * sizeof(wchar_t));
    return data;
}

std::wstring dataString(const std::vector<uint8_t>& data) {
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
    if (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return text;
}

bool isStringType(uint32_t type) {
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

} // namespace vma::win
