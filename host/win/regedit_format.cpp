#include "host/base/text.h"
#include "host/win/regedit_file.h"

#include <cstdio>
#include <cstring>

namespace vma::win {
namespace {

constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;
constexpr size_t kHexLineWidth = 76;

std::string quote(std::wstring_view text) {
    std::string out = "\"";
    for (char c : wideToUtf8(text)) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + '"';
}

// A string regedit can write between quotes: no NUL inside, no line breaks.
bool plainString(std::wstring_view text) {
    for (wchar_t c : text)
        if (c < L' ')
            return false;
    return true;
}

std::string hexList(std::string head, const std::vector<uint8_t>& bytes) {
    std::string out = head;
    size_t width = head.size();
    for (size_t i = 0; i < bytes.size(); ++i) {
        char item[4];
        std::snprintf(item, sizeof item, "%02x", bytes[i]);
        out += item;
        width += 2;
        if (i + 1 == bytes.size())
            break;
        out += ',';
        ++width;
        if (width >= kHexLineWidth) {
            out += "\\\r\n  ";
            width = 2;
        }
    }
    return out;
}

// Bytes as the file keeps them: string types as UTF-8.
std::vector<uint8_t> fileBytes(const RegValue& value) {
    if (!isStringType(value.type))
        return value.data;
    std::wstring wide(value.data.size() / sizeof(wchar_t), L'\0');
    std::memcpy(wide.data(), value.data.data(), wide.size() * sizeof(wchar_t));
    std::string narrow = wideToUtf8(wide);
    return {narrow.begin(), narrow.end()};
}

std::string valueText(const RegValue& value) {
    if (value.type == kRegSz && plainString(dataString(value.data)))
        return quote(dataString(value.data));
    if (value.type == kRegDword && value.data.size() == 4) {
        uint32_t number = 0;
        std::memcpy(&number, value.data.data(), 4);
        char text[20];
        std::snprintf(text, sizeof text, "dword:%08x", number);
        return text;
    }
    if (value.type == kRegBinary)
        return hexList("hex:", value.data);
    char head[20];
    std::snprintf(head, sizeof head, "hex(%x):", value.type);
    return hexList(head, fileBytes(value));
}

void formatKey(const RegKey& key, std::string& out) {
    bool isRoot = key.parent == nullptr;
    if (!isRoot || !key.values.empty()) {
        out += "[" + wideToUtf8(key.fullName()) + "]\r\n";
        for (const RegValue& value : key.values) {
            std::string name = value.name.empty() ? "@" : quote(value.name);
            out += name + "=" + valueText(value) + "\r\n";
        }
        out += "\r\n";
    }
    for (const auto& [name, subkey] : key.subkeys)
        formatKey(*subkey, out);
}

} // namespace

std::string formatRegedit(const RegTree& tree) {
    std::string out = "REGEDIT4\r\n\r\n";
    formatKey(*tree.currentUser, out);
    formatKey(*tree.localMachine, out);
    return out;
}

} // namespace vma::win
