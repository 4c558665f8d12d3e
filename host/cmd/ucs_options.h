// The parts of the UCS command beyond its first prompt.
#pragma once

#include "host/db/frames.h"
#include "host/db/session.h"

#include <optional>
#include <string_view>

namespace vma::cmd {

// Makes the frame current under the name, the one it replaces kept for Previous.
void applyUcs(host::Session& session, const host::Frame& frame, std::string_view name);

// NAmed and its shortcuts: Save, Restore, Delete, ? on the UCS table.
void namedUcs(host::Session& session);
void saveNamedUcs(host::Session& session);
void restoreNamedUcs(host::Session& session);
void deleteNamedUcs(host::Session& session);
void listNamedUcs(host::Session& session);

// OBject: the system an entity is drawn in, its origin at the entity's first point.
std::optional<host::Frame> objectUcs(host::Session& session);

} // namespace vma::cmd
