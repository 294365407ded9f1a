// Measuring snaps and read-outs.
#include "viewer/MeasureGeometry.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
int truncated(double value) { return static_cast<int>(std::trunc(value)); }
}  // namespace

MeasureSnap MeasureGeometry::snap(double startX, double startY, double x, double y) {
  MeasureSnap snap{x, y, 0};
  const int ax = std::abs(truncated(startX - x));
  const int ay = std::abs(truncated(startY - y));
  if (ax > ay) {
    snap.y = truncated(startY);
    snap.pixels = std::abs(truncated(x - startX));
  } else {
    snap.x = truncated(startX);
    snap.pixels = std::abs(truncated(y - startY));
  }
  return snap;
}

std::string MeasureGeometry::readout(double pixels, double scale) {
  if (!(scale > 0.0)) return {};
  char text[64];
  std::snprintf(text, sizeof text, "%5.1f mm", pixels / scale);
  return text;
}

std::string MeasureGeometry::finalReadout(int dx, int dy, double scale) {
  return readout(dx > dy ? dx : dy, scale);
}
