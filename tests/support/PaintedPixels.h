// The pixels of a picture painted onto white, for tests that look at ink.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace testsupport {

// Paints with `paint` onto a white RGB picture of width x height pixels and gives every
// pixel's colour as 0xRRGGBB, row after row from the top.
inline std::vector<std::uint32_t> paintedPixels(int width, int height,
                                                const std::function<void(cairo_t*)>& paint) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
  cairo_paint(cr);
  paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) pixels.push_back(row[x] & 0xFFFFFF);
  }
  cairo_surface_destroy(surface);
  return pixels;
}

}  // namespace testsupport
