// Where the texts of a linetype's pattern stand along a stroked line.
#pragma once

#include <span>
#include <vector>

#include "entities/DeviceContext.h"

// One text of the pattern placed on the line: its anchor (the left end of its baseline)
// and the direction of its baseline, degrees counter-clockwise as seen on the device.
struct PlacedPatternText {
  DevicePoint anchor;
  double degrees = 0.0;
  const PatternText* text = nullptr;
};

// Texts lower than this many device pixels cannot be read and are left out.
constexpr double kMinReadablePixels = 1.0;

// The texts along the polyline `points` (y downwards: device pixels, or drawing units seen
// upside down) stroked with a dash pattern of length `period` that starts `phase` into the
// pattern: each text at every point where the pattern reaches its `at`, moved by its
// offsets along and across the line there. Texts lower than `minHeight` are left out; none
// for a period that is no positive number, and no more than `maxTexts` in all.
std::vector<PlacedPatternText> placePatternTexts(std::span<const DevicePoint> points, double phase,
                                                 double period, std::span<const PatternText> texts,
                                                 std::size_t maxTexts,
                                                 double minHeight = kMinReadablePixels);
