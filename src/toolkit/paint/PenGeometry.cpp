// What the device painters share about pens and arcs: dash patterns and arc sweeps.
#include "toolkit/paint/PenGeometry.h"

#include <cmath>
#include <numbers>

namespace PenGeometry {

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;
}

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

double positiveSweep(double start, double end) {
  double sweep = end - start;
  if (sweep == 0.0) return 0.0;
  if (sweep > kTwoPi) return kTwoPi;
  if (sweep < 0.0) {
    sweep = std::fmod(sweep, kTwoPi) + kTwoPi;
  }
  return sweep;
}

bool nativeArc(double left, double top, double right, double bottom, double startX,
               double startY, double endX, double endY, EllipticArc& arc) {
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
  arc = {cx, cy, rx, -ry, u0, u1 == u0 ? kTwoPi : positiveSweep(u0, u1)};
  return true;
}

}  // namespace PenGeometry
