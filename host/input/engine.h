// The one input engine every prompt reads from: a stack of sources (a script,
// the terminal, the test driver; the top one answers), the acedInitGet
// settings for the next input call, LASTPOINT, the AutoLISP hook for
// expressions in scripts, and the temporary graphics prompts leave behind.
#pragma once

#include "host/base/error.h"
#include "host/input/event.h"
#include "host/input/keywords.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vma::input {

// Evaluates one AutoLISP expression; the result as it would be typed at a
// prompt, or nullopt when it gives nothing to type (nil, or no prompt waits).
using LispHook = std::function<ErrorOr<std::optional<std::wstring>>(std::wstring_view expression)>;

struct TempVector {
    Point from{}, to{}; // UCS, as the caller gave them
    int color = 7;
    bool highlight = false;
};

struct Graphics {
    std::vector<TempVector> vectors;
    std::vector<std::wstring> texts; // acedGrText: "box:text"
    std::vector<std::wstring> menuRequests;
    bool textScreen = false;
};

class Engine {
public:
    static Engine& get();
    // No sources, no pending settings, no graphics; the LISP hook stays.
    void reset();

    void push(std::unique_ptr<InputSource> source);
    void pop();
    size_t depth() const { return sources_.size(); }
    bool echoes() const;

    // The next event for a prompt; nullopt when no source is left or the top one ran out.
    std::optional<InputEvent> next(const Request& request);
    // The next event of the source under `above` (a command's PAUSE asks the
    // user or script that ran the program); nullopt when there is none.
    std::optional<InputEvent> nextBelow(const InputSource* above, const Request& request);
    void pushBack(InputEvent event) { pending_.push_front(std::move(event)); }
    bool takeBreak();

    void setInitGet(InitGet init) { init_ = std::move(init); }
    InitGet takeInitGet();

    void setLispHook(LispHook hook) { lisp_ = std::move(hook); }
    const LispHook& lispHook() const { return lisp_; }

    std::optional<Point>& lastPoint() { return lastPoint_; } // world coordinates
    Graphics& graphics() { return graphics_; }

private:
    std::vector<std::unique_ptr<InputSource>> sources_;
    std::deque<InputEvent> pending_;
    InitGet init_;
    LispHook lisp_;
    std::optional<Point> lastPoint_;
    Graphics graphics_;
};

// Keeps a source on the engine for as long as it lives.
class ScopedSource {
public:
    explicit ScopedSource(std::unique_ptr<InputSource> source) {
        Engine::get().push(std::move(source));
    }
    ~ScopedSource() { Engine::get().pop(); }
    ScopedSource(const ScopedSource&) = delete;
    ScopedSource& operator=(const ScopedSource&) = delete;
};

} // namespace vma::input
