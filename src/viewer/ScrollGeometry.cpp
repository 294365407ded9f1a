// Scroll bar values and scrolled positions.
#include "viewer/ScrollGeometry.h"

#include <algorithm>
#include <cmath>

ScrollBarState ScrollGeometry::bar(int containerSide, int position, double testSize,
                                   double valueSize) {
  ScrollBarState state;
  state.shown = testSize > containerSide || position < 0 || position + testSize > containerSide;
  if (state.shown) {
    const double range = containerSide - valueSize;
    state.value = range != 0.0 ? position * 100.0 / range : 0.0;
    state.visibleShare = valueSize > containerSide ? containerSide / valueSize : 1.0;
  }
  return state;
}

int ScrollGeometry::scrolled(double value, int position, int containerSide, int size) {
  const double range = containerSide - size;
  const double share = position * 100.0 / range;
  // A NaN share (no range and no offset) is outside the range as well.
  if (share >= 0.0 && share <= 100.0) return static_cast<int>(std::trunc(value * 0.01 * range));
  return static_cast<int>(std::trunc(value * 0.01 * position));
}

int ScrollGeometry::panned(int startPosition, int moved, int containerSide, int size) {
  const int range = containerSide - size;
  const int low = std::min({0, range, startPosition});
  const int high = std::max({0, range, startPosition});
  return std::clamp(startPosition + moved, low, high);
}
