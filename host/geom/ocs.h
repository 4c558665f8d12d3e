// Object coordinate systems: the arbitrary-axis algorithm of the DXF reference,
// which derives an entity's X and Y axes from its extrusion direction (210).
#pragma once

namespace vma::geom {

struct Axes {
    double x[3], y[3], z[3];
};

// The OCS axes for an extrusion vector (normalised here; a zero vector gives the WCS).
Axes ocsAxes(const double extrusion[3]);
// OCS point to WCS and back.
void ocsToWcs(const Axes& axes, const double in[3], double out[3]);
void wcsToOcs(const Axes& axes, const double in[3], double out[3]);
bool isWorldZ(const double extrusion[3]);

} // namespace vma::geom
