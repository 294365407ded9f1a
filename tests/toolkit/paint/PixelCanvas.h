// Test helper: a white image surface with pixel queries for the few end-to-end checks.
#pragma once

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <functional>

#include "toolkit/paint/PaintHandle.h"

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// Smallest rectangle holding every non-white pixel; empty when there is none.
struct InkBox {
  int minX = 0;
  int minY = 0;
  int maxX = -1;
  int maxY = -1;
  bool empty() const { return maxX < minX; }
  int width() const { return maxX - minX + 1; }
  int height() const { return maxY - minY + 1; }
};

class PixelCanvas {
 public:
  PixelCanvas(int width, int height)
      : width_(width),
        height_(height),
        surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)),
        cr_(cairo_create(surface_.get())) {
    fill(1.0, 1.0, 1.0);
  }

  cairo_t* cr() const { return cr_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }

  void fill(double red, double green, double blue) {
    cairo_save(cr_.get());
    cairo_set_source_rgb(cr_.get(), red, green, blue);
    cairo_paint(cr_.get());
    cairo_restore(cr_.get());
  }

  // Runs before every pixel is read: a painter that collects figures paints them there.
  std::function<void()> beforeRead;

  Rgb at(int x, int y) const {
    if (beforeRead) beforeRead();
    cairo_surface_flush(surface_.get());
    const unsigned char* data = cairo_image_surface_get_data(surface_.get());
    const int stride = cairo_image_surface_get_stride(surface_.get());
    const auto pixel = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
    return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
            static_cast<int>(pixel & 0xFF)};
  }

  bool isWhite(int x, int y) const { return at(x, y) == Rgb{255, 255, 255}; }
  // Clearly painted: far from white (anti-aliased fringes of a stroke do not count).
  bool isInked(int x, int y) const {
    const Rgb c = at(x, y);
    return c.red + c.green + c.blue < 3 * 160;
  }

  int countInked(int x0, int y0, int x1, int y1) const {
    int count = 0;
    for (int y = std::max(0, y0); y <= std::min(height_ - 1, y1); ++y) {
      for (int x = std::max(0, x0); x <= std::min(width_ - 1, x1); ++x) count += isInked(x, y);
    }
    return count;
  }

  InkBox inkBox() const {
    InkBox box{width_, height_, -1, -1};
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (!isInked(x, y)) continue;
        box.minX = std::min(box.minX, x);
        box.minY = std::min(box.minY, y);
        box.maxX = std::max(box.maxX, x);
        box.maxY = std::max(box.maxY, y);
      }
    }
    if (box.maxX < 0) return {};
    return box;
  }

 private:
  int width_;
  int height_;
  CairoSurfacePtr surface_;
  CairoPtr cr_;
};
