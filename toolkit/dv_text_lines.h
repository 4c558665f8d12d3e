// Small text files the module reads and rewrites whole (the start-up list, the
// settings files): their lines as bytes, and putting a new version in
// place through a temporary file beside it.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct TextLines {
    std::vector<std::string> lines; // without their line ends
    bool crlf = true;               // the first line ends in CR LF (or there is no line end)
};

// The file's bytes; nullopt when it cannot be opened or read.
std::optional<std::string> dv_read_file(const std::wstring& path);
// The file's lines; nullopt when it cannot be opened or read.
std::optional<TextLines> dv_read_lines(const std::wstring& path);

// Writes the lines, each ended as text.crlf says, to path + ".$$$" and moves
// that over path in one step; true when done. On failure the old file is
// untouched and the temporary file removed.
bool dv_replace_lines(const std::wstring& path, const TextLines& text);
