#include "catalogue_source.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace mkcatalogue {

namespace {

[[noreturn]] void fail(const std::string& where, const std::string& what) {
    throw std::runtime_error(where + ": " + what);
}

void skipBlanks(const std::string& text, size_t& pos) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\r'))
        ++pos;
}

char unescape(char c, const std::string& where) {
    switch (c) {
    case 'n':
        return '\n';
    case 't':
        return '\t';
    case '"':
    case '\\':
        return c;
    default:
        fail(where, std::string("unknown escape \\") + c);
    }
}

std::string quoted(const std::string& text, size_t& pos, const std::string& where) {
    ++pos;
    std::string out;
    while (pos < text.size() && text[pos] != '"') {
        if (text[pos] == '\\') {
            if (++pos >= text.size())
                fail(where, "escape at the end of the line");
            out += unescape(text[pos++], where);
            continue;
        }
        out += text[pos++];
    }
    if (pos >= text.size())
        fail(where, "text without its closing quote");
    ++pos;
    return out;
}

std::vector<std::string> texts(const std::string& text, size_t pos, const std::string& where) {
    std::vector<std::string> out;
    for (skipBlanks(text, pos); pos < text.size(); skipBlanks(text, pos)) {
        if (text[pos] != '"')
            fail(where, "a text must be in double quotes");
        out.push_back(quoted(text, pos, where));
    }
    if (out.empty())
        fail(where, "a line number without text");
    if (out.size() > kVariants)
        fail(where, "more than three variants");
    out.resize(kVariants, out.front());
    return out;
}

bool isBlankOrComment(const std::string& line) {
    size_t pos = 0;
    skipBlanks(line, pos);
    return pos >= line.size() || line[pos] == '#';
}

} // namespace

Section parseSection(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error(path + ": cannot be read");
    Section section;
    bool haveHeader = false;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string where = path + ":" + std::to_string(number);
        if (isBlankOrComment(line))
            continue;
        std::istringstream words(line);
        if (line.rfind("section", 0) == 0) {
            std::string keyword;
            if (haveHeader || !(words >> keyword >> section.number))
                fail(where, "expected one \"section N\" line");
            haveHeader = true;
            continue;
        }
        int lineNumber = 0;
        if (!haveHeader)
            fail(where, "entries before the \"section N\" line");
        if (!(words >> lineNumber) || lineNumber < 1)
            fail(where, "expected a line number from 1");
        if (section.lines.count(lineNumber))
            fail(where, "line " + std::to_string(lineNumber) + " given twice");
        const auto at = static_cast<size_t>(words.tellg());
        section.lines[lineNumber] = texts(line, at, where);
    }
    if (!haveHeader)
        throw std::runtime_error(path + ": no \"section N\" line");
    return section;
}

} // namespace mkcatalogue
