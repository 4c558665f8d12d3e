#include "host/undo/undo.h"

#include "host/base/text.h"
#include "host/input/commands.h"
#include "host/sysvar/access.h"
#include "host/undo/settings.h"

#include <cstdint>
#include <vector>

namespace vma::undo {
namespace {

// "_.LINE" -> "LINE": the name a step is shown by.
std::wstring stepName(std::wstring_view name) {
    return upperName(input::bareCommandName(name));
}

// UNDO and U work on the log: their own runs are no step.
bool isUndoCommand(std::wstring_view name) {
    std::wstring bare = stepName(name);
    return bare == L"UNDO" || bare == L"U";
}

// The database each command run under way started on, innermost last: a
// command may switch documents (NEW, OPEN) or close the one it began on.
std::vector<int64_t>& runs() {
    static std::vector<int64_t> serials;
    return serials;
}

// NEW and OPEN may run with no drawing open.
constexpr int64_t kNoDocument = -1;

void started(std::wstring_view name) {
    if (isUndoCommand(name))
        return;
    host::Session& session = host::Session::get();
    if (!session.hasDocument()) {
        runs().push_back(kNoDocument);
        return;
    }
    host::Document& doc = session.current();
    UndoLog& log = logOf(doc);
    log.setControl(currentSettings(session).control);
    log.commandStarted(stepName(name));
    runs().push_back(doc.db->serial());
    refreshUndoctl(session);
}

void ended(std::wstring_view name) {
    if (isUndoCommand(name) || runs().empty())
        return;
    int64_t serial = runs().back();
    runs().pop_back();
    host::Session& session = host::Session::get();
    if (host::Document* doc = session.findBySerial(serial); doc && doc->journal)
        logOf(*doc).commandEnded();
}

void variableChanged(std::string_view name, const host::SysvarValue& before) {
    host::Session& session = host::Session::get();
    if (!session.hasDocument())
        return;
    logOf(session.current()).recordVariable(name, before);
}

} // namespace

// A journal someone else put on the database (a test's recorder) is left in place.
UndoLog& logOf(host::Document& doc) {
    if (!doc.journal)
        doc.journal = std::make_unique<UndoLog>(*doc.db);
    if (doc.db->journal() == nullptr)
        doc.db->setJournal(doc.journal.get());
    return static_cast<UndoLog&>(*doc.journal);
}

void installUndo() {
    input::setCommandWatcher({started, ended});
    host::setSysvarWatcher(variableChanged);
}

void refreshUndoctl(host::Session& session) {
    storeSettings(session, currentSettings(session));
}

} // namespace vma::undo
