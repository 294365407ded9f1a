// PNG, SVG and PDF output through Cairo, written to a temporary file and renamed into place.
#include "toolkit/paint/PaintFile.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "settings/ReplacingFile.h"
#include "toolkit/paint/PaintHandle.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

cairo_status_t writeChunk(void* closure, const unsigned char* data, unsigned int length) {
  auto* file = static_cast<std::FILE*>(closure);
  return std::fwrite(data, 1, length, file) == length ? CAIRO_STATUS_SUCCESS
                                                      : CAIRO_STATUS_WRITE_ERROR;
}

// A vector surface streams into `file` as it is painted; an image is written at the end.
CairoSurfacePtr createSurface(PaintFormat format, int width, int height, std::FILE* file) {
  switch (format) {
    case PaintFormat::Svg:
      return CairoSurfacePtr(cairo_svg_surface_create_for_stream(writeChunk, file, width, height));
    case PaintFormat::Pdf:
      return CairoSurfacePtr(cairo_pdf_surface_create_for_stream(writeChunk, file, width, height));
    case PaintFormat::Png: break;
  }
  return CairoSurfacePtr(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
}

// Paints and writes into the open temporary file; returns 0 or a PaintFile code.
int paintInto(std::FILE* file, PaintFormat format, int width, int height,
              const PaintFile::Painter& painter) {
  CairoSurfacePtr surface = createSurface(format, width, height, file);
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return PaintFile::kPaintFailed;
  {
    CairoPtr cr(cairo_create(surface.get()));
    if (painter) painter(cr.get());
    if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) return PaintFile::kPaintFailed;
  }
  if (format == PaintFormat::Png) {
    cairo_surface_flush(surface.get());
    const cairo_status_t status =
        cairo_surface_write_to_png_stream(surface.get(), writeChunk, file);
    if (status == CAIRO_STATUS_WRITE_ERROR) return PaintFile::kCannotWrite;
    if (status != CAIRO_STATUS_SUCCESS) return PaintFile::kPaintFailed;
    return 0;
  }
  cairo_surface_finish(surface.get());
  const cairo_status_t status = cairo_surface_status(surface.get());
  if (status == CAIRO_STATUS_WRITE_ERROR) return PaintFile::kCannotWrite;
  return status == CAIRO_STATUS_SUCCESS ? 0 : PaintFile::kPaintFailed;
}

}  // namespace

std::optional<PaintFormat> PaintFile::formatFor(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".png") return PaintFormat::Png;
  if (extension == ".svg") return PaintFormat::Svg;
  if (extension == ".pdf") return PaintFormat::Pdf;
  return std::nullopt;
}

int PaintFile::write(const std::filesystem::path& path, PaintFormat format, int width, int height,
                     const Painter& painter) {
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return kBadSize;

  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return kCannotWrite;
  const std::string temporary(name.data());
  ::fchmod(fd, newFileMode());

  FilePtr file(::fdopen(fd, "wb"));
  if (!file) {
    ::close(fd);
    std::remove(temporary.c_str());
    return kCannotWrite;
  }
  int result = paintInto(file.get(), format, width, height, painter);
  if (result == 0 && (std::fflush(file.get()) != 0 || ::fsync(::fileno(file.get())) != 0)) {
    result = kCannotWrite;
  }
  if (std::fclose(file.release()) != 0 && result == 0) result = kCannotWrite;
  if (result == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) result = kCannotWrite;
  if (result != 0) std::remove(temporary.c_str());
  return result;
}
