// The dialog state of the host process: loaded DCL files by id, open dialogs,
// remembered positions, the list or image being changed, the answer queue,
// and where a DCL "action" string (AutoLISP) is sent.
#pragma once

#include "host/dcl/answers.h"
#include "host/dcl/dialog.h"
#include "host/dcl/library.h"

#include <functional>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vma::dcl {

// Where a dialog opens when no position is given or remembered.
constexpr std::pair<int, int> kDefaultPosition{200, 150};

struct ListEdit {
    Tile* tile = nullptr;
    int operation = 0;
    size_t index = 0;
};

class Runtime {
public:
    static Runtime& get();

    // Evaluates a tile's DCL action (AutoLISP text) for a callback packet.
    using LispAction = std::function<void(const std::string& expr, ads_callback_packet& packet)>;
    // Asked when a running dialog finds no answer queued: queues more and
    // returns true, or returns false and the dialog is cancelled.
    using AnswerSource = std::function<bool(const Dialog& dialog)>;

    ErrorOr<int> load(const std::filesystem::path& path);
    bool unload(int id);
    const Library* library(int id) const;

    Dialog& open(std::unique_ptr<Dialog> dialog);
    bool isOpen(const void* handle) const;
    void close(Dialog& dialog);
    void terminateAll();
    const std::list<std::unique_ptr<Dialog>>& dialogs() const { return dialogs_; }
    // The dialog running innermost (started and not yet ended), or nullptr.
    Dialog* running() const { return running_.empty() ? nullptr : running_.back(); }
    void pushRunning(Dialog& d) { running_.push_back(&d); }
    void popRunning() { running_.pop_back(); }

    std::map<std::string, std::pair<int, int>>& positions() { return positions_; }
    DialogAnswers& answers() { return answers_; }
    ListEdit& listEdit() { return listEdit_; }
    Tile*& imageTile() { return imageTile_; }
    void setLispAction(LispAction action) { lisp_ = std::move(action); }
    const LispAction& lispAction() const { return lisp_; }

    void setAnswerSource(AnswerSource source) { source_ = std::move(source); }
    const AnswerSource& answerSource() const { return source_; }

    // Back to a fresh process: nothing loaded or open, no answers. The
    // answer source stays: it belongs to whoever drives the input.
    void reset();

private:
    std::map<int, Library> files_;
    int nextId_ = 1;
    std::list<std::unique_ptr<Dialog>> dialogs_;
    std::vector<Dialog*> running_;
    std::map<std::string, std::pair<int, int>> positions_;
    DialogAnswers answers_;
    ListEdit listEdit_;
    Tile* imageTile_ = nullptr;
    LispAction lisp_;
    AnswerSource source_;
};

// A line of the transcript about a dialog: "dialog <name>: <text>".
void note(const Dialog& dialog, const std::string& text);

} // namespace vma::dcl
