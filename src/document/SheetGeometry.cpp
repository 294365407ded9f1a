// Where the decorations of a printed sheet go: margin, scale bar and logo rectangle.
#include "document/SheetGeometry.h"

#include <algorithm>
#include <cmath>

namespace SheetGeometry {

namespace {

constexpr double kMarginShare = 0.05;
constexpr double kScaleBarLength = 100.0;  // mm

bool isLeft(SheetCorner corner) {
  return corner == SheetCorner::UpperLeft || corner == SheetCorner::LowerLeft;
}
bool isUpper(SheetCorner corner) {
  return corner == SheetCorner::UpperLeft || corner == SheetCorner::UpperRight;
}

// 100 becomes 50, every other length a fifth: 100, 50, 10, 2, 0.4 ...
double shrunk(double length) { return length == kScaleBarLength ? length / 2.0 : length / 5.0; }

// A pixel value that converts to an int.
bool fits(double value) { return std::isfinite(value) && std::fabs(value) <= 2147483647.0; }

}  // namespace

double margin(const SheetExtents& extents) {
  return std::fabs(extents.maxX - extents.minX) * kMarginShare;
}

std::optional<SheetCorner> corner(int number) {
  if (number < 1 || number > 4) return std::nullopt;
  return static_cast<SheetCorner>(number);
}

SheetExtents printWindow(const SheetExtents& extents) {
  const double m = margin(extents);
  return {extents.minX - 2 * m, extents.minY - 2 * m, extents.maxX + 2 * m, extents.maxY + 2 * m};
}

std::optional<ScaleBar> scaleBar(const SheetExtents& extents, SheetCorner corner) {
  const double m = margin(extents);
  if (!(m > 0.0) || !std::isfinite(m)) return std::nullopt;
  const double mid = (extents.minX + extents.maxX) / 2.0;
  ScaleBar bar;
  bar.length = kScaleBarLength;
  if (isLeft(corner)) {
    bar.start = extents.minX - 1.2 * m + 1.25 * m;
    bar.direction = 1.0;
    // The length reaches 0 after a few hundred steps at most, which ends every loop.
    while (bar.length > 0.0 && bar.start + bar.length > mid) bar.length = shrunk(bar.length);
    bar.labelX = extents.minX - 1.2 * m;
  } else {
    bar.start = extents.maxX + 1.2 * m;
    bar.direction = -1.0;
    while (bar.length > 0.0 && bar.start - bar.length < mid) bar.length = shrunk(bar.length);
    bar.labelX = bar.start - 1.25 * m - bar.length;
  }
  if (isUpper(corner)) {
    bar.yA = extents.maxY + m;
    bar.yB = extents.maxY + 1.1 * m;
    bar.yC = extents.maxY + 1.2 * m;
  } else {
    bar.yA = extents.minY - 1.2 * m;
    bar.yB = extents.minY - 1.1 * m;
    bar.yC = extents.minY - m;
  }
  return bar;
}

std::optional<DeviceRectangle> logoRectangle(const SheetExtents& extents, SheetCorner corner,
                                             double deviceWidth, double deviceHeight,
                                             double pictureWidth, double pictureHeight) {
  const double m = margin(extents);
  const double w = extents.maxX - extents.minX + 4 * m;
  const double h = extents.maxY - extents.minY + 4 * m;
  const double k = std::min(deviceWidth / w, deviceHeight / h);
  const double heightPixels = k * m;
  const double widthPixels = pictureWidth * k * m / pictureHeight;
  const double left = isLeft(corner) ? k * 0.8 * m : k * (w - 1.2 * m) - widthPixels;
  const double top = isUpper(corner) ? k * 0.8 * m : k * (h - 1.85 * m);
  if (!fits(left) || !fits(top) || !fits(widthPixels) || !fits(heightPixels)) return std::nullopt;
  DeviceRectangle rectangle{static_cast<int>(left), static_cast<int>(top),
                            static_cast<int>(widthPixels), static_cast<int>(heightPixels)};
  if (rectangle.width <= 0 || rectangle.height <= 0) return std::nullopt;
  return rectangle;
}

}  // namespace SheetGeometry
