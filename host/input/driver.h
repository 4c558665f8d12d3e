// The C++ test driver: it plays the user. Answers are queued before the code
// that asks runs (typed text, one answer each; picks and pointer moves at
// world points; keys; Esc) and everything written to the command line is
// kept as the transcript. One driver at a time; it takes over the engine and
// the session's output while it lives.
#pragma once

#include "host/input/engine.h"

#include <deque>
#include <memory>
#include <string>

namespace vma::input {

class Driver {
public:
    Driver();
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    Driver& type(std::wstring text);
    Driver& enter() { return type(L""); }
    Driver& pick(double x, double y, double z = 0);
    Driver& move(double x, double y, double z = 0);
    Driver& key(int code);
    Driver& esc();

    // Answers not yet taken.
    size_t pending() const { return queue_->size(); }
    const std::wstring& transcript() const { return *transcript_; }
    void clearTranscript() { transcript_->clear(); }
    Graphics& graphics() { return Engine::get().graphics(); }

private:
    std::shared_ptr<std::deque<InputEvent>> queue_;
    std::shared_ptr<std::wstring> transcript_;
};

} // namespace vma::input
