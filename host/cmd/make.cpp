#include "host/cmd/make.h"

#include "host/base/text.h"
#include "host/cmd/prompts.h"
#include "host/db/entmake.h"
#include "host/db/session.h"
#include "host/input/prompt.h"
#include "host/sysvar/access.h"

namespace vma::cmd {
namespace {

int64_t variable(std::string_view name, int64_t fallback) {
    auto v = host::getSysvar(host::Session::get(), name);
    return v.ok() ? v->integer : fallback;
}

// Paper space when the layout is current and no viewport is entered.
bool inPaperSpace() {
    return variable("TILEMODE", 1) == 0 && variable("CVPORT", 2) == 1;
}

} // namespace

uint32_t currentSpace() {
    return inPaperSpace() ? drawing().paperSpace() : drawing().modelSpace();
}

std::optional<db::EntityId> addToDrawing(db::GroupList groups) {
    db::Database& db = drawing();
    auto prepared = host::prepareEntity(db, std::move(groups));
    if (!prepared) {
        input::say(utf8ToWide(prepared.error().message) + L"\n");
        return std::nullopt;
    }
    if (!prepared->layerToCreate.empty())
        host::ensureLayer(db, prepared->layerToCreate);
    db::Entity e;
    e.block = currentSpace();
    e.groups = std::move(prepared->groups);
    return db.addEntity(std::move(e));
}

} // namespace vma::cmd
