// The host process's state, the one place the CAD program keeps what every
// platform-API call works on: the open documents (one current), the support
// path, the host profile folder, the system variables and selection sets, and
// where command-line output goes.
#pragma once

#include "host/db/database.h"
#include "host/db/selection.h"
#include "host/db/symbols.h"
#include "host/sysvar/table.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vma::host {

struct Document {
    std::filesystem::path path; // empty for a drawing never saved
    std::wstring name;          // "Drawing1.dwg" style name shown to the user
    std::unique_ptr<db::Database> db;
    SymbolStore symbols;
};

// Told about documents as they come and go, and before one is written (the
// plug-in loader turns these into application messages).
class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    virtual void opened(Document&) {}
    virtual void closing(Document&) {}
    virtual void saving(Document&) {}
};

class Session {
public:
    // The session of this process. Platform-API calls work on it.
    static Session& get();

    Document& current();
    bool hasDocument() const { return current_ < documents_.size(); }
    const std::vector<std::unique_ptr<Document>>& documents() const { return documents_; }
    // Adds a document (a new empty drawing when db is null) and makes it current.
    Document& open(std::unique_ptr<db::Database> db, std::filesystem::path path = {});
    void makeCurrent(const Document& doc);
    void close(const Document& doc);
    // The document whose database has the serial, or nullptr.
    Document* findBySerial(int64_t serial);

    // Observers stay registered across reset(); open() tells them after the
    // document became current, close() before it goes.
    void addObserver(DocumentObserver* observer);
    void removeObserver(DocumentObserver* observer);
    // Whoever writes a document's drawing (SAVE, SAVEAS, vmacon -o) calls this first.
    void saving(Document& doc);

    std::vector<std::filesystem::path>& supportPath() { return supportPath_; }
    std::filesystem::path& profileDir() { return profileDir_; }

    SysvarTable& sysvars() { return sysvars_; }
    SelectionSets& selections() { return selections_; }

    // The ERRNO system variable: why the last ADS call failed (0 when none did).
    int& lastErrno() { return errno_; }
    // What acedGetInput gives back: the keyword of the last input call, or the
    // name of the block whose definition acdbEntMake completed.
    std::wstring& lastInput() { return lastInput_; }

    // Command-line output (acutPrintf, prompts). Defaults to stdout.
    void setOutput(std::function<void(std::wstring_view)> sink) { output_ = std::move(sink); }
    void print(std::wstring_view text) const;

    // Back to the state of a fresh process: no documents, default variables.
    void reset();

private:
    Session();

    std::vector<std::unique_ptr<Document>> documents_;
    std::vector<DocumentObserver*> observers_;
    size_t current_ = 0;
    std::vector<std::filesystem::path> supportPath_;
    std::filesystem::path profileDir_;
    SysvarTable sysvars_;
    SelectionSets selections_;
    std::function<void(std::wstring_view)> output_;
    int untitled_ = 0;
    int errno_ = 0;
    std::wstring lastInput_;
};

} // namespace vma::host
