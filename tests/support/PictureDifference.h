// How far two painted pictures of one size differ: for checks that two roads of painting
// (plain and indexed, whole and in bands, fresh and scrolled) give the same picture.
#pragma once

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace testsupport {

struct PictureDifference {
  int largest = 0;  // the largest difference of one colour channel of one pixel
  long inked = 0;   // pixels not white in the first picture
};

// Compares two RGB24 or ARGB32 image surfaces of the same size.
inline PictureDifference differenceOf(cairo_surface_t* a, cairo_surface_t* b) {
  cairo_surface_flush(a);
  cairo_surface_flush(b);
  PictureDifference result;
  const int stride = cairo_image_surface_get_stride(a);
  const unsigned char* dataA = cairo_image_surface_get_data(a);
  const unsigned char* dataB = cairo_image_surface_get_data(b);
  for (int y = 0; y < cairo_image_surface_get_height(a); ++y) {
    for (int x = 0; x < cairo_image_surface_get_width(a); ++x) {
      const auto pa = *reinterpret_cast<const std::uint32_t*>(dataA + y * stride + x * 4);
      const auto pb = *reinterpret_cast<const std::uint32_t*>(dataB + y * stride + x * 4);
      if ((pa & 0xFFFFFF) != 0xFFFFFF) ++result.inked;
      for (const int shift : {0, 8, 16}) {
        const int channelA = static_cast<int>((pa >> shift) & 0xFF);
        const int channelB = static_cast<int>((pb >> shift) & 0xFF);
        result.largest = std::max(result.largest, std::abs(channelA - channelB));
      }
    }
  }
  return result;
}

}  // namespace testsupport
