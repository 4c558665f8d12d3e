#include "host/dxf/reader.h"

#include "host/dxf/mapped_file.h"
#include "host/dxf/second_half.h"

namespace vma::dxf {
namespace {

constexpr size_t kMaxWarnings = 100;
constexpr int kMarkerCode = 100;
constexpr int kFirstXdataCode = 1000;
constexpr std::string_view kBinarySentinel = "AutoCAD Binary DXF";

bool isBlankData(std::string_view data) {
    return data.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Sections whose content the host does not keep and that are no damage.
bool isKnownSkippedSection(std::string_view name) {
    return name == "THUMBNAILIMAGE" || name == "ACDSDATA";
}

// Some programs start UTF-8 files with a byte order mark; it is no group code.
std::string_view withoutByteOrderMark(std::string_view data) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    return data.starts_with(kMark) ? data.substr(kMark.size()) : data;
}

} // namespace

std::string_view trimmedValue(const Token& token) {
    return trimBlanks(token.value);
}

bool isWord(const Token& token, std::string_view word) {
    return trimmedValue(token) == word;
}

void dropMarkers(db::GroupList& groups) {
    for (size_t i = groups.size(); i-- > 0;)
        if (groups[i].code == 100)
            groups.erase(i);
}

Reader::Reader(std::string_view data, const ReadOptions& options)
    : data_(withoutByteOrderMark(data)), tokens_(data_), db_(db::Database::createEmpty()),
      options_(options) {
    // Untouched reserved pages cost no memory; a generous guess saves the copies of growing.
    db_->reserveEntities(data.size() / kBytesPerEntity + 16);
    entityHandles_.reserve(data.size() / kBytesPerEntity + 16);
    arena_ = &db_->newArena();
}

Reader::~Reader() = default;

void Reader::warn(long line, std::string message) {
    if (warnings_.size() < kMaxWarnings) {
        warnings_.push_back(Warning{line, std::move(message)});
        return;
    }
    ++suppressed_;
}

bool Reader::stopAt(Tokenizer::Status status, const Token& token) {
    switch (status) {
    case Tokenizer::Status::Ok:
    case Tokenizer::Status::End:
        return false;
    case Tokenizer::Status::Truncated:
        if (!warnedTruncation_)
            warn(token.line, "the file ends after a group code, without its value");
        warnedTruncation_ = true;
        return false;
    case Tokenizer::Status::BadCode:
        fatal_ = Error::at(token.line, "line " + std::to_string(token.line) +
                                           ": a group code was expected, found '" +
                                           std::string(token.value.substr(0, 40)) + "'");
        return false;
    }
    return false;
}

void Reader::addUnusualValue(db::GroupList& out, const Token& token) {
    if (db::kindOfCode(token.code) == db::GroupKind::Text) {
        decoded_.clear();
        if (!decodeText(token.value, encoding_, decoded_))
            warn(token.line + 1, "text of group " + std::to_string(token.code) +
                                     " is not UTF-8; read as Windows-1252");
        out.addText(token.code, decoded_);
        return;
    }
    warn(token.line + 1, "group " + std::to_string(token.code) + ": '" +
                             std::string(token.value.substr(0, 40)) +
                             "' is not a usable number; the group is left out");
}

bool Reader::readGroups(db::GroupList& out, Identity& id, int handleCode) {
    Token t;
    int depth = 0;
    bool ownerSeen = false;
    bool handleSeen = false;
    bool inXdata = false;
    while (next(t)) {
        if (t.code == 0) {
            tokens_.unget(t);
            return true;
        }
        if (t.code == handleCode && !handleSeen && depth == 0) {
            handleSeen = true;
            if (auto h = db::parseHandle(trimmedValue(t)))
                id.handle = *h;
            else
                warn(t.line + 1, "'" + std::string(t.value.substr(0, 20)) + "' is not a handle");
            continue;
        }
        if (t.code == 330 && !ownerSeen && depth == 0 && !id.hasMarkers) {
            ownerSeen = true;
            id.owner = db::parseHandle(trimmedValue(t)).value_or(0);
            continue;
        }
        if (t.code == 102 && !t.value.empty())
            depth = t.value[0] == '{' ? depth + 1
                                      : (t.value[0] == '}' && depth > 0 ? depth - 1 : depth);
        inXdata = inXdata || t.code >= kFirstXdataCode;
        if (t.code == kMarkerCode) {
            id.hasMarkers = true;
            if (id.dropsMarkers && !inXdata)
                continue;
        }
        addValue(out, t);
    }
    return false;
}

void Reader::skipGroups() {
    Token t;
    while (next(t)) {
        if (t.code == 0) {
            tokens_.unget(t);
            return;
        }
    }
}

bool Reader::closesSection(const Token& token, std::string_view section) {
    if (!isWord(token, "EOF") && !isWord(token, "SECTION"))
        return false;
    warn(token.line, "section " + std::string(section) + " has no ENDSEC");
    tokens_.unget(token);
    return true;
}

void Reader::skipSection(std::string_view name) {
    if (!isKnownSkippedSection(name))
        warn(tokens_.line(), "unknown section " + std::string(name) + " skipped");
    Token t;
    while (next(t)) {
        if (t.code != 0)
            continue;
        if (isWord(t, "ENDSEC") || closesSection(t, name))
            return;
    }
}

void Reader::readSection() {
    Token name;
    if (!next(name))
        return;
    if (name.code != 2) {
        warn(name.line, "SECTION without its name");
        tokens_.unget(name);
        skipSection("(unnamed)");
        return;
    }
    std::string_view section = trimmedValue(name);
    if (section == "HEADER")
        return readHeader();
    if (section == "CLASSES")
        return readClasses();
    if (section == "TABLES")
        return readTables();
    if (section == "BLOCKS")
        return readBlocks();
    if (section == "ENTITIES")
        return readEntities();
    if (section == "OBJECTS")
        return readObjects();
    skipSection(section);
}

ErrorOr<void> Reader::checkStart() {
    if (data_.substr(0, kBinarySentinel.size()) == kBinarySentinel)
        return Error::at(1, "line 1: binary DXF cannot be read; save the drawing as ASCII DXF");
    if (isBlankData(data_))
        return Error::at(1, "line 1: the file is empty");
    Token first;
    if (!next(first)) {
        if (fatal_)
            return Error::at(fatal_->line, "line " + std::to_string(fatal_->line) +
                                               ": not a DXF file (no group code)");
        return Error::at(first.line, "line 1: not a DXF file");
    }
    if (first.code != 0 || !isWord(first, "SECTION"))
        return Error::at(first.line, "line " + std::to_string(first.line) +
                                         ": not a DXF file (it must start with 0 SECTION)");
    tokens_.unget(first);
    return {};
}

ErrorOr<ReadResult> Reader::run() {
    VMA_TRY(checkStart());
    Token t;
    while (next(t)) {
        if (t.code != 0) {
            warn(t.line, "group " + std::to_string(t.code) + " outside a section ignored");
            continue;
        }
        if (isWord(t, "EOF")) {
            sawEof_ = true;
            break;
        }
        if (isWord(t, "SECTION")) {
            readSection();
            continue;
        }
        warn(t.line, std::string(trimmedValue(t).substr(0, 40)) + " outside a section ignored");
        skipGroups();
    }
    if (fatal_)
        return *fatal_;
    if (!sawEof_)
        warn(tokens_.line(), "the file ends without EOF");
    finish();
    if (suppressed_ > 0)
        warnings_.push_back(
            Warning{tokens_.line(), std::to_string(suppressed_) + " further problems not listed"});
    return ReadResult{std::move(db_), std::move(warnings_), threads_};
}

ErrorOr<ReadResult> read(std::string_view data, const ReadOptions& options) {
    Reader reader(data, options);
    return reader.run();
}

ErrorOr<ReadResult> readFile(const std::filesystem::path& path, const ReadOptions& options) {
    VMA_TRY_ASSIGN(MappedFile file, MappedFile::open(path));
    auto result = read(file.data(), options);
    if (!result)
        return Error::at(result.error().line, path.string() + ": " + result.error().message);
    return result;
}

} // namespace vma::dxf
