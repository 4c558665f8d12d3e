#include "host/cmd/dim_style_prompts.h"

#include "host/base/text.h"
#include "host/cmd/dim_style.h"
#include "host/cmd/drafting_input.h"
#include "host/db/entmake.h"
#include "host/db/wcmatch.h"
#include "host/input/prompt.h"
#include "host/sysvar/access.h"

namespace vma::cmd {
namespace {

int expert(host::Session& session) {
    auto v = host::getSysvar(session, "EXPERT");
    return v.ok() ? static_cast<int>(v->integer) : 0;
}

std::wstring currentStyle(host::Session& session) {
    auto v = host::getSysvar(session, "DIMSTYLE");
    return utf8ToWide(v.ok() ? v->text : std::string());
}

// "?": the styles matching a pattern, one a line.
bool listStyles() {
    auto a = promptText(L"Enter dimension style(s) to list <*>: ", false);
    if (a.cancelled())
        return false;
    db::WcPattern pattern(utf8ToWide(a.value.empty() ? "*" : a.value), db::WcCase::Insensitive);
    const db::Database& db = *host::Session::get().current().db;
    input::say(L"\nNamed dimension styles:\n");
    for (const db::TableRecord& r : db.table(db::TableKind::DimStyle).records)
        if (!r.erased && pattern.matches(r.name()))
            input::say(L"  " + utf8ToWide(r.name()) + L"\n");
    return true;
}

bool confirmRedefine() {
    auto a = promptKeyword(L"That name is already in use, redefine it? <N>: ", L"Yes No");
    return a.isValue() && a.value == L"Yes";
}

std::optional<std::string> styleOfPickedDimension() {
    for (;;) {
        auto id = pickEntity(L"Select dimension: ");
        if (!id)
            return std::nullopt;
        const db::Entity& e = host::Session::get().current().db->entity(*id);
        if (e.type() == "DIMENSION")
            return std::string(e.groups.findText(3).value_or("Standard"));
        input::say(L"Object selected is not a dimension.\n");
    }
}

} // namespace

bool saveStyleCommand() {
    host::Session& session = host::Session::get();
    for (;;) {
        auto a = promptText(L"Enter name for new dimension style or [?]: ", false);
        if (!a.isValue() || a.value.empty())
            return false;
        if (a.value == "?") {
            if (!listStyles())
                return false;
            continue;
        }
        if (!host::isValidSymbolName(a.value)) {
            input::say(L"Invalid dimension style name.\n");
            continue;
        }
        bool exists =
            session.current().db->findRecord(db::TableKind::DimStyle, a.value).has_value();
        if (exists && expert(session) < 5 && !confirmRedefine())
            return false;
        return saveDimStyle(session, a.value).ok();
    }
}

bool restoreStyleCommand() {
    host::Session& session = host::Session::get();
    input::say(L"Current dimension style: " + currentStyle(session) + L"\n");
    for (;;) {
        auto a = promptText(L"Enter a dimension style name, [?] or <select dimension>: ", false);
        if (a.cancelled())
            return false;
        std::string name = a.value;
        if (name == "?") {
            if (!listStyles())
                return false;
            continue;
        }
        if (name.empty()) {
            auto picked = styleOfPickedDimension();
            if (!picked)
                return false;
            name = *picked;
        }
        if (restoreDimStyle(session, name).ok())
            return true;
        input::say(L"Dimension style \"" + utf8ToWide(name) + L"\" not found.\n");
        return false;
    }
}

} // namespace vma::cmd
