#include "host/base/text.h"
#include "host/win/regedit_file.h"

#include <charconv>
#include <cstring>
#include <vector>

namespace vma::win {
namespace {

constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;

struct Line {
    long number;
    std::string text;
};

std::string_view trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// Lines without their ends, a hex list continued with a trailing '\' joined
// to the lines after it.
std::vector<Line> logicalLines(std::string_view text) {
    std::vector<Line> lines;
    long number = 0;
    bool continues = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = trim(text.substr(start, end - start));
        start = end + 1;
        ++number;
        bool more = !line.empty() && line.back() == '\\';
        if (more)
            line.remove_suffix(1);
        if (continues)
            lines.back().text += line;
        else
            lines.push_back({number, std::string(line)});
        continues = more;
    }
    return lines;
}

// A quoted string at the front of text, with \\ and \" escapes; the text
// after it is left in text.
ErrorOr<std::string> quoted(std::string_view& text, long line) {
    if (text.empty() || text.front() != '"')
        return Error::at(line, "a quoted name or value was expected");
    std::string out;
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return out;
        }
        if (c == '\\' && i + 1 < text.size())
            c = text[++i];
        out += c;
    }
    return Error::at(line, "a quoted string has no closing quote");
}

ErrorOr<std::vector<uint8_t>> hexBytes(std::string_view text, long line) {
    std::vector<uint8_t> bytes;
    text = trim(text);
    while (!text.empty()) {
        size_t comma = text.find(',');
        std::string_view item = trim(text.substr(0, comma));
        unsigned value = 0;
        auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), value, 16);
        if (ec != std::errc() || end != item.data() + item.size() || value > 0xff || item.empty())
            return Error::at(line, "a hex byte list is malformed");
        bytes.push_back(static_cast<uint8_t>(value));
        if (comma == std::string_view::npos)
            break;
        text = text.substr(comma + 1);
    }
    return bytes;
}

// Bytes of a string type as the file has them (UTF-8) to wchar_t units.
std::vector<uint8_t> widenStringBytes(const std::vector<uint8_t>& bytes) {
    std::string narrow(bytes.begin(), bytes.end());
    std::wstring wide = utf8ToWide(narrow);
    if (wide.empty() || wide.back() != L'\0')
        wide.push_back(L'\0');
    std::vector<uint8_t> data(wide.size() * sizeof(wchar_t));
    std::memcpy(data.data(), wide.data(), data.size());
    return data;
}

ErrorOr<RegValue> valueData(std::string_view text, long line) {
    RegValue value;
    if (!text.empty() && text.front() == '"') {
        VMA_TRY_ASSIGN(std::string str, quoted(text, line));
        if (!trim(text).empty())
            return Error::at(line, "text follows a string value");
        value.type = kRegSz;
        value.data = stringData(utf8ToWide(str));
        return value;
    }
    if (text.starts_with("dword:")) {
        std::string_view digits = text.substr(6);
        uint32_t number = 0;
        auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number, 16);
        if (ec != std::errc() || end != digits.data() + digits.size() || digits.size() != 8)
            return Error::at(line, "a dword value needs eight hex digits");
        value.type = kRegDword;
        value.data.resize(4);
        std::memcpy(value.data.data(), &number, 4);
        return value;
    }
    if (text.starts_with("hex:")) {
        value.type = kRegBinary;
        VMA_TRY_ASSIGN(value.data, hexBytes(text.substr(4), line));
        return value;
    }
    if (text.starts_with("hex(")) {
        size_t close = text.find("):");
        if (close == std::string_view::npos)
            return Error::at(line, "a hex(type) value is malformed");
        unsigned type = 0;
        auto [end, ec] = std::from_chars(text.data() + 4, text.data() + close, type, 16);
        if (ec != std::errc() || end != text.data() + close)
            return Error::at(line, "a hex(type) value is malformed");
        value.type = type;
        VMA_TRY_ASSIGN(value.data, hexBytes(text.substr(close + 2), line));
        if (isStringType(type))
            value.data = widenStringBytes(value.data);
        return value;
    }
    return Error::at(line, "a value must be a string, dword:, hex: or hex(type):");
}

class Parser {
public:
    ErrorOr<RegTree> run(std::string_view text) {
        if (text.starts_with("\xEF\xBB\xBF"))
            text.remove_prefix(3);
        std::vector<Line> lines = logicalLines(text);
        size_t i = 0;
        while (i < lines.size() && lines[i].text.empty())
            ++i;
        if (i == lines.size() || lines[i].text != "REGEDIT4")
            return Error::at(i < lines.size() ? lines[i].number : 1,
                             "the file does not start with REGEDIT4");
        for (++i; i < lines.size(); ++i)
            VMA_TRY(line(lines[i]));
        return std::move(tree_);
    }

private:
    ErrorOr<void> line(const Line& line) {
        std::string_view text = line.text;
        if (text.empty() || text.front() == ';')
            return {};
        if (text.front() == '[')
            return keyLine(text, line.number);
        return valueLine(text, line.number);
    }

    ErrorOr<void> keyLine(std::string_view text, long number) {
        if (text.back() != ']')
            return Error::at(number, "a key line does not end with ]");
        text = text.substr(1, text.size() - 2);
        bool remove = !text.empty() && text.front() == '-';
        if (remove)
            text.remove_prefix(1);
        std::wstring name = utf8ToWide(text);
        size_t slash = name.find(L'\\');
        RegKey* root = tree_.root(std::wstring_view(name).substr(0, slash));
        if (root == nullptr)
            return Error::at(number, "a key is not under HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE");
        std::wstring_view path = slash == std::wstring::npos
                                     ? std::wstring_view()
                                     : std::wstring_view(name).substr(slash + 1);
        if (remove) {
            removeKey(root, path);
            key_ = nullptr;
            return {};
        }
        bool created = false;
        key_ = root->create(path, created);
        return {};
    }

    static void removeKey(RegKey* root, std::wstring_view path) {
        RegKey* key = root->find(path);
        if (key == nullptr || key->parent == nullptr)
            return;
        key->parent->subkeys.erase(key->name);
    }

    ErrorOr<void> valueLine(std::string_view text, long number) {
        if (key_ == nullptr)
            return Error::at(number, "a value comes before any key");
        std::string name;
        if (text.front() == '@') {
            text.remove_prefix(1);
        } else {
            VMA_TRY_ASSIGN(name, quoted(text, number));
        }
        text = trim(text);
        if (text.empty() || text.front() != '=')
            return Error::at(number, "a value name is not followed by =");
        text = trim(text.substr(1));
        std::wstring wideName = utf8ToWide(name);
        auto& values = key_->values;
        std::erase_if(values,
                      [&](const RegValue& v) { return equalsNoCase(wideToUtf8(v.name), name); });
        if (text == "-")
            return {};
        VMA_TRY_ASSIGN(RegValue value, valueData(text, number));
        value.name = std::move(wideName);
        values.push_back(std::move(value));
        return {};
    }

    RegTree tree_;
    RegKey* key_ = nullptr;
};

} // namespace

ErrorOr<RegTree> parseRegedit(std::string_view text) {
    return Parser().run(text);
}

} // namespace vma::win
