// The TEXT command: single-line texts with their justification, style,
// height and rotation, one per line until an empty line; Enter at the first
// prompt continues under the text placed last.
#include "host/base/text.h"

#include "acedads.h"
#include "host/cmd/current.h"
#include "host/cmd/plane.h"
#include "host/cmd/text_commands.h"
#include "host/cmd/text_layout.h"
#include "host/cmd/text_style.h"
#include "host/db/session.h"
#include "host/input/engine.h"

#include <cmath>
#include <fmt/xchar.h>
#include <numbers>

namespace vma::cmd {
namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;

// What the next TEXT command continues from, for one drawing.
struct LastText {
    int64_t serial = 0;
    std::optional<TextLine> line;
    std::string style;
    double ucsRotation = 0; // radians, the default of the rotation prompt
};

LastText& lastText() {
    static LastText last;
    if (last.serial != drawing().serial())
        last = LastText{drawing().serial(), std::nullopt, {}, 0};
    return last;
}

// Called from a script, AutoLISP or a command call, TEXT takes one line and
// ends, so that what follows is the next command; typed at the command line
// it takes lines until an empty one.
bool oneLineOnly() {
    return (intVar("CMDACTIVE") & (4 | 32 | 64)) != 0 || input::Engine::get().depth() > 1;
}

void printSettings(const TextStyle& style) {
    double height = style.height > 0 ? style.height : realVar("TEXTSIZE");
    print(fmt::format(L"Current text style:  \"{}\"  Text height:  {}  Annotative:  No  Justify:  "
                      L"Left\n",
                      utf8ToWide(style.name), distanceText(height)));
}

Point ucsPoint(const ads_point p) {
    return {p[0], p[1], p[2]};
}

int askTextPoint(const ads_point base, std::wstring_view prompt, Point& out) {
    ads_point p;
    int status = acedGetPoint(base, std::wstring(prompt).c_str(), p);
    if (status == RTNORM)
        out = ucsPoint(p);
    return status;
}

// The Style option: another existing style becomes current.
bool chooseStyle() {
    TextStyle style = currentStyle();
    std::wstring prompt = L"Enter style name or [?] <" + utf8ToWide(style.name) + L">: ";
    for (;;) {
        auto answer = askLine(prompt);
        if (!answer)
            return false;
        std::string name = wideToUtf8(*answer);
        if (name.empty())
            return true;
        if (name == "?") {
            for (const db::TableRecord& r : drawing().table(db::TableKind::Style).records)
                if (!r.erased)
                    print(fmt::format(L"Style name: \"{}\"\n", utf8ToWide(r.name())));
            continue;
        }
        auto found = findStyle(drawing(), name);
        if (found && setVar("TEXTSTYLE", host::SysvarValue::ofText(found->name)).ok())
            return true;
        print(fmt::format(L"Cannot find text style \"{}\".\n", *answer));
    }
}

std::optional<Justify> chooseJustify() {
    acedInitGet(RSG_NONULL, L"Left Center Right Align Middle Fit TL TC TR ML MC MR BL BC BR");
    wchar_t answer[32] = {};
    int status = acedGetKword(
        L"Enter an option [Left/Center/Right/Align/Middle/Fit/TL/TC/TR/ML/MC/MR/BL/BC/BR]: ",
        answer, std::size(answer));
    if (status != RTNORM)
        return std::nullopt;
    return justifyNamed(answer);
}

// The first prompt's outcome: a justification and maybe its point already, or
// a continuation of the last text.
struct Start {
    Justify justify = Justify::Left;
    std::optional<Point> point;
    bool continues = false;
};

constexpr const wchar_t* kStartKeywords =
    L"Justify Style Left Center Right Align Middle Fit TL TC TR ML MC MR BL BC BR";

std::optional<Start> askStart() {
    for (;;) {
        acedInitGet(0, kStartKeywords);
        Point p{};
        int status = askTextPoint(nullptr, L"Specify start point of text or [Justify/Style]: ", p);
        if (status == RTNORM)
            return Start{Justify::Left, p, false};
        if (status == RTNONE && lastText().line)
            return Start{lastText().line->justify, std::nullopt, true};
        if (status == RTNONE)
            continue;
        if (status != RTKWORD)
            return std::nullopt;
        std::wstring keyword = host::Session::get().lastInput();
        if (keyword == L"Style") {
            if (!chooseStyle())
                return std::nullopt;
            printSettings(currentStyle());
            continue;
        }
        auto justify = keyword == L"Justify" ? chooseJustify() : justifyNamed(keyword);
        if (!justify)
            return std::nullopt;
        return Start{*justify, std::nullopt, false};
    }
}

std::optional<double> askHeight(const TextStyle& style, const Point& at) {
    if (style.height > 0)
        return style.height;
    double current = realVar("TEXTSIZE");
    std::wstring prompt = L"Specify height <" + distanceText(current) + L">: ";
    ads_point base = {at[0], at[1], at[2]};
    double height = 0;
    acedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
    int status = acedGetDist(base, prompt.c_str(), &height);
    if (status == RTNONE)
        return current;
    if (status != RTNORM)
        return std::nullopt;
    (void)setVar("TEXTSIZE", host::SysvarValue::ofReal(height));
    return height;
}

std::optional<double> askRotation(const Point& at) {
    double current = lastText().ucsRotation;
    std::wstring prompt =
        L"Specify rotation angle of text <" + angleText(current * kDegrees) + L">: ";
    ads_point base = {at[0], at[1], at[2]};
    double angle = 0;
    int status = acedGetOrient(base, prompt.c_str(), &angle);
    if (status == RTNONE)
        return current;
    if (status != RTNORM)
        return std::nullopt;
    return angle;
}

// Asks for what the justification needs; the line's points are in the OCS.
std::optional<TextLine> askPlacement(const Start& start, const TextStyle& style,
                                     const Plane& plane) {
    TextLine line;
    line.justify = start.justify;
    line.widthFactor = style.widthFactor;
    Point first{};
    if (start.point) {
        first = *start.point;
    } else if (askTextPoint(nullptr, ruleOf(start.justify).pointPrompt, first) != RTNORM) {
        return std::nullopt;
    }
    line.first = plane.toOcs(first);
    if (betweenPoints(start.justify)) {
        ads_point base = {first[0], first[1], first[2]};
        Point second{};
        if (askTextPoint(base, L"Specify second endpoint of text baseline: ", second) != RTNORM)
            return std::nullopt;
        line.second = plane.toOcs(second);
    }
    if (start.justify == Justify::Align) {
        line.height = style.height > 0 ? style.height : realVar("TEXTSIZE");
        return line;
    }
    auto height = askHeight(style, first);
    if (!height)
        return std::nullopt;
    line.height = *height;
    if (start.justify == Justify::Fit)
        return line;
    auto rotation = askRotation(first);
    if (!rotation)
        return std::nullopt;
    lastText().ucsRotation = *rotation;
    line.rotation = plane.angleInOcs(*rotation);
    return line;
}

db::GroupList textGroups(const TextLine& line, const TextStyle& style, const Plane& plane) {
    TextPlacement at = place(line);
    const JustifyRule& rule = ruleOf(line.justify);
    db::GroupList g;
    g.addText(0, "TEXT");
    addPoint(g, 10, at.start);
    g.addReal(40, at.height);
    g.addText(1, line.text);
    if (at.rotation != 0)
        g.addReal(50, at.rotation * kDegrees);
    if (std::abs(at.widthFactor - 1) > 1e-12)
        g.addReal(41, at.widthFactor);
    if (style.oblique != 0)
        g.addReal(51, style.oblique);
    g.addText(7, style.name);
    if (style.generation != 0)
        g.addInt(71, style.generation);
    if (rule.horizontal != 0)
        g.addInt(72, rule.horizontal);
    if (line.justify != Justify::Left)
        addPoint(g, 11, at.alignment);
    plane.addExtrusion(g);
    if (rule.vertical != 0)
        g.addInt(73, rule.vertical);
    return g;
}

// Reads lines and makes a TEXT of each, one under the other.
void writeLines(TextLine line, const TextStyle& style, const Plane& plane) {
    for (;;) {
        auto answer = askLine(L"Enter text: ", true);
        if (!answer || answer->empty())
            return;
        line.text = wideToUtf8(*answer);
        if (!addEntity(textGroups(line, style, plane)).ok())
            return;
        TextPlacement at = place(line);
        line.height = at.height;
        lastText().line = line;
        lastText().style = style.name;
        if (oneLineOnly())
            return;
        line = lineBelow(line);
    }
}

void textCommand() {
    TextStyle style = currentStyle();
    printSettings(style);
    auto start = askStart();
    if (!start)
        return;
    style = currentStyle();
    Plane plane = Plane::current();
    if (start->continues) {
        if (auto same = findStyle(drawing(), lastText().style))
            style = *same;
        writeLines(lineBelow(*lastText().line), style, plane);
        return;
    }
    auto line = askPlacement(*start, style, plane);
    if (!line)
        return;
    writeLines(*line, style, plane);
}

} // namespace

void addTextCommands(input::CommandRegistry& registry) {
    for (const wchar_t* name : {L"TEXT", L"DTEXT", L"-TEXT"})
        registry.add(name, textCommand);
    addStyleCommands(registry);
}

} // namespace vma::cmd
