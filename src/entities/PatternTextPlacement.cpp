// Where the texts of a linetype's pattern stand along a stroked line.
#include "entities/PatternTextPlacement.h"

#include <cmath>
#include <numbers>

std::vector<PlacedPatternText> placePatternTexts(std::span<const DevicePoint> points, double phase,
                                                 double period, std::span<const PatternText> texts,
                                                 std::size_t maxTexts, double minHeight) {
  std::vector<PlacedPatternText> placed;
  if (!(period > 0.0) || !std::isfinite(period) || !std::isfinite(phase) || texts.empty()) {
    return placed;
  }
  // Distance walked along the line from its start to the start of the current segment.
  double walked = 0.0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const DevicePoint& a = points[i - 1];
    const DevicePoint& b = points[i];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (!(length > 0.0) || !std::isfinite(length)) continue;
    const double ux = (b.x - a.x) / length;
    const double uy = (b.y - a.y) / length;
    // Seen on the device (y downwards), the line's left is (uy, -ux).
    const double lineDegrees = std::atan2(-uy, ux) * 180.0 / std::numbers::pi;
    for (const PatternText& text : texts) {
      if (!(text.height >= minHeight) || !std::isfinite(text.height)) continue;
      // The first place of the text's repetitions at or after this segment's start.
      const double first = text.at - phase;
      const double skipped = std::ceil((walked - first) / period);
      for (double s = first + std::fmax(skipped, 0.0) * period; s < walked + length; s += period) {
        if (s < walked) continue;
        if (placed.size() >= maxTexts) return placed;
        const double along = s - walked;
        const DevicePoint onLine{a.x + ux * along, a.y + uy * along};
        const DevicePoint anchor{onLine.x + ux * text.offsetX + uy * text.offsetY,
                                 onLine.y + uy * text.offsetX - ux * text.offsetY};
        placed.push_back(
            {anchor, text.absolute ? text.rotation : lineDegrees + text.rotation, &text});
      }
    }
    walked += length;
  }
  return placed;
}
