#include "toolkit/dv_text_lines.h"

#include "windows.h"

#include <cstdio>
#include <memory>

namespace {

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

// Nullopt when reading fails (a folder opened as a file fails here).
std::optional<std::string> readAll(FILE* file) {
    std::string text;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    if (std::ferror(file))
        return std::nullopt;
    return text;
}

bool endsInCrLf(const std::string& text) {
    size_t end = text.find('\n');
    return end == std::string::npos || (end > 0 && text[end - 1] == '\r');
}

bool writeBytes(FILE* file, const char* bytes, size_t size) {
    return std::fwrite(bytes, 1, size, file) == size;
}

bool writeLines(const std::wstring& path, const TextLines& text) {
    File file(_wfopen(path.c_str(), L"wb"), &std::fclose);
    if (!file)
        return false;
    const char* end = text.crlf ? "\r\n" : "\n";
    size_t endSize = text.crlf ? 2 : 1;
    for (const std::string& line : text.lines)
        if (!writeBytes(file.get(), line.data(), line.size()) ||
            !writeBytes(file.get(), end, endSize))
            return false;
    // A full disk may only show when the last buffer goes out at close.
    return std::fclose(file.release()) == 0;
}

} // namespace

std::optional<std::string> dv_read_file(const std::wstring& path) {
    File file(_wfopen(path.c_str(), L"rb"), &std::fclose);
    if (!file)
        return std::nullopt;
    return readAll(file.get());
}

std::optional<TextLines> dv_read_lines(const std::wstring& path) {
    std::optional<std::string> bytes = dv_read_file(path);
    if (!bytes)
        return std::nullopt;
    const std::string& all = *bytes;
    TextLines text;
    text.crlf = endsInCrLf(all);
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        size_t stop = end == std::string::npos ? all.size() : end;
        if (stop > start && all[stop - 1] == '\r')
            --stop;
        text.lines.emplace_back(all.data() + start, stop - start);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return text;
}

bool dv_replace_lines(const std::wstring& path, const TextLines& text) {
    std::wstring temporary = path + L".$$$";
    if (writeLines(temporary, text) &&
        MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    _wremove(temporary.c_str());
    return false;
}
