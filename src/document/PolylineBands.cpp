// The filled outline of a wide polyline segment.
#include "document/PolylineBands.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "entities/BulgeArc.h"

namespace PolylineBands {

namespace {

// Arcs are cut into pieces of at most this angle (radians): 5 degrees.
constexpr double kArcStep = std::numbers::pi / 36.0;
constexpr int kMaxArcPieces = 72;

}  // namespace

std::vector<WorldPoint> outline(const Punkt& from, const Punkt& to) {
  const double w0 = std::fabs(from.startWidth()) / 2.0;
  const double w1 = std::fabs(from.endWidth()) / 2.0;
  const double cx = to.x() - from.x();
  const double cy = to.y() - from.y();
  const double chord = std::hypot(cx, cy);
  if (!(chord > 0.0) || !std::isfinite(chord)) return {};
  const double bulge = from.bulge();
  if (std::fabs(bulge) <= 0.001 || !std::isfinite(bulge)) {
    // Left of the direction of travel.
    const double nx = -cy / chord;
    const double ny = cx / chord;
    return {{from.x() + nx * w0, from.y() + ny * w0},
            {to.x() + nx * w1, to.y() + ny * w1},
            {to.x() - nx * w1, to.y() - ny * w1},
            {from.x() - nx * w0, from.y() - ny * w0}};
  }
  const std::optional<BulgeArc> arc = bulgeArc({from.x(), from.y()}, {to.x(), to.y()}, bulge);
  if (!arc) return {};
  const int pieces =
      std::clamp(static_cast<int>(std::ceil(std::fabs(arc->sweep) / kArcStep)), 2, kMaxArcPieces);
  std::vector<WorldPoint> outer;
  std::vector<WorldPoint> inner;
  for (int i = 0; i <= pieces; ++i) {
    const double t = static_cast<double>(i) / pieces;
    const double angle = arc->start + arc->sweep * t;
    const double half = w0 + (w1 - w0) * t;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double outside = arc->radius + half;
    const double inside = std::max(0.0, arc->radius - half);
    outer.push_back({arc->centre.x + outside * c, arc->centre.y + outside * s});
    inner.push_back({arc->centre.x + inside * c, arc->centre.y + inside * s});
  }
  outer.insert(outer.end(), inner.rbegin(), inner.rend());
  return outer;
}

}  // namespace PolylineBands
