// The reader's state shared by the section readers: one pass over the tokens,
// the drawing being filled, and the warnings. Each section has its own file.
#pragma once

#include "host/db/database.h"
#include "host/dxf/dxf.h"
#include "host/dxf/encoding.h"
#include "host/dxf/numbers.h"
#include "host/dxf/tokenizer.h"

#include <memory>
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

class EntityPlacer;

// Entities of a drawing take at least this many bytes each: a guess for reserving.
constexpr size_t kBytesPerEntity = 120;

class Reader {
public:
    Reader(std::string_view data, const ReadOptions& options);
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;
    ~Reader();
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
    struct SecondHalf;

    // The reader of a second half of ENTITIES: first's data and encoding.
    Reader(const Reader& first, size_t expectedEntities);

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
    // Reads entities up to the end of the section; pause(token) before each one
    // may take the rest over (true: the section is done).
    template <class Pause> void readEntityList(EntityPlacer& placer, Pause pause);
    // Sets a second reader going when the rest of the data is large enough.
    void startSecondHalf();
    // On the second reader: finds its start after half.middle, then reads on.
    void readSecondHalf(SecondHalf& half);
    const char* findSecondStart(const char* middle);
    // At a group 0 past the middle: true when the second half starts here and
    // has been taken over; a second half passed without meeting it is dropped.
    bool joinSecondHalf(const Token& at, EntityPlacer& placer);
    // Adds an entity read from the file, noting its handle for checkHandles().
    db::EntityId addEntity(db::Entity e) {
        if (e.handle != 0)
            entityHandles_.push_back(e.handle);
        return db_->addEntity(std::move(e));
    }
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
    ReadOptions options_;
    std::unique_ptr<SecondHalf> secondHalf_;
    int threads_ = 1;
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
    std::vector<db::Handle> entityHandles_; // in file order
};

// Trimmed value equals word (group 0 names, section names).
bool isWord(const Token& token, std::string_view word);
std::string_view trimmedValue(const Token& token);
// Removes the subclass markers (100) of a structure the reader knows fully.
void dropMarkers(db::GroupList& groups);

} // namespace vma::dxf
