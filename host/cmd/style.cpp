// STYLE as its command-line form asks for a text style, and TEXTSTYLE, which
// only makes an existing style current.
#include "acedads.h"
#include "host/base/text.h"
#include "host/cmd/current.h"
#include "host/cmd/text_commands.h"
#include "host/cmd/text_style.h"
#include "host/db/entmake.h"

#include <cmath>
#include <fmt/xchar.h>

namespace vma::cmd {
namespace {

constexpr double kMaxOblique = 85;

std::optional<std::string> askText(std::wstring_view prompt, bool blanks = false) {
    auto line = askLine(prompt, blanks);
    return line ? std::optional(wideToUtf8(*line)) : std::nullopt;
}

void listStyles() {
    for (const db::TableRecord& r : drawing().table(db::TableKind::Style).records) {
        if (r.erased || r.name().empty())
            continue;
        auto style = findStyle(drawing(), r.name());
        print(fmt::format(L"Style name: \"{}\"  Font files: {}\n   Height: {}  Width factor: {}  "
                          L"Obliquing angle: {}\n",
                          utf8ToWide(style->name), utf8ToWide(style->font),
                          distanceText(style->height), distanceText(style->widthFactor),
                          angleText(style->oblique)));
    }
}

// The style to define: an existing one (its settings are the defaults) or a new name.
std::optional<TextStyle> askStyleName() {
    TextStyle current = currentStyle();
    std::wstring prompt = L"Enter name of text style or [?] <" + utf8ToWide(current.name) + L">: ";
    for (;;) {
        auto name = askText(prompt);
        if (!name)
            return std::nullopt;
        if (name->empty())
            return current;
        if (*name == "?") {
            listStyles();
            continue;
        }
        if (!host::isValidSymbolName(*name)) {
            print(L"Invalid text style name.\n");
            continue;
        }
        if (auto existing = findStyle(drawing(), *name))
            return existing;
        print(L"New style.\n");
        TextStyle fresh = current;
        fresh.name = *name;
        return fresh;
    }
}

std::optional<double> askNumber(std::wstring_view prompt, double current, int flags,
                                bool distance) {
    std::wstring text(prompt);
    text += L" <" + (distance ? distanceText(current) : angleText(current)) + L">: ";
    for (;;) {
        double value = 0;
        acedInitGet(flags, distance ? L"Annotative" : nullptr);
        int status = distance ? acedGetDist(nullptr, text.c_str(), &value)
                              : acedGetReal(text.c_str(), &value);
        if (status == RTNONE)
            return current;
        if (status == RTKWORD)
            continue;
        if (status != RTNORM)
            return std::nullopt;
        return value;
    }
}

std::optional<double> askOblique(double current) {
    for (;;) {
        auto angle = askNumber(L"Specify obliquing angle", current, 0, false);
        if (!angle || std::abs(*angle) <= kMaxOblique)
            return angle;
        print(L"Value must be between -85 and 85.\n");
    }
}

// Backwards (2) and upside down (4) in the generation flags.
bool askFlag(std::wstring_view question, int bit, int& flags) {
    std::wstring prompt(question);
    bool on = (flags & bit) != 0;
    prompt += on ? L" [Yes/No] <Yes>: " : L" [Yes/No] <No>: ";
    auto answer = askYesNo(prompt, on);
    if (!answer)
        return false;
    flags = *answer ? flags | bit : flags & ~bit;
    return true;
}

bool isTrueType(std::string_view font) {
    std::string upper = upperName(font);
    return upper.size() > 4 &&
           (upper.ends_with(".TTF") || upper.ends_with(".TTC") || upper.ends_with(".OTF"));
}

bool askSettings(TextStyle& style) {
    auto font = askText(L"Specify full font name or font filename (TTF or SHX) <" +
                            utf8ToWide(style.font) + L">: ",
                        true);
    if (!font)
        return false;
    if (!font->empty())
        style.font = *font;
    auto height =
        askNumber(L"Specify height of text or [Annotative]", style.height, RSG_NONEG, true);
    auto width = height ? askNumber(L"Specify width factor", style.widthFactor,
                                    RSG_NOZERO | RSG_NONEG, false)
                        : std::nullopt;
    auto oblique = width ? askOblique(style.oblique) : std::nullopt;
    if (!oblique)
        return false;
    style.height = *height;
    style.widthFactor = *width;
    style.oblique = *oblique;
    if (!askFlag(L"Display text backwards?", 2, style.generation) ||
        !askFlag(L"Display text upside-down?", 4, style.generation))
        return false;
    if (isTrueType(style.font))
        return true;
    int vertical = style.vertical ? 4 : 0;
    if (!askFlag(L"Vertical?", 4, vertical))
        return false;
    style.vertical = vertical != 0;
    return true;
}

// The record's groups with the style's settings; other groups of an existing record stay.
db::GroupList styleGroups(const TextStyle& style, const db::GroupList* old) {
    db::GroupList g = old ? *old : db::GroupList{};
    g.setText(2, style.name);
    int flags = static_cast<int>(g.findInt(70).value_or(0));
    g.setInt(70, style.vertical ? flags | 4 : flags & ~4);
    g.setReal(40, style.height);
    g.setReal(41, style.widthFactor);
    g.setReal(50, style.oblique);
    g.setInt(71, style.generation);
    if (style.height > 0 || g.find(42) < 0)
        g.setReal(42, style.height > 0 ? style.height : realVar("TEXTSIZE"));
    g.setText(3, style.font);
    if (g.find(4) < 0)
        g.addText(4, "");
    return g;
}

void storeStyle(const TextStyle& style) {
    db::Database& db = drawing();
    if (auto index = db.findRecord(db::TableKind::Style, style.name)) {
        db.replaceRecord(db::TableKind::Style, *index,
                         styleGroups(style, &db.record(db::TableKind::Style, *index).groups));
        return;
    }
    db::TableRecord record;
    record.groups = styleGroups(style, nullptr);
    db.addRecord(db::TableKind::Style, std::move(record));
}

void styleCommand() {
    auto style = askStyleName();
    if (!style || !askSettings(*style))
        return;
    storeStyle(*style);
    (void)setVar("TEXTSTYLE", host::SysvarValue::ofText(style->name));
    print(fmt::format(L"\"{}\" is now the current text style.\n", utf8ToWide(style->name)));
}

// TEXTSTYLE is a variable that names an existing style; typed as a command it
// asks for its new value.
void textStyleCommand() {
    std::wstring prompt =
        L"Enter new value for TEXTSTYLE <\"" + utf8ToWide(currentStyle().name) + L"\">: ";
    for (;;) {
        auto name = askText(prompt);
        if (!name || name->empty())
            return;
        auto found = findStyle(drawing(), *name);
        if (found && setVar("TEXTSTYLE", host::SysvarValue::ofText(found->name)).ok())
            return;
        print(fmt::format(L"Cannot find text style \"{}\".\n", utf8ToWide(*name)));
    }
}

} // namespace

void addStyleCommands(input::CommandRegistry& registry) {
    registry.add(L"STYLE", styleCommand);
    registry.add(L"-STYLE", styleCommand);
    registry.add(L"TEXTSTYLE", textStyleCommand);
}

} // namespace vma::cmd
