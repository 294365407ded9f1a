// Drawing area on Cairo: placement inside the container, world mapping, world figures.
#include "toolkit/paint/CairoDrawingArea.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

int side(int pixels, int limit) { return std::clamp(pixels, 0, limit); }

PixelSize limited(PixelSize size, int limit) {
  return {side(size.width, limit), side(size.height, limit)};
}

}  // namespace

CairoDrawingArea::CairoDrawingArea(cairo_t* cr, PixelSize container, PixelSize area,
                                   PixelPosition position)
    : cr_(cr),
      container_(limited(container, kMaxSide)),
      area_(limited(area, kMaxSide)),
      position_(position),
      dc_(cr, area_.width, area_.height) {
  cairo_save(cr_);
  applyPlacement();
}

CairoDrawingArea::~CairoDrawingArea() {
  dc_.flush();
  cairo_restore(cr_);
}

void CairoDrawingArea::set_wc_coords(double x1, double y1, double x2, double y2) {
  worldX1_ = x1;
  worldY1_ = y1;
  worldX2_ = x2;
  worldY2_ = y2;
  hasWorld_ = true;
  updateMapping();
}

void CairoDrawingArea::setAreaSize(PixelSize area) {
  area_ = limited(area, kMaxSide);
  dc_.setSize(area_.width, area_.height);
  updateMapping();
  applyPlacement();
}

void CairoDrawingArea::setPosition(PixelPosition position) {
  position_ = position;
  applyPlacement();
}

void CairoDrawingArea::paintBackground(const char* colour) {
  dc_.flush();
  const PaintColour paint = PaintColour::parse(colour);
  cairo_set_source_rgb(cr_, paint.red, paint.green, paint.blue);
  cairo_paint(cr_);
}

double CairoDrawingArea::patternPixelsPerUnit() const {
  const WorldMapping& map = dc_.mapping();
  return std::sqrt(std::abs(map.scaleX() * map.scaleY()));
}

void CairoDrawingArea::set_dash_pattern(std::span<const double> lengths) {
  const double pixelsPerUnit = patternPixelsPerUnit();
  std::vector<double> pixels(lengths.begin(), lengths.end());
  for (double& length : pixels) length *= pixelsPerUnit;
  dc_.set_dash_pattern(pixels);
}

void CairoDrawingArea::set_pattern_texts(std::span<const PatternText> lengths) {
  const double pixelsPerUnit = patternPixelsPerUnit();
  std::vector<PatternText> pixels(lengths.begin(), lengths.end());
  for (PatternText& text : pixels) {
    text.at *= pixelsPerUnit;
    text.offsetX *= pixelsPerUnit;
    text.offsetY *= pixelsPerUnit;
    text.height *= pixelsPerUnit;
  }
  dc_.set_pattern_texts(pixels);
}

void CairoDrawingArea::wc_line(double x1, double y1, double x2, double y2) {
  const DevicePoint a = wc_to_dc(x1, y1);
  const DevicePoint b = wc_to_dc(x2, y2);
  dc_.line(a.x, a.y, b.x, b.y);
}

void CairoDrawingArea::wc_circle(double cx, double cy, double r) {
  const DevicePoint centre = wc_to_dc(cx, cy);
  const WorldMapping& map = dc_.mapping();
  dc_.ellipse(centre.x, centre.y, r * map.scaleX(), r * map.scaleY());
}

void CairoDrawingArea::wc_polyline(const WorldPoint* points, int count) {
  if (!points || count < 2) return;
  std::vector<DevicePoint> pixels;
  pixels.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) pixels.push_back(wc_to_dc(points[i].x, points[i].y));
  dc_.polyline(pixels.data(), count);
}

void CairoDrawingArea::wc_dot(double x, double y) {
  const DevicePoint p = wc_to_dc(x, y);
  dc_.foregroundDot(p.x, p.y);
}

void CairoDrawingArea::wc_fill_polygon(const WorldPoint* points, int count) {
  if (!points || count < 1) return;
  std::vector<DevicePoint> pixels;
  pixels.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) pixels.push_back(wc_to_dc(points[i].x, points[i].y));
  dc_.filledPolygon(pixels.data(), count);
}

void CairoDrawingArea::applyPlacement() {
  // Pop the previous placement back to the caller's state and save that again, so the
  // destructor's restore always returns the context as it was handed in.
  dc_.flush();
  cairo_restore(cr_);
  cairo_save(cr_);
  cairo_new_path(cr_);
  cairo_rectangle(cr_, 0.0, 0.0, container_.width, container_.height);
  cairo_clip(cr_);
  cairo_translate(cr_, position_.x, position_.y);
  cairo_rectangle(cr_, 0.0, 0.0, area_.width, area_.height);
  cairo_clip(cr_);
}

void CairoDrawingArea::updateMapping() {
  if (!hasWorld_) return;
  dc_.setMapping(WorldMapping(worldX1_, worldY1_, worldX2_, worldY2_, area_.width, area_.height));
}
