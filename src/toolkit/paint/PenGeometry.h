// What the device painters share about pens and arcs: dash patterns and arc sweeps.
#pragma once

#include <span>

namespace PenGeometry {

// Dash pattern of a line style code in device pixels (on, off, on, off ...); empty for
// solid (code 0 and every unknown code).
std::span<const double> dashPattern(int code);

// Sweep of an arc from `start` to `end` (radians) going the positive way, in (0, 2 pi];
// 0 when the two angles are equal.
double positiveSweep(double start, double end);

// An elliptic arc (cx + rx cos t, cy + ry sin t) for t from t0 to t0 + sweep, in device
// pixels; the signs of rx and ry choose the direction on the device.
struct EllipticArc {
  double cx = 0.0;
  double cy = 0.0;
  double rx = 0.0;
  double ry = 0.0;
  double t0 = 0.0;
  double sweep = 0.0;
};

// The device-context arc (bounding box, start and end points giving only directions
// from the centre, counter-clockwise on the screen; equal directions: the whole ellipse).
// None without finite values or with a flat box.
bool nativeArc(double left, double top, double right, double bottom, double startX,
               double startY, double endX, double endY, EllipticArc& arc);

}  // namespace PenGeometry
