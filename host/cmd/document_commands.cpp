#include "host/cmd/document_commands.h"

#include "host/base/text.h"
#include "host/cmd/answers.h"
#include "host/cmd/current.h"
#include "host/cmd/drawing_files.h"
#include "host/dxf/dxf.h"
#include "host/input/prompt.h"
#include "host/sysvar/access.h"
#include "host/undo/undo.h"

namespace vma::cmd {
namespace {

namespace fs = std::filesystem;

constexpr std::wstring_view kFormatPrompt =
    L"Enter file format [R14(LT98&LT97)/2000(LT2000)/2004(LT2004)/2007(LT2007)/2010(LT2010)/"
    L"2013(LT2013)/2018(LT2018)/Standards/DXF/Template] <2018>: ";
constexpr std::wstring_view kFormats = L"R14 2000 2004 2007 2010 2013 2018 Standards DXF Template";

bool fileExists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

void complain(const Error& error) {
    input::say(utf8ToWide(error.message) + L"\n");
}

// EXPERT 2 and up take the replacement as agreed, as AutoCAD does.
bool mayReplace(const fs::path& file) {
    if (!fileExists(file))
        return true;
    auto expert = host::getSysvar(host::Session::get(), "EXPERT");
    if (expert.ok() && expert->integer >= 2)
        return true;
    input::say(utf8ToWide(file.filename().string()) + L" already exists.\n");
    auto yes = askYesNo(L"Do you want to replace it? [Yes/No] <N>: ", false);
    return yes && *yes;
}

// Asks the name and writes the drawing. rename: the document takes the new
// name (SAVEAS, and SAVE of a drawing never saved); otherwise a copy is written.
bool saveAs(host::Document& doc, bool rename) {
    std::wstring offered = defaultSaveName(doc);
    auto name = askFileName(L"Save drawing as <" + offered + L">: ", offered);
    if (!name)
        return false;
    fs::path file = drawingTarget(*name, doc);
    if (!mayReplace(file))
        return false;
    if (auto written = writeDrawing(doc, file); !written.ok()) {
        complain(written.error());
        return false;
    }
    if (rename || doc.path.empty()) {
        doc.path = file;
        doc.name = host::drawingName(file);
    }
    return true;
}

void saveCommand() {
    saveAs(host::Session::get().current(), false);
}

void saveAsCommand() {
    input::say(L"Current file format: AutoCAD 2018 Drawing\n");
    if (!askKeyword(kFormatPrompt, kFormats, L"2018"))
        return;
    saveAs(host::Session::get().current(), true);
}

// The drawing's own file without a question; a drawing never saved asks its name.
bool quickSave(host::Document& doc) {
    if (doc.path.empty())
        return saveAs(doc, true);
    auto written = writeDrawing(doc, doc.path);
    if (!written.ok())
        complain(written.error());
    return written.ok();
}

void quickSaveCommand() {
    quickSave(host::Session::get().current());
}

std::unique_ptr<db::Database> templateDrawing(std::wstring_view name) {
    if (name == L".")
        return db::Database::createNew();
    auto file = findDrawing(name);
    if (!file && equalsNoCase(fs::path(wideToUtf8(name)).extension().string(), ".dwt"))
        file =
            findDrawing(utf8ToWide(fs::path(wideToUtf8(name)).replace_extension(".dxf").string()));
    if (!file) {
        input::say(L"Cannot find the template " + std::wstring(name) + L"; starting from none.\n");
        return db::Database::createNew();
    }
    auto read = dxf::readFile(*file);
    if (!read.ok()) {
        complain(read.error());
        return nullptr;
    }
    return std::move(read->db);
}

void newCommand() {
    auto name =
        askFileName(L"Enter template file name or [. (for none)] <acadiso.dwt>: ", L"acadiso.dwt");
    if (!name)
        return;
    auto db = templateDrawing(*name);
    if (!db)
        return;
    host::Session& session = host::Session::get();
    session.open(std::move(db));
    undo::refreshUndoctl(session);
}

host::Document* alreadyOpen(const fs::path& file) {
    std::error_code ec;
    for (const auto& doc : host::Session::get().documents())
        if (!doc->path.empty() && fs::equivalent(doc->path, file, ec))
            return doc.get();
    return nullptr;
}

void openCommand() {
    auto name = askFileName(L"Enter name of drawing to open: ", L"");
    if (!name || name->empty())
        return;
    auto file = findDrawing(*name);
    if (!file) {
        input::say(L"Cannot find the drawing " + *name + L".\n");
        return;
    }
    host::Session& session = host::Session::get();
    if (host::Document* open = alreadyOpen(*file)) {
        session.makeCurrent(*open);
        undo::refreshUndoctl(session);
        return;
    }
    auto read = dxf::readFile(*file);
    if (!read.ok()) {
        complain(read.error());
        return;
    }
    for (const auto& w : read->warnings)
        input::say(L"Line " + std::to_wstring(w.line) + L": " + utf8ToWide(w.message) + L"\n");
    session.open(std::move(read->db), *file);
    undo::refreshUndoctl(session);
}

void closeCommand() {
    host::Session& session = host::Session::get();
    host::Document& doc = session.current();
    if (doc.db->modifiedFlags() != 0) {
        auto answer = askKeyword(L"Save changes to " + doc.name + L"? [Yes/No/Cancel] <Y>: ",
                                 L"Yes No Cancel", L"Yes");
        if (!answer || *answer == L"Cancel")
            return;
        if (*answer == L"Yes" && !quickSave(doc))
            return;
    }
    session.close(doc);
    undo::refreshUndoctl(session);
}

} // namespace

void addDocumentCommands(input::CommandRegistry& registry) {
    registry.add(L"NEW", newCommand);
    registry.add(L"OPEN", openCommand);
    registry.add(L"SAVE", saveCommand);
    registry.add(L"SAVEAS", saveAsCommand);
    registry.add(L"QSAVE", quickSaveCommand);
    registry.add(L"CLOSE", closeCommand);
}

} // namespace vma::cmd
