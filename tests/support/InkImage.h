// A coarse picture of what a recording drawing area was told to draw, for comparing renders
// that draw the same shapes through different calls (a curve's chords at two zooms).
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "support/RecordingCanvas.h"

namespace testsupport {

// Pixels inked by lines (wc_line), filled polygons (wc_fill_polygon, even-odd, with their
// outline) and dots (wc_dot) of a recording area's log, mapped by its world rectangle.
class InkImage {
 public:
  explicit InkImage(const RecordingDrawingArea& area)
      : width_(area.pixelWidth), height_(area.pixelHeight), ink_(std::size_t(width_) * height_, 0) {
    for (const RecordedCall& call : area.log.calls) {
      const auto& a = call.args;
      if (call.name == "wc_line") {
        line(area.wc_to_dc(a[0], a[1]), area.wc_to_dc(a[2], a[3]));
      } else if (call.name == "wc_dot") {
        mark(area.wc_to_dc(a[0], a[1]));
      } else if (call.name == "wc_fill_polygon") {
        std::vector<DevicePoint> corners;
        for (std::size_t i = 0; i + 1 < a.size(); i += 2)
          corners.push_back(area.wc_to_dc(a[i], a[i + 1]));
        fill(corners);
        for (std::size_t i = 1; i < corners.size(); ++i) line(corners[i - 1], corners[i]);
      }
    }
  }

  long inkCount() const { return std::count(ink_.begin(), ink_.end(), 1); }

  // The share of this picture's ink that lies within `radius` pixels of the other's ink.
  double shareNear(const InkImage& other, int radius) const {
    long inked = 0;
    long near = 0;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (!at(x, y)) continue;
        ++inked;
        bool found = false;
        for (int dy = -radius; dy <= radius && !found; ++dy) {
          for (int dx = -radius; dx <= radius && !found; ++dx) found = other.at(x + dx, y + dy);
        }
        near += found ? 1 : 0;
      }
    }
    return inked ? double(near) / double(inked) : 1.0;
  }

  // The smaller of both shares: 1 when each picture's ink lies near the other's.
  static double agreement(const InkImage& a, const InkImage& b, int radius = 1) {
    return std::min(a.shareNear(b, radius), b.shareNear(a, radius));
  }

 private:
  bool at(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_ && ink_[std::size_t(y) * width_ + x];
  }
  void mark(DevicePoint p) {
    const int x = static_cast<int>(std::floor(p.x));
    const int y = static_cast<int>(std::floor(p.y));
    if (x >= 0 && y >= 0 && x < width_ && y < height_) ink_[std::size_t(y) * width_ + x] = 1;
  }
  void line(DevicePoint p, DevicePoint q) {
    const double length = std::hypot(q.x - p.x, q.y - p.y);
    const int steps = static_cast<int>(std::min(length * 4.0, 1e6)) + 1;
    for (int i = 0; i <= steps; ++i) {
      const double t = double(i) / steps;
      mark({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)});
    }
  }
  // Pixel centres inside the polygon by the even-odd rule.
  void fill(const std::vector<DevicePoint>& corners) {
    for (int y = 0; y < height_; ++y) {
      const double cy = y + 0.5;
      std::vector<double> xs;
      for (std::size_t i = 0; i < corners.size(); ++i) {
        const DevicePoint a = corners[i];
        const DevicePoint b = corners[(i + 1) % corners.size()];
        if ((a.y > cy) == (b.y > cy)) continue;
        xs.push_back(a.x + (cy - a.y) / (b.y - a.y) * (b.x - a.x));
      }
      std::sort(xs.begin(), xs.end());
      for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
        for (int x = std::max(0, int(std::ceil(xs[i] - 0.5))); x < width_ && x + 0.5 <= xs[i + 1];
             ++x) {
          ink_[std::size_t(y) * width_ + x] = 1;
        }
      }
    }
  }

  int width_;
  int height_;
  std::vector<char> ink_;
};

}  // namespace testsupport
