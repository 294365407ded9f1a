// What the device painters share about pens and arcs: dash patterns and arc sweeps.
#include "toolkit/paint/PenGeometry.h"
#include "entities/Angles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace PenGeometry {

namespace {}

std::span<const double> dashPattern(int code) {
  static constexpr double kDashed[] = {12.0, 6.0};
  static constexpr double kHidden[] = {6.0, 4.0};
  static constexpr double kDashDot[] = {12.0, 4.0, 2.0, 4.0};
  static constexpr double kPhantom[] = {18.0, 4.0, 3.0, 4.0, 3.0, 4.0};
  switch (code) {
    case 1: return kDashed;
    case 2: return kHidden;
    case 3: return kDashDot;
    case 4: return kPhantom;
    default: return {};
  }
}

std::vector<double> cairoDashes(std::span<const double> pattern, double length) {
  constexpr double kDotPixels = 1.0;
  std::vector<double> dashes;  // on, off, on, off ...
  bool afterDot = false;
  for (const double element : pattern) {
    if (!std::isfinite(element)) return {};
    const bool on = element >= 0.0;
    double pixels = element > 0.0 ? element : element == 0.0 ? kDotPixels : -element;
    if (!on && afterDot) pixels = std::max(0.0, pixels - kDotPixels);
    afterDot = element == 0.0;
    if (dashes.empty() && !on) dashes.push_back(0.0);
    const bool lastOn = dashes.size() % 2 == 1;
    if (!dashes.empty() && lastOn == on) {
      dashes.back() += pixels;
    } else {
      dashes.push_back(pixels);
    }
  }
  if (dashes.size() % 2 == 1) dashes.push_back(0.0);
  double period = 0.0;
  for (const double d : dashes) period += d;
  if (!(period >= kMinPatternPixels) || !std::isfinite(period)) return {};
  if (std::isfinite(length) && length / period > kMaxDashes) return {};
  return dashes;
}

void setStrokeWidth(cairo_t* cr, double pixels) {
  const bool thin = pixels <= 1.0;
  cairo_set_line_width(cr, pixels);
  cairo_set_line_cap(cr, thin ? CAIRO_LINE_CAP_BUTT : CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, thin ? CAIRO_LINE_JOIN_MITER : CAIRO_LINE_JOIN_ROUND);
}

double pixelShift(double pixels) { return std::fmod(std::round(pixels), 2.0) == 0.0 ? 0.0 : 0.5; }

double positiveSweep(double start, double end) {
  double sweep = end - start;
  if (sweep == 0.0) return 0.0;
  if (sweep > kFullTurn) return kFullTurn;
  if (sweep < 0.0) {
    sweep = std::fmod(sweep, kFullTurn) + kFullTurn;
  }
  return sweep;
}

bool nativeArc(double left, double top, double right, double bottom, double startX, double startY,
               double endX, double endY, EllipticArc& arc) {
  for (double v : {left, top, right, bottom, startX, startY, endX, endY}) {
    if (!std::isfinite(v)) return false;
  }
  const double cx = (left + right) / 2.0;
  const double cy = (top + bottom) / 2.0;
  const double rx = std::abs(right - left) / 2.0;
  const double ry = std::abs(bottom - top) / 2.0;
  if (rx == 0.0 || ry == 0.0) return false;
  // In the y-down parameter u of (cx + rx cos u, cy - ry sin u), counter-clockwise on the
  // screen is increasing u.
  const double u0 = std::atan2(-(startY - cy) / ry, (startX - cx) / rx);
  const double u1 = std::atan2(-(endY - cy) / ry, (endX - cx) / rx);
  arc = {cx, cy, rx, -ry, u0, u1 == u0 ? kFullTurn : positiveSweep(u0, u1)};
  return true;
}

}  // namespace PenGeometry
