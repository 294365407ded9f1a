// An axis-parallel box in drawing units.
#pragma once

#include <algorithm>
#include <cmath>

#include "entities/DrawingArea.h"

struct WorldBox {
  double minX = INFINITY;
  double minY = INFINITY;
  double maxX = -INFINITY;
  double maxY = -INFINITY;

  // Grows the box to hold p.
  void add(WorldPoint p) {
    minX = std::min(minX, p.x);
    minY = std::min(minY, p.y);
    maxX = std::max(maxX, p.x);
    maxY = std::max(maxY, p.y);
  }
  bool empty() const { return !(maxX >= minX); }
  bool overlaps(const WorldBox& other) const {
    return minX <= other.maxX && other.minX <= maxX && minY <= other.maxY && other.minY <= maxY;
  }
  WorldBox grown(double margin) const {
    return {minX - margin, minY - margin, maxX + margin, maxY + margin};
  }
};
