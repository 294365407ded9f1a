// A picture file for printing: an SVG (drawn as vectors) or a PNG.
#include "toolkit/MetaFile.h"

#include <librsvg/rsvg.h>

#include <cmath>
#include <string>

namespace {

bool endsWithSvg(const std::string& path) {
  if (path.size() < 4) return false;
  std::string end = path.substr(path.size() - 4);
  for (char& c : end) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return end == ".svg";
}

GwDimension svgSize(RsvgHandle* handle) {
  double width = 0.0;
  double height = 0.0;
  if (rsvg_handle_get_intrinsic_size_in_pixels(handle, &width, &height) && width > 0 &&
      height > 0) {
    return {static_cast<int>(std::lround(width)), static_cast<int>(std::lround(height))};
  }
  gboolean hasWidth = FALSE;
  gboolean hasHeight = FALSE;
  gboolean hasViewBox = FALSE;
  RsvgLength w;
  RsvgLength h;
  RsvgRectangle box;
  rsvg_handle_get_intrinsic_dimensions(handle, &hasWidth, &w, &hasHeight, &h, &hasViewBox, &box);
  if (hasViewBox) {
    return {static_cast<int>(std::lround(box.width)), static_cast<int>(std::lround(box.height))};
  }
  return {};
}

}  // namespace

MetaFile::MetaFile(const char* path) {
  if (!path || !*path) return;
  if (endsWithSvg(path)) {
    svg_ = rsvg_handle_new_from_file(path, nullptr);
    if (svg_) size_ = svgSize(svg_);
  } else {
    png_ = cairo_image_surface_create_from_png(path);
    if (cairo_surface_status(png_) != CAIRO_STATUS_SUCCESS) {
      cairo_surface_destroy(png_);
      png_ = nullptr;
    } else {
      size_ = {cairo_image_surface_get_width(png_), cairo_image_surface_get_height(png_)};
    }
  }
  if (size_.width <= 0 || size_.height <= 0) size_ = {};
}

MetaFile::~MetaFile() {
  if (svg_) g_object_unref(svg_);
  if (png_) cairo_surface_destroy(png_);
}

void MetaFile::draw(cairo_t* cr, const GwRectangle& target) const {
  if (!loaded() || size_.width <= 0 || target.width <= 0 || target.height <= 0) return;
  cairo_save(cr);
  if (svg_) {
    const RsvgRectangle viewport{double(target.x), double(target.y), double(target.width),
                                 double(target.height)};
    rsvg_handle_render_document(svg_, cr, &viewport, nullptr);
  } else {
    cairo_translate(cr, target.x, target.y);
    cairo_scale(cr, double(target.width) / size_.width, double(target.height) / size_.height);
    cairo_set_source_surface(cr, png_, 0, 0);
    cairo_paint(cr);
  }
  cairo_restore(cr);
}
