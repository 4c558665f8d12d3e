// What a prompt receives: typed text, a pick or pointer move at a world
// point, a key, Esc, or an entity or selection set a program hands to a
// command; and what the prompt asking for it can take.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vma::input {

using Point = std::array<double, 3>;

struct InputEvent {
    using Name = std::array<int64_t, 2>; // an ads_name

    enum class Kind { Text, Pick, Move, Key, Cancel, Entity, Selection };
    Kind kind = Kind::Text;
    std::wstring text; // Text: one answer, "" for Enter
    Point point{};     // Pick and Move: world coordinates
    int key = 0;       // Key: the character code
    Name name{};       // Entity: an entity name; Selection: a selection-set name

    static InputEvent typed(std::wstring t) { return {Kind::Text, std::move(t), {}, 0, {}}; }
    static InputEvent pick(Point p) { return {Kind::Pick, {}, p, 0, {}}; }
    static InputEvent move(Point p) { return {Kind::Move, {}, p, 0, {}}; }
    static InputEvent keyPress(int k) { return {Kind::Key, {}, {}, k, {}}; }
    static InputEvent cancel() { return {Kind::Cancel, {}, {}, 0, {}}; }
    static InputEvent entity(Name n) { return {Kind::Entity, {}, {}, 0, n}; }
    static InputEvent selection(Name n) { return {Kind::Selection, {}, {}, 0, n}; }
};

struct Request {
    bool blanks = false;        // the rest of the line is one answer (acedGetString crOnly)
    bool commandPrompt = false; // no prompt waits: AutoLISP results are dropped
    bool pointer = false;       // acedGrRead: keys and pointer moves are wanted
    // The command may end here: a program whose answers ran out ends it with
    // Enter instead of cancelling it (COPY's repeated second point).
    bool mayEnd = false;
};

// Where answers come from. next() gives nullopt when the source has run out.
class InputSource {
public:
    virtual ~InputSource() = default;
    virtual std::optional<InputEvent> next(const Request& request) = 0;
    // Whether answers are written after their prompt (not when someone typed them).
    virtual bool echoes() const { return true; }
    // Consumes an Esc waiting at the front, for acedUsrBrk.
    virtual bool takeBreak() { return false; }
};

} // namespace vma::input
