// Paints a picture of a given pixel size into a PNG, SVG or PDF file, written atomically.
#pragma once

#include <cairo.h>

#include <filesystem>
#include <functional>
#include <optional>

enum class PaintFormat { Png, Svg, Pdf };

// One pixel is one unit of the file: an SVG or PDF page of N x M points, a PNG of N x M
// pixels. The file appears complete or not at all: it is written to a temporary file in
// the same folder and renamed over the target only when everything succeeded.
class PaintFile {
 public:
  using Painter = std::function<void(cairo_t* cr)>;

  static constexpr int kBadSize = -1;       // a side below 1 or above kMaxSide
  static constexpr int kPaintFailed = -2;   // Cairo reported an error while painting
  static constexpr int kCannotWrite = -50;  // the file could not be created or written
  static constexpr int kMaxSide = 32767;    // largest image side Cairo can allocate

  // The format named by the file's extension (.png, .svg, .pdf in any case).
  static std::optional<PaintFormat> formatFor(const std::filesystem::path& path);

  // Creates a surface of width x height pixels, lets `painter` paint on it and writes it
  // to `path`. Returns 0 or one of the negative codes above; on failure an existing file
  // at `path` is left untouched and no temporary file remains.
  static int write(const std::filesystem::path& path, PaintFormat format, int width, int height,
                   const Painter& painter);
};
