// The dimension variables a dimension is drawn with (the current style and
// its overrides), read once per dimension, and the measured text they give.
#pragma once

#include "host/db/session.h"

#include <string>

namespace vma::cmd {

struct DimVars {
    double scale = 1;                  // DIMSCALE; 0 counts as 1 (no paper-space scaling here)
    double arrow = 2.5;                // DIMASZ
    double text = 2.5;                 // DIMTXT
    double offset = 0.625;             // DIMEXO
    double extend = 1.25;              // DIMEXE
    double gap = 0.625;                // DIMGAP
    double tick = 0;                   // DIMTSZ: above 0 ticks replace arrows
    double lineExtend = 0;             // DIMDLE
    std::string block, block1, block2; // DIMBLK, DIMBLK1, DIMBLK2
    bool separateBlocks = false;       // DIMSAH
    int decimals = 2;                  // DIMDEC
    double factor = 1;                 // DIMLFAC
    double round = 0;                  // DIMRND
    int textAbove = 1;                 // DIMTAD
    bool insideHorizontal = false;     // DIMTIH
    bool outsideHorizontal = false;    // DIMTOH
    int lineColor = 0, extColor = 0, textColor = 0; // DIMCLRD, DIMCLRE, DIMCLRT
    std::string textStyle = "Standard";             // DIMTXSTY
    bool suppress1 = false, suppress2 = false;      // DIMSE1, DIMSE2
    std::string post;                               // DIMPOST
    int zeros = 8;                                  // DIMZIN
    std::string style = "Standard";                 // DIMSTYLE

    // Sizes in drawing units: the variable times DIMSCALE.
    double scaled(double v) const { return v * scale; }
};

DimVars readDimVars(host::Session& session);

// The text a measurement shows: times DIMLFAC, rounded to DIMRND, DIMDEC
// decimals with DIMZIN's zero suppression, put into DIMPOST ("<>" marks the
// place; without it the suffix follows).
std::string measuredText(const DimVars& vars, double measurement);

// The text a dimension shows for what was typed at "Enter dimension text":
// empty keeps the measured text, "<>" inside is replaced by it.
std::string shownText(const std::string& typed, const std::string& measured);

} // namespace vma::cmd
