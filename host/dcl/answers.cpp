#include "host/dcl/answers.h"

#include <charconv>

namespace vma::dcl {

namespace {

constexpr std::string_view kPrefix = "#dlg";

struct Verb {
    Action::Kind kind;
    const char* name;
};

constexpr Verb kVerbs[] = {
    {Action::Kind::Set, "set"},       {Action::Kind::Pick, "pick"},
    {Action::Kind::Double, "double"}, {Action::Kind::Toggle, "toggle"},
    {Action::Kind::Choose, "choose"}, {Action::Kind::Click, "click"},
    {Action::Kind::Press, "press"},   {Action::Kind::Drag, "drag"},
    {Action::Kind::Move, "move"},     {Action::Kind::Show, "show"},
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The next blank-delimited word of rest, taken off it.
std::string_view word(std::string_view& rest) {
    rest = trim(rest);
    size_t end = 0;
    while (end < rest.size() && !isBlank(rest[end]))
        ++end;
    std::string_view w = rest.substr(0, end);
    rest.remove_prefix(end);
    return w;
}

ErrorOr<int> integer(std::string_view text, const char* what) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return Error{std::string("expected ") + what + ", found \"" + std::string(text) + "\""};
    return value;
}

ErrorOr<std::string> textArgument(std::string_view rest) {
    rest = trim(rest);
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"')
        return std::string(rest.substr(1, rest.size() - 2));
    return std::string(rest);
}

ErrorOr<void> arguments(Action& action, std::string_view rest) {
    using K = Action::Kind;
    if (action.kind == K::Move) {
        VMA_TRY_ASSIGN(action.x, integer(word(rest), "x"));
        VMA_TRY_ASSIGN(action.y, integer(word(rest), "y"));
    }
    if (action.kind != K::Move && action.kind != K::Show) {
        action.key = std::string(word(rest));
        if (action.key.empty())
            return Error{"a tile key is missing"};
    }
    switch (action.kind) {
    case K::Set:
    case K::Drag: {
        VMA_TRY_ASSIGN(action.text, textArgument(rest));
        return {};
    }
    case K::Pick:
    case K::Double:
        for (std::string_view w = word(rest); !w.empty(); w = word(rest)) {
            VMA_TRY_ASSIGN(int index, integer(w, "a line index"));
            action.indexes.push_back(index);
        }
        if (action.indexes.empty() || (action.kind == K::Double && action.indexes.size() != 1))
            return Error{action.kind == K::Double ? "one line index expected"
                                                  : "line indexes expected"};
        return {};
    case K::Click: {
        VMA_TRY_ASSIGN(action.x, integer(word(rest), "x"));
        VMA_TRY_ASSIGN(action.y, integer(word(rest), "y"));
        break;
    }
    default:
        break;
    }
    if (!trim(rest).empty())
        return Error{"unexpected \"" + std::string(trim(rest)) + "\""};
    return {};
}

} // namespace

bool isDirective(std::string_view line) {
    line = trim(line);
    return line.substr(0, kPrefix.size()) == kPrefix &&
           (line.size() == kPrefix.size() || isBlank(line[kPrefix.size()]));
}

ErrorOr<Action> parseDirective(std::string_view line) {
    if (!isDirective(line))
        return Error{"not a dialog directive: " + std::string(line)};
    std::string_view rest = trim(line).substr(kPrefix.size());
    std::string_view verb = word(rest);
    for (const Verb& v : kVerbs) {
        if (verb != v.name)
            continue;
        Action action;
        action.kind = v.kind;
        auto ok = arguments(action, rest);
        if (!ok)
            return Error{"#dlg " + std::string(verb) + ": " + ok.error().message};
        return action;
    }
    return Error{"#dlg: unknown action \"" + std::string(verb) + "\""};
}

std::string describe(const Action& action) {
    std::string out = "#dlg ";
    for (const Verb& v : kVerbs)
        if (v.kind == action.kind)
            out += v.name;
    if (!action.key.empty())
        out += " " + action.key;
    using K = Action::Kind;
    if (action.kind == K::Set || action.kind == K::Drag)
        out += " \"" + action.text + "\"";
    for (int i : action.indexes)
        out += " " + std::to_string(i);
    if (action.kind == K::Click || action.kind == K::Move)
        out += " " + std::to_string(action.x) + " " + std::to_string(action.y);
    return out;
}

std::optional<Action> DialogAnswers::pop() {
    if (queue_.empty())
        return std::nullopt;
    Action action = std::move(queue_.front());
    queue_.pop_front();
    return action;
}

} // namespace vma::dcl
