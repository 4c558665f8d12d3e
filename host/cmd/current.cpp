#include "host/cmd/current.h"

#include "acedads.h"
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
    db::Database& db = drawing();
    VMA_TRY_ASSIGN(host::PreparedEntity prepared, host::prepareEntity(db, std::move(groups)));
    if (!prepared.layerToCreate.empty())
        host::ensureLayer(db, prepared.layerToCreate);
    db::Entity e;
    bool paper = prepared.paperSpace || intVar("TILEMODE") == 0;
    e.block = parent != db::kNoEntity ? db.entity(parent).block
              : paper                 ? db.paperSpace()
                                      : db.modelSpace();
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
