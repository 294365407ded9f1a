// The circular arc that a polyline vertex's bulge makes between two points.
#pragma once

#include <optional>

#include "entities/DrawingArea.h"

// The arc from `from` to `to` whose sweep is 4 atan(bulge): counter-clockwise for a
// positive bulge, clockwise for a negative one. Angles in radians.
struct BulgeArc {
  WorldPoint centre;
  double radius = 0.0;
  // The angle of `from` seen from the centre.
  double start = 0.0;
  double sweep = 0.0;
};

// None for a chord of no length and for a bulge that is zero or no finite number.
std::optional<BulgeArc> bulgeArc(WorldPoint from, WorldPoint to, double bulge);
