// Line weights (group 370): their special values and the device width they are drawn at.
#include "dxf/LineWeight.h"

#include <algorithm>
#include <cmath>

namespace LineWeight {

std::int16_t fromGroup(int value) {
  if (value >= kDefault && value <= kWidest) return static_cast<std::int16_t>(value);
  return kByLayer;
}

std::int16_t drawingDefault(int headerValue) {
  if (headerValue >= 0 && headerValue <= kWidest) return static_cast<std::int16_t>(headerValue);
  return kStandardDefault;
}

namespace {

// Hundredths of a millimetre drawn wider than a thin line; 0 for the thin ones.
int wideWidth(int weight, int drawingDefault) {
  const int width = weight >= 0 ? weight : drawingDefault;
  return width > drawingDefault ? width : 0;
}

}  // namespace

double screenPixels(int weight, int drawingDefault) {
  const int width = wideWidth(weight, drawingDefault);
  if (width == 0) return kThinPixels;
  return std::max(kWideScreenPixels, std::round(width / 100.0 * kScreenPixelsPerMm));
}

double paperPixels(int weight, int drawingDefault, double pixelsPerMm) {
  const int width = wideWidth(weight, drawingDefault);
  if (width == 0 || !(pixelsPerMm > 0.0)) return kThinPixels;
  return std::max(kThinPixels, width / 100.0 * pixelsPerMm);
}

double widestScreenPixels() { return screenPixels(kWidest, 0); }

}  // namespace LineWeight
