// World-to-pixel mapping shared by the drawing area and its device context.
#include "toolkit/paint/WorldMapping.h"

#include <cmath>

namespace {

// Pixels per world unit for a world span shown on `pixels`; 1 when the span is unusable.
double scaleFor(double span, double pixels) {
  const double scale = pixels / span;
  return std::isfinite(scale) && scale != 0.0 ? scale : 1.0;
}

}  // namespace

WorldMapping::WorldMapping(double x1, double y1, double x2, double y2, double width, double height)
    : originX_(std::isfinite(x1) ? x1 : 0.0),
      originY_(std::isfinite(y2) ? y2 : 0.0),
      scaleX_(scaleFor(x2 - x1, width)),
      scaleY_(scaleFor(y2 - y1, height)),
      flipY_(true) {}
