// One document's undo log: every change to its drawing (from the database
// journal) and to the session's settable variables, bracketed in steps. A step
// is one outermost command run, or an UNDO group with the commands run inside
// it; marks sit between entries for UNDO Back. Steps are bracketed only once
// something changes, so commands that change nothing leave no step. Inside a
// group still open, U and UNDO take back its commands one at a time.
#pragma once

#include "host/db/database.h"
#include "host/db/journal.h"
#include "host/sysvar/value.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vma::undo {

enum class Control : uint8_t { None, One, All };

struct Entry {
    // Command: a command run starts inside an open group.
    enum class Kind : uint8_t { Begin, End, Command, Mark, Drawing, Variable };
    Kind kind = Kind::Mark;
    std::wstring label;       // Begin, End, Command: the name ("LINE", "GROUP")
    db::Change change;        // Drawing: the change with the state before it
    std::string variable;     // Variable: its name
    host::SysvarValue before; // Variable: the value it had
};

class UndoLog : public db::Journal {
public:
    explicit UndoLog(db::Database& db) : db_(db) {}

    void record(const db::Change& change) override;
    void recordVariable(std::string_view name, const host::SysvarValue& before);

    // None forgets everything and records nothing; One keeps the last step only.
    void setControl(Control control);

    void commandStarted(std::wstring_view name);
    void commandEnded();
    // A second BEgin ends the open group first, as in AutoCAD.
    void beginGroup();
    void endGroup();
    bool groupOpen() const { return groupOpen_; }
    void mark();
    bool hasMark() const;

    // Undoes up to count steps, the latest first. The names of the steps
    // undone in that order; everything: the log ran out before count steps.
    struct Undone {
        std::vector<std::wstring> names;
        bool everything = false;
    };
    Undone undoSteps(int count);
    // Undoes back to the last mark (which goes too), or everything when there is none.
    Undone back();

    const std::vector<Entry>& entries() const { return entries_; }

private:
    bool stepOpen() const { return depth_ > 0 || groupOpen_ || loose_; }
    void push(Entry entry) { entries_.push_back(std::move(entry)); }
    void keep(Entry entry);
    void ensureBegun();
    void closeStep();
    void closeLoose();
    bool groupAtPrompt() const { return groupOpen_ && depth_ == 0; }
    size_t lastCommandInGroup(size_t end) const;
    void keepLastStepOnly();
    bool undoOne(Undone& undone);
    size_t skipEmpty(size_t end) const;
    size_t beginOf(size_t end) const;
    void rollBackTo(size_t pos, Undone& undone);
    void closeCutStep();
    void revert(const Entry& entry);

    db::Database& db_;
    std::vector<Entry> entries_;
    Control control_ = Control::All;
    int depth_ = 0;          // command runs under way
    bool groupOpen_ = false; // an UNDO group is open
    bool loose_ = false;     // changes made at the command prompt (AutoLISP) form their own step
    bool begun_ = false;     // the open step has its Begin entry, at openBegin_
    size_t openBegin_ = 0;
    std::wstring label_; // the open step's name
    bool replaying_ = false;
};

} // namespace vma::undo
