// What the device painters share about pens and arcs: dash patterns and arc sweeps.
#pragma once

#include <cairo.h>

#include <span>
#include <vector>

namespace PenGeometry {

// Dash pattern of a line style code in device pixels (on, off, on, off ...); empty for
// solid (code 0 and every unknown code).
std::span<const double> dashPattern(int code);

// A pattern finer than this many pixels (dashes and gaps together) is drawn solid.
constexpr double kMinPatternPixels = 2.0;
// A stroke that would need more dashes than this is drawn solid, so that a fine pattern on
// a line reaching far beyond the picture costs no more than a solid line.
constexpr double kMaxDashes = 100000.0;

// Cairo's on/off lengths (starting with on, even in number) of a linetype pattern in
// pixels (dash > 0, gap < 0, dot 0) for a stroke `length` pixels long. A dot is one pixel
// taken from the gap after it. Empty, meaning solid, for a pattern finer than
// kMinPatternPixels, with a value that is not finite, or needing over kMaxDashes dashes.
std::vector<double> cairoDashes(std::span<const double> pattern, double length);

// Sets the stroke width in device pixels on `cr`: thin (one pixel) lines end flat at their
// end points and join mitred; wider ones end and join round, so that the pieces of a wide
// outline meet without notches.
void setStrokeWidth(cairo_t* cr, double pixels);
// How far a stroke of that width is moved in both axes so that its edges fall on pixel
// edges: half a pixel for odd widths (the stroke runs through pixel centres), none for even.
double pixelShift(double pixels);

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
bool nativeArc(double left, double top, double right, double bottom, double startX, double startY,
               double endX, double endY, EllipticArc& arc);

}  // namespace PenGeometry
