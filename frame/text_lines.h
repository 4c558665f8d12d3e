// Small text files the frame reads and rewrites whole (the start-up list, the
// configuration files): their lines as bytes, and putting a new version in
// place through a temporary file beside it.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct TextLines {
    std::vector<std::string> lines; // without their line ends
    bool crlf = true;               // the first line ends in CR LF (or there is no line end)
};

// The file's lines; nullopt when it cannot be opened.
std::optional<TextLines> vma_read_lines(const std::wstring& path);

// Writes the lines, each ended as text.crlf says, to path + ".$$$" and moves
// that over path in one step; true when done. On failure the old file is
// untouched and the temporary file removed.
bool vma_replace_lines(const std::wstring& path, const TextLines& text);
