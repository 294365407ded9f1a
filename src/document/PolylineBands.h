// The filled outline of a wide polyline segment.
#pragma once

#include <vector>

#include "entities/DrawingArea.h"
#include "entities/Punkt.h"

namespace PolylineBands {

// The closed outline, in the polyline's own coordinates, of the band from `from` to `to`:
// the straight segment or the arc of `from`'s bulge, its width growing evenly from
// `from`'s start width to its end width, half of it on each side.
std::vector<WorldPoint> outline(const Punkt& from, const Punkt& to);

}  // namespace PolylineBands
