// What the painters can represent: sizes in device pixels that are drawn as they are.
#pragma once

#include <cmath>

// A figure outside this range is drawn as nothing, for that figure only: smaller than a
// thousandth of a pixel it cannot be seen, and Cairo refuses a matrix scaled that small
// (after which a context ignores every later call, blanking the rest of the picture);
// beyond a billion pixels its chords no longer follow the curve.
namespace PaintRange {

inline constexpr double kSmallest = 1e-3;
inline constexpr double kLargest = 1e9;

// True for a radius, scale or dash length (in device pixels) the painter draws.
inline bool drawable(double pixels) {
  const double size = std::fabs(pixels);
  return std::isfinite(size) && size >= kSmallest && size <= kLargest;
}

}  // namespace PaintRange
