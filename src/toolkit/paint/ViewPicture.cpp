// The view picture: one drawing area per band, each shifted to its rows of the container;
// scrolling moves the pixels and paints only the strips that come into view.
#include "toolkit/paint/ViewPicture.h"

#include <cstdlib>

#include "toolkit/paint/BandPainting.h"
#include "toolkit/paint/CairoDrawingArea.h"
#include "toolkit/paint/PaintHandle.h"

namespace {

constexpr int kBytesPerPixel = 4;

struct Region {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

bool fourBytesPerPixel(cairo_surface_t* surface) {
  if (cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE) return false;
  const cairo_format_t format = cairo_image_surface_get_format(surface);
  return format == CAIRO_FORMAT_RGB24 || format == CAIRO_FORMAT_ARGB32;
}

// Paints the part of the view inside `region` of the image, as if the region were the
// whole container.
bool paintRegion(cairo_surface_t* target, const ViewPlacement& view, const Region& region,
                 const ScenePainter& scene, const std::atomic<bool>& cancelled) {
  if (region.width <= 0 || region.height <= 0) return true;
  const int stride = cairo_image_surface_get_stride(target);
  unsigned char* corner = cairo_image_surface_get_data(target) +
                          static_cast<std::ptrdiff_t>(region.y) * stride +
                          static_cast<std::ptrdiff_t>(region.x) * kBytesPerPixel;
  CairoSurfacePtr part(cairo_image_surface_create_for_data(
      corner, cairo_image_surface_get_format(target), region.width, region.height, stride));
  ViewPlacement shifted = view;
  shifted.container = {region.width, region.height};
  shifted.position = {view.position.x - region.x, view.position.y - region.y};
  const bool painted = paintViewPicture(part.get(), shifted, scene, cancelled);
  cairo_surface_flush(part.get());
  return painted;
}

}  // namespace

bool paintViewPicture(cairo_surface_t* target, const ViewPlacement& view, const ScenePainter& scene,
                      const std::atomic<bool>& cancelled) {
  return paintInBands(target, view.container.width, view.container.height,
                      [&](cairo_t* cr, const PictureBand& band) {
                        cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
                        cairo_paint(cr);
                        CairoDrawingArea area(cr, {band.width, band.height}, view.area,
                                              {view.position.x, view.position.y - band.top});
                        if (view.hasWorld) {
                          area.set_wc_coords(view.worldX1, view.worldY1, view.worldX2,
                                             view.worldY2);
                        }
                        area.paintBackground("#FFFFFF");
                        scene(area, cancelled);
                      });
}

bool isScrollOf(const ViewPlacement& before, const ViewPlacement& after) {
  return before.container.width == after.container.width &&
         before.container.height == after.container.height &&
         before.area.width == after.area.width && before.area.height == after.area.height &&
         before.hasWorld == after.hasWorld && before.worldX1 == after.worldX1 &&
         before.worldY1 == after.worldY1 && before.worldX2 == after.worldX2 &&
         before.worldY2 == after.worldY2;
}

bool scrollViewPicture(cairo_surface_t* target, cairo_surface_t* previous,
                       const ViewPlacement& before, const ViewPlacement& after,
                       const ScenePainter& scene, const std::atomic<bool>& cancelled) {
  const int width = after.container.width;
  const int height = after.container.height;
  const int dx = after.position.x - before.position.x;
  const int dy = after.position.y - before.position.y;
  const bool fits =
      previous && fourBytesPerPixel(target) && fourBytesPerPixel(previous) &&
      cairo_image_surface_get_format(target) == cairo_image_surface_get_format(previous) &&
      cairo_image_surface_get_width(previous) == width &&
      cairo_image_surface_get_height(previous) == height &&
      cairo_image_surface_get_width(target) == width &&
      cairo_image_surface_get_height(target) == height;
  if (!fits || !isScrollOf(before, after) || std::abs(dx) >= width || std::abs(dy) >= height) {
    return paintViewPicture(target, after, scene, cancelled);
  }
  {
    CairoPtr cr(cairo_create(target));
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr.get(), previous, dx, dy);
    cairo_paint(cr.get());
  }
  cairo_surface_flush(target);
  // The rows that came into view across the whole width, then the columns beside the
  // moved picture in the rows it still covers.
  const Region rows = dy > 0 ? Region{0, 0, width, dy} : Region{0, height + dy, width, -dy};
  const int keptTop = dy > 0 ? dy : 0;
  const int keptRows = height - std::abs(dy);
  const Region columns =
      dx > 0 ? Region{0, keptTop, dx, keptRows} : Region{width + dx, keptTop, -dx, keptRows};
  const bool painted = paintRegion(target, after, rows, scene, cancelled) &&
                       paintRegion(target, after, columns, scene, cancelled);
  cairo_surface_mark_dirty(target);
  return painted;
}
