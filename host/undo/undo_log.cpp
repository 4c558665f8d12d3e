#include "host/undo/undo_log.h"

#include "host/undo/revert.h"

namespace vma::undo {

void UndoLog::record(const db::Change& change) {
    Entry e;
    e.kind = Entry::Kind::Drawing;
    e.change = change;
    keep(std::move(e));
}

void UndoLog::recordVariable(std::string_view name, const host::SysvarValue& before) {
    Entry e;
    e.kind = Entry::Kind::Variable;
    e.variable = std::string(name);
    e.before = before;
    keep(std::move(e));
}

// A change outside any command run starts a step of its own.
void UndoLog::keep(Entry entry) {
    if (replaying_ || control_ == Control::None)
        return;
    if (!stepOpen()) {
        loose_ = true;
        label_.clear();
    }
    ensureBegun();
    push(std::move(entry));
}

void UndoLog::setControl(Control control) {
    if (control == control_)
        return;
    control_ = control;
    if (control == Control::None) {
        entries_.clear();
        begun_ = false;
        groupOpen_ = false;
        loose_ = false;
        return;
    }
    if (control == Control::One) {
        groupOpen_ = false;
        keepLastStepOnly();
    }
}

void UndoLog::commandStarted(std::wstring_view name) {
    closeLoose();
    if (!stepOpen())
        label_ = std::wstring(name);
    if (groupAtPrompt() && control_ != Control::None) {
        ensureBegun();
        push(Entry{Entry::Kind::Command, std::wstring(name), {}, {}, {}});
    }
    ++depth_;
}

void UndoLog::commandEnded() {
    if (depth_ == 0)
        return;
    --depth_;
    if (!stepOpen())
        closeStep();
}

void UndoLog::beginGroup() {
    closeLoose();
    endGroup();
    if (depth_ == 0)
        label_ = L"GROUP";
    groupOpen_ = true;
}

void UndoLog::endGroup() {
    if (!groupOpen_)
        return;
    groupOpen_ = false;
    if (!stepOpen())
        closeStep();
}

void UndoLog::mark() {
    closeLoose();
    if (stepOpen())
        ensureBegun();
    push(Entry{Entry::Kind::Mark, {}, {}, {}, {}});
}

bool UndoLog::hasMark() const {
    for (const Entry& e : entries_)
        if (e.kind == Entry::Kind::Mark)
            return true;
    return false;
}

UndoLog::Undone UndoLog::undoSteps(int count) {
    closeLoose();
    Undone undone;
    for (int i = 0; i < count; ++i) {
        if (!undoOne(undone)) {
            undone.everything = true;
            break;
        }
    }
    return undone;
}

UndoLog::Undone UndoLog::back() {
    closeLoose();
    size_t pos = 0;
    for (size_t i = entries_.size(); i-- > 0;) {
        if (entries_[i].kind == Entry::Kind::Mark) {
            pos = i;
            break;
        }
    }
    Undone undone;
    undone.everything = !hasMark();
    rollBackTo(pos, undone);
    return undone;
}

void UndoLog::ensureBegun() {
    if (begun_)
        return;
    openBegin_ = entries_.size();
    push(Entry{Entry::Kind::Begin, label_, {}, {}, {}});
    begun_ = true;
}

void UndoLog::closeStep() {
    if (!begun_)
        return;
    push(Entry{Entry::Kind::End, label_, {}, {}, {}});
    begun_ = false;
    if (control_ == Control::One)
        keepLastStepOnly();
}

void UndoLog::closeLoose() {
    if (!loose_)
        return;
    loose_ = false;
    if (!stepOpen())
        closeStep();
}

// The start of the last command run inside the open group, before end; 0 when none.
size_t UndoLog::lastCommandInGroup(size_t end) const {
    for (size_t i = end; i-- > openBegin_ + 1;)
        if (entries_[i].kind == Entry::Kind::Command)
            return i;
    return 0;
}

void UndoLog::keepLastStepOnly() {
    size_t keep = entries_.size();
    for (size_t i = entries_.size(); i-- > 0;) {
        if (entries_[i].kind == Entry::Kind::Begin) {
            keep = i;
            break;
        }
    }
    entries_.erase(entries_.begin(), entries_.begin() + static_cast<long>(keep));
    if (begun_)
        openBegin_ = 0;
}

// Marks passed on the way count for nothing; the step inside a command that
// is still running counts as one when it has changes of its own, and so does
// each command inside a group still open.
bool UndoLog::undoOne(Undone& undone) {
    size_t i = skipEmpty(entries_.size());
    if (begun_ && i == openBegin_ + 1)
        i = skipEmpty(openBegin_);
    if (i == 0) {
        rollBackTo(0, undone);
        return false;
    }
    if (entries_[i - 1].kind == Entry::Kind::End) {
        rollBackTo(beginOf(i - 1), undone);
        return true;
    }
    size_t command = groupAtPrompt() ? lastCommandInGroup(i) : 0;
    if (command == 0) {
        undone.names.push_back(label_);
        rollBackTo(openBegin_ + 1, undone);
        return true;
    }
    undone.names.push_back(entries_[command].label);
    rollBackTo(command, undone);
    return true;
}

// Back from end over marks and over group commands that changed nothing.
size_t UndoLog::skipEmpty(size_t end) const {
    while (end > 0 && (entries_[end - 1].kind == Entry::Kind::Mark ||
                       entries_[end - 1].kind == Entry::Kind::Command))
        --end;
    return end;
}

size_t UndoLog::beginOf(size_t end) const {
    for (size_t i = end; i-- > 0;)
        if (entries_[i].kind == Entry::Kind::Begin)
            return i;
    return 0;
}

void UndoLog::rollBackTo(size_t pos, Undone& undone) {
    replaying_ = true;
    for (size_t i = entries_.size(); i-- > pos;) {
        const Entry& e = entries_[i];
        if (e.kind == Entry::Kind::End)
            undone.names.push_back(e.label);
        revert(e);
    }
    replaying_ = false;
    if (begun_ && pos <= openBegin_)
        begun_ = false;
    entries_.resize(pos);
    closeCutStep();
}

// A mark inside a finished step cuts it: the part before the mark stays a step.
void UndoLog::closeCutStep() {
    for (size_t i = entries_.size(); i-- > 0;) {
        const Entry& e = entries_[i];
        if (e.kind == Entry::Kind::End)
            return;
        if (e.kind != Entry::Kind::Begin)
            continue;
        if (begun_ && i == openBegin_)
            return;
        push(Entry{Entry::Kind::End, e.label, {}, {}, {}});
        return;
    }
}

void UndoLog::revert(const Entry& entry) {
    if (entry.kind == Entry::Kind::Drawing)
        revertChange(db_, entry.change);
    else if (entry.kind == Entry::Kind::Variable)
        revertVariable(entry.variable, entry.before);
}

} // namespace vma::undo
