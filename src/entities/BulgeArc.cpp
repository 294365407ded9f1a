// The arc of a bulge.
#include "entities/BulgeArc.h"

#include <cmath>

std::optional<BulgeArc> bulgeArc(WorldPoint from, WorldPoint to, double bulge) {
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  const double chord = std::hypot(dx, dy);
  if (!(chord > 0.0) || !std::isfinite(chord) || !std::isfinite(bulge) || bulge == 0.0) {
    return std::nullopt;
  }
  // The centre lies on the chord's left normal for a counter-clockwise arc.
  const double along = (1.0 - bulge * bulge) / (4.0 * bulge);
  BulgeArc arc;
  arc.centre = {from.x + dx / 2 - dy * along, from.y + dy / 2 + dx * along};
  arc.radius = std::hypot(from.x - arc.centre.x, from.y - arc.centre.y);
  arc.start = std::atan2(from.y - arc.centre.y, from.x - arc.centre.x);
  arc.sweep = 4.0 * std::atan(bulge);
  return arc;
}
