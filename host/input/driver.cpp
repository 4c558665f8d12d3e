#include "host/input/driver.h"

#include "host/base/text.h"
#include "host/db/session.h"

#include <cstdio>

namespace vma::input {
namespace {

class QueueSource : public InputSource {
public:
    explicit QueueSource(std::shared_ptr<std::deque<InputEvent>> queue)
        : queue_(std::move(queue)) {}

    std::optional<InputEvent> next(const Request&) override {
        if (queue_->empty())
            return std::nullopt;
        InputEvent event = std::move(queue_->front());
        queue_->pop_front();
        return event;
    }

    bool takeBreak() override {
        if (queue_->empty() || queue_->front().kind != InputEvent::Kind::Cancel)
            return false;
        queue_->pop_front();
        return true;
    }

private:
    std::shared_ptr<std::deque<InputEvent>> queue_;
};

} // namespace

Driver::Driver()
    : queue_(std::make_shared<std::deque<InputEvent>>()),
      transcript_(std::make_shared<std::wstring>()) {
    Engine::get().reset();
    Engine::get().push(std::make_unique<QueueSource>(queue_));
    host::Session::get().setOutput([t = transcript_](std::wstring_view text) { *t += text; });
}

Driver::~Driver() {
    Engine::get().reset();
    host::Session::get().setOutput(
        [](std::wstring_view text) { std::fputs(wideToUtf8(text).c_str(), stdout); });
}

Driver& Driver::type(std::wstring text) {
    queue_->push_back(InputEvent::typed(std::move(text)));
    return *this;
}

Driver& Driver::pick(double x, double y, double z) {
    queue_->push_back(InputEvent::pick({x, y, z}));
    return *this;
}

Driver& Driver::move(double x, double y, double z) {
    queue_->push_back(InputEvent::move({x, y, z}));
    return *this;
}

Driver& Driver::key(int code) {
    queue_->push_back(InputEvent::keyPress(code));
    return *this;
}

Driver& Driver::esc() {
    queue_->push_back(InputEvent::cancel());
    return *this;
}

} // namespace vma::input
