#include "frame/acad_rx.h"

#include "acedads.h"
#include "adscodes.h"
#include "frame/config.h"
#include "windows.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

File openFile(const std::wstring& path, const wchar_t* mode) {
    return File(_wfopen(path.c_str(), mode), &std::fclose);
}

// The file's lines, trimmed, as bytes (the list is ANSI text and is written
// back byte for byte), and the line end the file uses.
struct LoadList {
    std::vector<std::string> lines;
    std::string lineEnd = "\r\n";
};

std::string trimmed(const std::string& line) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    auto first = std::find_if_not(line.begin(), line.end(), blank);
    auto last = std::find_if_not(line.rbegin(), line.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

std::optional<LoadList> readList(const std::wstring& path) {
    File file = openFile(path, L"rb");
    if (!file)
        return std::nullopt;
    LoadList list;
    std::string text;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        text.append(buffer, n);
    size_t firstEnd = text.find('\n');
    if (firstEnd != std::string::npos && (firstEnd == 0 || text[firstEnd - 1] != '\r'))
        list.lineEnd = "\n";
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        list.lines.push_back(trimmed(line));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return list;
}

std::string upperFileName(const std::string& line) {
    std::string name = line.substr(line.find_last_of("\\/:") + 1);
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

// The index of the last load line naming the module, or -1.
int lastLineNaming(const LoadList& list, const std::string& module) {
    int found = -1;
    for (size_t i = 0; i < list.lines.size(); ++i) {
        const std::string& line = list.lines[i];
        if (line.empty() || line.front() == ';')
            continue;
        if (upperFileName(line) == module)
            found = static_cast<int>(i);
    }
    return found;
}

bool writeList(const std::wstring& path, const LoadList& list) {
    File file = openFile(path, L"wb");
    if (!file)
        return false;
    for (const std::string& line : list.lines) {
        std::string out = line + list.lineEnd;
        if (std::fwrite(out.data(), 1, out.size(), file.get()) != out.size())
            return false;
    }
    return std::fflush(file.get()) == 0;
}

bool replaceFile(const std::wstring& path, const LoadList& list) {
    std::wstring temporary = path + L".$$$";
    if (!writeList(temporary, list) ||
        !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        _wremove(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace

int dv_exchange_load_lines(const wchar_t* path) {
    if (path == nullptr)
        return -1;
    std::optional<LoadList> list = readList(path);
    if (!list)
        return -1;
    int sibling = lastLineNaming(*list, "RIVIRIVU.ARX");
    int own = lastLineNaming(*list, "VMAAPPS.ARX");
    if (sibling < 0 || own < 0)
        return 1;
    std::swap(list->lines[sibling], list->lines[own]);
    return replaceFile(path, *list) ? 0 : -1;
}

int dv_repair_acad_rx() {
    if (vma_config_correct_load_sequence() != 1)
        return 1;
    wchar_t path[MAX_PATH] = {};
    if (acedFindFile(L"acad.rx", path, MAX_PATH) != RTNORM)
        return 1;
    return dv_exchange_load_lines(path);
}
