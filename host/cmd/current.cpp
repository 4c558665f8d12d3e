#include "host/cmd/current.h"

#include "acedads.h"
#include "host/cmd/make.h"
#include "host/db/entmake.h"
#include "host/db/session.h"
#include "host/sysvar/access.h"

#include <algorithm>
#include <fmt/format.h>
#include <fmt/xchar.h>

namespace vma::cmd {
namespace {

host::SysvarValue var(std::string_view name) {
    auto v = host::getSysvar(host::Session::get(), name);
    return v.ok() ? v.value() : host::SysvarValue{};
}

int precision(std::string_view name) {
    return static_cast<int>(std::clamp<int64_t>(intVar(name), 0, 8));
}

} // namespace

int64_t intVar(std::string_view name) {
    return var(name).integer;
}

double realVar(std::string_view name) {
    return var(name).real;
}

std::string textVar(std::string_view name) {
    return var(name).text;
}

ErrorOr<void> setVar(std::string_view name, const host::SysvarValue& value) {
    return host::setSysvar(host::Session::get(), name, value);
}

ErrorOr<db::EntityId> addEntity(db::GroupList groups, db::EntityId parent) {
    if (parent == db::kNoEntity) {
        auto id = addToDrawing(std::move(groups));
        if (!id)
            return Error{"the drawing refused the entity"};
        return *id;
    }
    db::Database& db = drawing();
    VMA_TRY_ASSIGN(host::PreparedEntity prepared, host::prepareEntity(db, std::move(groups)));
    if (!prepared.layerToCreate.empty())
        host::ensureLayer(db, prepared.layerToCreate);
    db::Entity e;
    e.block = db.entity(parent).block;
    e.parent = parent;
    e.groups = std::move(prepared.groups);
    return db.addEntity(std::move(e));
}

std::wstring distanceText(double value) {
    return fmt::format(L"{:.{}f}", value, precision("LUPREC"));
}

std::wstring angleText(double degrees) {
    return fmt::format(L"{:.{}f}", degrees, precision("AUPREC"));
}

std::optional<std::wstring> askLine(std::wstring_view prompt, bool blanks) {
    wchar_t answer[2048] = {};
    if (acedGetString(blanks ? 1 : 0, std::wstring(prompt).c_str(), answer, std::size(answer)) !=
        RTNORM)
        return std::nullopt;
    return std::wstring(answer);
}

void repeatOptions(const wchar_t* keywords, std::wstring_view prompt,
                   const std::function<bool(const std::wstring&)>& option) {
    std::wstring text(prompt);
    for (;;) {
        acedInitGet(0, keywords);
        wchar_t chosen[64] = {};
        if (acedGetKword(text.c_str(), chosen, std::size(chosen)) != RTNORM)
            return;
        if (!option(chosen))
            return;
    }
}

void print(std::wstring_view text) {
    host::Session::get().print(text);
}

std::optional<bool> askYesNo(std::wstring_view prompt, bool byDefault) {
    acedInitGet(0, L"Yes No");
    wchar_t answer[16] = {};
    int status = acedGetKword(std::wstring(prompt).c_str(), answer, std::size(answer));
    if (status == RTNONE)
        return byDefault;
    if (status != RTNORM)
        return std::nullopt;
    return std::wstring_view(answer) == L"Yes";
}

} // namespace vma::cmd
