#include "host/input/engine.h"

namespace vma::input {

Engine& Engine::get() {
    static Engine engine;
    return engine;
}

void Engine::reset() {
    sources_.clear();
    pending_.clear();
    init_ = {};
    lastPoint_.reset();
    graphics_ = {};
}

void Engine::push(std::unique_ptr<InputSource> source) {
    sources_.push_back(std::move(source));
}

void Engine::pop() {
    if (!sources_.empty())
        sources_.pop_back();
}

bool Engine::echoes() const {
    return sources_.empty() || sources_.back()->echoes();
}

std::optional<InputEvent> Engine::next(const Request& request) {
    if (!pending_.empty()) {
        InputEvent event = std::move(pending_.front());
        pending_.pop_front();
        return event;
    }
    if (sources_.empty())
        return std::nullopt;
    return sources_.back()->next(request);
}

std::optional<InputEvent> Engine::nextBelow(const InputSource* above, const Request& request) {
    for (size_t i = sources_.size(); i-- > 1;)
        if (sources_[i].get() == above)
            return sources_[i - 1]->next(request);
    return std::nullopt;
}

bool Engine::takeBreak() {
    if (!pending_.empty() && pending_.front().kind == InputEvent::Kind::Cancel) {
        pending_.pop_front();
        return true;
    }
    return !sources_.empty() && sources_.back()->takeBreak();
}

InitGet Engine::takeInitGet() {
    InitGet init = std::move(init_);
    init_ = {};
    return init;
}

} // namespace vma::input
