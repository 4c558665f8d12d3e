#include "frame/acad_rx.h"

#include "acedads.h"
#include "adscodes.h"
#include "frame/config.h"
#include "toolkit/dv_text_lines.h"
#include "windows.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <utility>

namespace {

// The list is ANSI text; its lines are compared and written back as bytes.
std::string trimmed(const std::string& line) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    auto first = std::find_if_not(line.begin(), line.end(), blank);
    auto last = std::find_if_not(line.rbegin(), line.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string upperFileName(const std::string& line) {
    std::string name = line.substr(line.find_last_of("\\/:") + 1);
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

// The index of the last load line naming the module, or -1.
int lastLineNaming(const TextLines& list, const std::string& module) {
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

} // namespace

int dv_exchange_load_lines(const wchar_t* path) {
    if (path == nullptr)
        return -1;
    std::optional<TextLines> list = dv_read_lines(path);
    if (!list)
        return -1;
    for (std::string& line : list->lines)
        line = trimmed(line);
    int sibling = lastLineNaming(*list, "RIVIRIVU.ARX");
    int own = lastLineNaming(*list, "VMAAPPS.ARX");
    if (sibling < 0 || own < 0)
        return 1;
    std::swap(list->lines[static_cast<size_t>(sibling)], list->lines[static_cast<size_t>(own)]);
    return dv_replace_lines(path, *list) ? 0 : -1;
}

int dv_repair_acad_rx() {
    if (vma_config_correct_load_sequence() != 1)
        return 1;
    wchar_t path[MAX_PATH] = {};
    if (acedFindFile(L"acad.rx", path, MAX_PATH) != RTNORM)
        return 1;
    return dv_exchange_load_lines(path);
}
