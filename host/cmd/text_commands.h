// The command families of texts, layers and block references, each added to
// the registry by one call.
#pragma once

#include "host/input/commands.h"

namespace vma::cmd {

// TEXT (also DTEXT and -TEXT) and the style commands below.
void addTextCommands(input::CommandRegistry& registry);
// STYLE (also -STYLE) and TEXTSTYLE.
void addStyleCommands(input::CommandRegistry& registry);
// LAYER (also -LAYER) and the viewport layer command below.
void addLayerCommands(input::CommandRegistry& registry);
// VPLAYER.
void addViewportLayerCommands(input::CommandRegistry& registry);
// INSERT (also -INSERT).
void addInsertCommands(input::CommandRegistry& registry);
// MENU and REGEN.
void addDisplayCommands(input::CommandRegistry& registry);

} // namespace vma::cmd
