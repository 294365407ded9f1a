// Band painting: the image memory split into row ranges painted by the paint workers.
#include "toolkit/paint/BandPainting.h"

#include <algorithm>
#include <atomic>

#include "toolkit/paint/PaintHandle.h"
#include "toolkit/paint/PaintWorkers.h"

namespace {

// Bands per painting thread, so that a thread done with a sparse band takes another.
constexpr int kBandsPerThread = 4;
constexpr int kMinBandRows = 32;

bool paintWhole(cairo_surface_t* target, const BandPainter& painter, int width, int height) {
  CairoPtr cr(cairo_create(target));
  painter(cr.get(), {0, height, width});
  return cairo_status(cr.get()) == CAIRO_STATUS_SUCCESS;
}

bool paintBand(unsigned char* rows, cairo_format_t format, int stride, const PictureBand& band,
               const BandPainter& painter) {
  CairoSurfacePtr surface(
      cairo_image_surface_create_for_data(rows, format, band.width, band.height, stride));
  CairoPtr cr(cairo_create(surface.get()));
  painter(cr.get(), band);
  const bool painted = cairo_status(cr.get()) == CAIRO_STATUS_SUCCESS;
  cr.reset();
  cairo_surface_flush(surface.get());
  return painted;
}

}  // namespace

bool paintInBands(cairo_surface_t* target, int width, int height, const BandPainter& painter) {
  if (!target || cairo_surface_status(target) != CAIRO_STATUS_SUCCESS) return false;
  if (width <= 0 || height <= 0) return true;
  if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) {
    return paintWhole(target, painter, width, height);
  }
  width = std::min(width, cairo_image_surface_get_width(target));
  height = std::min(height, cairo_image_surface_get_height(target));
  PaintWorkers& workers = PaintWorkers::shared();
  const int bands = std::clamp(height / kMinBandRows, 1, workers.threads() * kBandsPerThread);
  if (bands == 1) return paintWhole(target, painter, width, height);

  cairo_surface_flush(target);
  unsigned char* data = cairo_image_surface_get_data(target);
  const int stride = cairo_image_surface_get_stride(target);
  const cairo_format_t format = cairo_image_surface_get_format(target);
  std::atomic<bool> failed{false};
  workers.runAll(bands, [&](int band) {
    const int top = height * band / bands;
    const int rows = height * (band + 1) / bands - top;
    if (!paintBand(data + static_cast<std::ptrdiff_t>(top) * stride, format, stride,
                   {top, rows, width}, painter)) {
      failed = true;
    }
  });
  cairo_surface_mark_dirty(target);
  return !failed;
}
