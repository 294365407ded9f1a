// Cuts device-pixel geometry to a square box that Cairo can still address exactly.
#pragma once

#include <vector>

#include "entities/DeviceContext.h"

// Cairo stores path coordinates as 24.8 fixed-point numbers, so a point more than about
// 8 million pixels away wraps around and draws a stroke across the wrong place. At high
// zoom a long line easily ends that far off the screen, so figures reaching outside the
// box -limit..limit (in both axes) are cut to it first; what lies outside is never
// visible on an area of at most 32000 pixels anyway.
class DeviceClip {
 public:
  static constexpr double kDefaultLimit = 1048576.0;  // 2^20 pixels

  explicit DeviceClip(double limit = kDefaultLimit) : limit_(limit) {}

  double limit() const { return limit_; }

  bool contains(const DevicePoint& p) const {
    return p.x >= -limit_ && p.x <= limit_ && p.y >= -limit_ && p.y <= limit_;
  }

  // True when the rectangle lies entirely outside the box.
  bool missesBox(double minX, double minY, double maxX, double maxY) const {
    return maxX < -limit_ || minX > limit_ || maxY < -limit_ || minY > limit_;
  }

  // Cuts the segment a-b to the box. Returns false when nothing of it is inside;
  // otherwise a and b are the inside part and `cutAtStart` is the length removed before
  // a (which keeps a dash pattern in step with the uncut line).
  bool clipSegment(DevicePoint& a, DevicePoint& b, double& cutAtStart) const;

  // Cuts a closed polygon to the box; empty when nothing is inside.
  std::vector<DevicePoint> clipPolygon(const DevicePoint* points, int count) const;

 private:
  double limit_;
};
