// Circles and arcs of the device contexts as elliptic arcs.
#include "toolkit/paint/EllipticArcContext.h"

#include <cmath>
#include <numbers>

#include "toolkit/paint/PenGeometry.h"
#include "entities/Angles.h"

namespace {}

void EllipticArcContext::circle(double cx, double cy, double r) { ellipse(cx, cy, r, r); }

void EllipticArcContext::ellipse(double cx, double cy, double rx, double ry) {
  // Counter-clockwise as seen from angle 0, like a circle of the drawing: its dashes and the
  // texts of its linetype run that way round.
  strokeEllipticArc(cx, cy, std::abs(rx), -std::abs(ry), 0.0, kFullTurn);
}

void EllipticArcContext::arc(double cx, double cy, double rx, double ry, double startAngle,
                             double endAngle) {
  if (!std::isfinite(startAngle) || !std::isfinite(endAngle)) return;
  const double sweep = PenGeometry::positiveSweep(startAngle, endAngle);
  if (sweep == 0.0) return;
  // Angles count counter-clockwise with y up, the device's y grows downwards: negating
  // the y radius turns the parametric curve into exactly that.
  strokeEllipticArc(cx, cy, rx, -ry, startAngle, sweep);
}

void EllipticArcContext::native_arc(double left, double top, double right, double bottom,
                                    double startX, double startY, double endX, double endY) {
  PenGeometry::EllipticArc arc;
  if (!PenGeometry::nativeArc(left, top, right, bottom, startX, startY, endX, endY, arc)) return;
  strokeEllipticArc(arc.cx, arc.cy, arc.rx, arc.ry, arc.t0, arc.sweep);
}
