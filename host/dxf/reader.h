// The reader's state shared by the section readers: one pass over the tokens,
// the drawing being filled, and the warnings. Each section has its own file.
#pragma once

#include "host/db/database.h"
#include "host/dxf/dxf.h"
#include "host/dxf/encoding.h"
#include "host/dxf/numbers.h"
#include "host/dxf/tokenizer.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace vma::dxf {

// The handle and owner taken out of a group list while it is read.
struct Identity {
    db::Handle handle = 0;
    db::Handle owner = 0;
    bool hasMarkers = false; // 100 groups came (R2000 and later)
    // A type whose subclasses the host knows: its markers before the extended
    // data are left out as they come, not stored and erased afterwards.
    bool dropsMarkers = false;
};

struct BlockRecordEntry {
    db::Handle handle = 0;
    db::GroupList groups; // without the name
    long line = 0;
};

class Reader {
public:
    explicit Reader(std::string_view data);
    ErrorOr<ReadResult> run();

    // Section readers: each reads up to and including its ENDSEC.
    void readHeader();
    void readClasses();
    void readTables();
    void readBlocks();
    void readEntities();
    void readObjects();

private:
    friend class EntityPlacer;

    // The next token; false at the end of the data or after a fatal error.
    // Defined here: every group of the file passes through it.
    bool next(Token& token) {
        if (fatal_)
            return false;
        Tokenizer::Status status = tokens_.next(token);
        return status == Tokenizer::Status::Ok || stopAt(status, token);
    }
    // Notes why the tokens stopped (a truncated file, a bad code); false.
    bool stopAt(Tokenizer::Status status, const Token& token);
    // Reads the groups after a group 0 up to the next group 0 (left for next()).
    // handleCode is 5 (105 for dimension styles); 330 before the first 100 is
    // the owner. Returns false when the data ended.
    bool readGroups(db::GroupList& out, Identity& id, int handleCode = 5);
    // Adds a group from its value text; bad numbers are dropped with a warning.
    // Defined here: every group of the file passes through it.
    void addValue(db::GroupList& out, const Token& token) {
        switch (db::kindOfCode(token.code)) {
        case db::GroupKind::Int:
            if (int64_t value = 0; parseInt(token.value, value))
                return out.addInt(token.code, value);
            break;
        case db::GroupKind::Real:
            if (double value = 0; parseReal(token.value, value))
                return out.addReal(token.code, value);
            break;
        case db::GroupKind::Text:
            if (!needsDecoding(token.value))
                return out.addText(token.code, token.value);
            break;
        }
        addUnusualValue(out, token);
    }
    // A text to decode, or a number that is not one (left out with a warning).
    void addUnusualValue(db::GroupList& out, const Token& token);
    // Skips groups up to the next group 0.
    void skipGroups();
    // True (and the token given back) when a group 0 closes the section early:
    // SECTION or EOF without ENDSEC.
    bool closesSection(const Token& token, std::string_view section);
    void skipSection(std::string_view name);
    void readTable(const Token& start);
    void addRecord(db::TableKind kind, const Identity& id, long line);
    void addBlockRecord(const Identity& id, long line);
    void readBlock(const Token& start);
    void warn(long line, std::string message);
    ErrorOr<void> checkStart();
    void readSection();
    void finish();
    void applyBlockRecords();
    void checkHandles();

    std::string_view data_;
    Tokenizer tokens_;
    std::unique_ptr<db::Database> db_;
    std::vector<Warning> warnings_;
    size_t suppressed_ = 0;
    std::optional<Error> fatal_;
    Encoding encoding_ = Encoding::CodePage;
    bool sawEof_ = false;
    bool warnedTruncation_ = false;
    std::string decoded_;
    db::GroupList scratch_;
    db::Arena* arena_ = nullptr;                                     // the entities' group lists
    std::unordered_map<std::string, BlockRecordEntry> blockRecords_; // upper-case name
    std::unordered_set<uint32_t> definedBlocks_;
    db::Handle handSeed_ = 0;
};

// Trimmed value equals word (group 0 names, section names).
bool isWord(const Token& token, std::string_view word);
std::string_view trimmedValue(const Token& token);
// Removes the subclass markers (100) of a structure the reader knows fully.
void dropMarkers(db::GroupList& groups);

} // namespace vma::dxf
