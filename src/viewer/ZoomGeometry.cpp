// Fitting and zooming arithmetic.
#include "viewer/ZoomGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

int truncated(double value) { return static_cast<int>(std::trunc(value)); }

// The container less the inset; at least one pixel, so that a container that has not yet
// been laid out gives a tiny picture rather than a negative scale.
double usable(int containerSide) { return std::max(containerSide - ZoomGeometry::kInset, 1); }

}  // namespace

WorldWindow ZoomGeometry::margins(const WorldWindow& extents) {
  const double w = std::fabs(extents.width()) * kMargin;
  const double h = std::fabs(extents.height()) * kMargin;
  return {extents.minX - w, extents.minY - h, extents.maxX + w, extents.maxY + h};
}

WorldWindow ZoomGeometry::withMinimalSize(const WorldWindow& window) {
  WorldWindow result = window;
  if (!(window.width() > 0.0)) {
    const double centre = (window.minX + window.maxX) / 2.0;
    result.minX = centre - kMinimalSize / 2.0;
    result.maxX = centre + kMinimalSize / 2.0;
  }
  if (!(window.height() > 0.0)) {
    const double centre = (window.minY + window.maxY) / 2.0;
    result.minY = centre - kMinimalSize / 2.0;
    result.maxY = centre + kMinimalSize / 2.0;
  }
  return result;
}

AreaLayout ZoomGeometry::fit(int containerWidth, int containerHeight, const WorldWindow& extents) {
  AreaLayout layout;
  layout.world = withMinimalSize(extents);
  const double cw = usable(containerWidth);
  const double ch = usable(containerHeight);
  const double w = layout.world.width();
  const double h = layout.world.height();
  layout.scale = std::min(cw / w, ch / h);
  layout.width = truncated(layout.scale * w);
  layout.height = truncated(layout.scale * h);
  layout.x = (static_cast<int>(cw) - layout.width) / 2;
  layout.y = (static_cast<int>(ch) - layout.height) / 2;
  return layout;
}

AreaLayout ZoomGeometry::zoomBack(int containerWidth, int containerHeight,
                                  const WorldWindow& window) {
  AreaLayout layout;
  layout.world = withMinimalSize(window);
  const double cw = usable(containerWidth);
  const double ch = usable(containerHeight);
  const double w = layout.world.width();
  const double h = layout.world.height();
  layout.scale = std::min(cw / w, ch / h);
  layout.width = truncated(w * layout.scale);
  layout.height = truncated(h * layout.scale);
  layout.x = truncated(cw - w * layout.scale) / 2;
  layout.y = truncated(ch - h * layout.scale) / 2;
  return layout;
}

bool ZoomGeometry::tooLarge(double factor, double width, double height, const WorldWindow& window) {
  if (!(factor > 1.0)) return false;
  return window.width() * kMaxScale < width || window.height() * kMaxScale < height ||
         width > kMaxPixels || height > kMaxPixels;
}

bool ZoomGeometry::tooSmall(double factor, double width, double height, const WorldWindow& window) {
  if (!(factor < 1.0)) return false;
  return window.width() * kMinScale > width || window.height() * kMinScale > height ||
         width < kMinPixels || height < kMinPixels;
}

ZoomStep ZoomGeometry::byFactor(const AreaState& area, double factor, const WorldWindow& window,
                                double anchorX, double anchorY) {
  ZoomStep step;
  step.factor = factor;
  step.exactWidth = area.width * factor;
  step.exactHeight = area.height * factor;
  if (tooLarge(factor, step.exactWidth, step.exactHeight, window)) {
    step.verdict = ZoomVerdict::TooLarge;
    return step;
  }
  if (tooSmall(factor, step.exactWidth, step.exactHeight, window)) {
    step.verdict = ZoomVerdict::TooSmall;
    return step;
  }
  step.width = truncated(step.exactWidth);
  step.height = truncated(step.exactHeight);
  step.x = truncated((1.0 - factor) * (anchorX - area.x)) + area.x;
  step.y = truncated((1.0 - factor) * (anchorY - area.y)) + area.y;
  return step;
}

ZoomStep ZoomGeometry::toRectangle(const AreaState& area, const RubberRelease& drag,
                                   const WorldWindow& window) {
  ZoomStep step;
  if (drag.dx == 0 || drag.dy == 0) {
    step.verdict = ZoomVerdict::NoArea;
    return step;
  }
  step.factor = std::min(static_cast<double>(area.containerWidth) / drag.dx,
                         static_cast<double>(area.containerHeight) / drag.dy);
  step.exactWidth = area.width * step.factor;
  step.exactHeight = area.height * step.factor;
  if (tooLarge(step.factor, step.exactWidth, step.exactHeight, window)) {
    step.verdict = ZoomVerdict::TooLarge;
    return step;
  }
  step.width = truncated(step.exactWidth);
  step.height = truncated(step.exactHeight);
  step.x = truncated(-step.factor * (std::min(drag.x, drag.startX) - area.x));
  step.y = truncated(-step.factor * (std::min(drag.y, drag.startY) - area.y));
  return step;
}
