// The part of the world a drawing area shows through its container.
#pragma once

#include <algorithm>
#include <cmath>
#include <optional>

#include "entities/DrawingArea.h"
#include "entities/WorldBox.h"

// The world window seen through the container and the area's pixels per drawing unit
// (signed: y usually grows downwards), for kinds that draw only the part that is seen.
struct VisibleWorld {
  WorldBox window;
  double pixelsX = 0.0;
  double pixelsY = 0.0;
};

// Worked out from the area's linear mapping; nothing when that has no usable scale.
inline std::optional<VisibleWorld> visibleWorld(const DrawingArea& area) {
  const DevicePoint origin = area.wc_to_dc(0.0, 0.0);
  const DevicePoint unit = area.wc_to_dc(1.0, 1.0);
  const double kx = unit.x - origin.x;
  const double ky = unit.y - origin.y;
  if (!std::isfinite(kx * ky) || kx == 0.0 || ky == 0.0) return std::nullopt;
  const PixelSize size = area.container_size();
  const PixelPosition position = area.position_in_container();
  const double x0 = (-position.x - origin.x) / kx;
  const double x1 = (size.width - position.x - origin.x) / kx;
  const double y0 = (-position.y - origin.y) / ky;
  const double y1 = (size.height - position.y - origin.y) / ky;
  return VisibleWorld{
      {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)}, kx, ky};
}
