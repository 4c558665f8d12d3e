#include "toolkit/dv_text_file.h"

#include "windows.h"

#include <memory>
#include <string>

namespace {

std::string toUtf8(std::wstring_view text) {
    std::string out;
    for (wchar_t wc : text) {
        auto c = static_cast<uint32_t>(wc);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

struct Closer {
    void operator()(FILE* f) const { std::fclose(f); }
};

} // namespace

bool dv_append_text(const wchar_t* path, std::wstring_view text) {
    std::unique_ptr<FILE, Closer> file(_wfopen(path, L"ab"));
    if (!file)
        return false;
    const std::string bytes = toUtf8(text);
    return std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}
