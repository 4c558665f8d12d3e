// The drawing data record: scale, unit and release of each drawing, kept in
// the drawing variable store under VMADefStruct. Stand-in until the record is
// read from and written into the drawing: the record is made and filled with
// its defaults, and its scale follows DIMSCALE; nothing goes into the drawing.
#pragma once

#include <cstdint>

struct VMADefStruct {
    double scale;           // 1:scale; follows DIMSCALE / unit factor
    double mainScale;       // the scale the drawing was set up with
    double unitFactor;      // millimetres per drawing unit: 1, 0.1, 0.01, 0.001
    double dimScale;        // scale x unit factor, the value for DIMSCALE
    int32_t sibling;        // 1 when the sibling concrete module is loaded
    int32_t unitIndex;      // 0 mm, 1 cm, 2 dm, 3 m
    wchar_t unitName[51];   // "MM", "CM", "DM" or "M"
    wchar_t release[61];    // the module release that wrote the record
    double creationDate;    // CDATE form
    int32_t complete;       // 1 when read completely from the drawing
    wchar_t layerFile[122]; // the drawing's command layer file
};

// The current drawing's record, or null when it has none.
VMADefStruct* vma_drawing_data();
// Gives the current drawing a zeroed record unless it has one: the record.
VMADefStruct* vma_drawing_data_create();
// Frees the current drawing's record and its store entry.
void vma_drawing_data_free();
// Frees the records of all drawings (the store itself is emptied by the caller).
void vma_drawing_data_free_all();

// Fills the current drawing's record with the defaults.
void vma_drawing_data_defaults();
// Reads the record at drawing load (mode 0) or for a caller's scale and unit
// code (mode 1): the defaults, with the scale taken from DIMSCALE. 0.
int vma_drawing_data_read(int mode, double scale, int unitCode);
// Writes the record into the drawing (at save and at the end of a session): 0.
int vma_drawing_data_save();
