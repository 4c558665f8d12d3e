// Writing entities from the built-in commands: points into group lists, the
// layer new entities go on, and adding an entity to model space through the
// database (so the undo journal sees it).
#pragma once

#include "host/db/database.h"
#include "host/db/session.h"
#include "host/geom/geom.h"

#include <string>

namespace vma::cmd {

// Groups code, code+10 and code+20.
void addPoint(db::GroupList& g, int code, const geom::Vec3& p);
// Groups code and code+10.
void addPoint2(db::GroupList& g, int code, const geom::Vec3& p);

// CLAYER, or "0" when it is unset.
std::string currentLayerName(host::Session& session);

db::EntityId addToModelSpace(db::Database& db, db::GroupList groups);

} // namespace vma::cmd
