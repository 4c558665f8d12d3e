// The module's answer to each application message of the CAD program, in the
// order of work the messages ask for.
#pragma once

// kInitAppMsg: unlock, F1 filter, MDI awareness, the application object with
// its rows registered, the command hooks, the host release tag.
void dv_on_init_app(void* appId);
// kLoadDwgMsg: rows registered again, the VMASTRAM aliases, dvinit, the
// drawing data record, the dialog file, #VMADIR and #DVAV, and the
// empty-drawing notice or the reading of the drawing's record.
void dv_on_load_drawing();
// kUnloadDwgMsg: the drawing's command layer file, record and store go.
void dv_on_unload_drawing();
// kSaveMsg: the drawing data record is written into the drawing.
void dv_on_save();
// kEndMsg: as kSaveMsg, then the configuration is written back and an
// unfinished in-place block edit is forgotten.
void dv_on_end();
// kInvkSubrMsg: the row of acedGetFunCode() runs.
void dv_on_invoke_subr();
// kUnloadAppMsg: configuration written, catalogue closed, F1 filter removed,
// stores emptied, command group removed, application object deleted.
void dv_on_unload_app();

// Forgets the store entries of an unfinished in-place block edit.
void dv_discard_block_edit();
