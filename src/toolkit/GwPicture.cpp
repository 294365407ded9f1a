// Loading of pictures; SVG files are rendered at the size they are shown.
#include "toolkit/GwPicture.h"

#include <gdk/gdk.h>
#include <librsvg/rsvg.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "toolkit/GObjectHandle.h"
#include "toolkit/paint/PaintHandle.h"

namespace {

bool isFile(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

bool hasSvgExtension(const std::string& file) {
  const std::string ext = std::filesystem::path(file).extension().string();
  return ext == ".svg" || ext == ".SVG";
}

GdkPixbuf* renderSvg(const std::string& file, int size) {
  const GObjectPtr<RsvgHandle> handle(rsvg_handle_new_from_file(file.c_str(), nullptr));
  if (!handle) return nullptr;
  gdouble width = 0;
  gdouble height = 0;
  if (!rsvg_handle_get_intrinsic_size_in_pixels(handle.get(), &width, &height) || width <= 0 ||
      height <= 0) {
    width = height = size > 0 ? size : 24;
  }
  const double scale = size > 0 ? size / std::max(width, height) : 1.0;
  const int w = std::max(1, static_cast<int>(std::lround(width * scale)));
  const int h = std::max(1, static_cast<int>(std::lround(height * scale)));
  CairoSurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
  CairoPtr cr(cairo_create(surface.get()));
  const RsvgRectangle viewport{0, 0, static_cast<double>(w), static_cast<double>(h)};
  const bool rendered = rsvg_handle_render_document(handle.get(), cr.get(), &viewport, nullptr);
  if (!rendered) return nullptr;
  cairo_surface_flush(surface.get());
  return gdk_pixbuf_get_from_surface(surface.get(), 0, 0, w, h);
}

}  // namespace

std::string GwPicture::find(const std::string& path) {
  if (isFile(path)) return path;
  for (const char* ext : {".svg", ".png"}) {
    if (isFile(path + ext)) return path + ext;
  }
  return {};
}

GdkPixbuf* GwPicture::load(const std::string& file, int size) {
  if (hasSvgExtension(file)) return renderSvg(file, size);
  if (size > 0) return gdk_pixbuf_new_from_file_at_size(file.c_str(), size, size, nullptr);
  return gdk_pixbuf_new_from_file(file.c_str(), nullptr);
}
