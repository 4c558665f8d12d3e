// The command layer file of each drawing. Stand-in until the command layer
// configuration is built: a drawing has nothing to open or release yet.
#pragma once

// Registers the current drawing's command layer file: 0.
int dv_layer_config_open();
// Drops the current drawing's use of its command layer file: 0.
int dv_layer_config_release();
