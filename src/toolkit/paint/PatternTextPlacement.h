// Where the texts of a linetype's pattern stand along a stroked line, in device pixels.
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

// The texts along the polyline `points` (device pixels, y downwards) stroked with a dash
// pattern of `period` pixels that starts `phase` pixels into the pattern: each text at
// every point where the pattern reaches its `at`, moved by its offsets along and across
// the line there. Texts lower than a pixel, which cannot be read, are left out; none for a
// period that is no positive number, and no more than `maxTexts` in all.
std::vector<PlacedPatternText> placePatternTexts(std::span<const DevicePoint> points,
                                                 double phase, double period,
                                                 std::span<const PatternText> texts,
                                                 std::size_t maxTexts);
