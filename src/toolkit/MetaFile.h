// A picture file for printing: an SVG (drawn as vectors) or a PNG.
#pragma once

#include <cairo.h>

#include "toolkit/GwDimension.h"
#include "toolkit/GwRectangle.h"

typedef struct _RsvgHandle RsvgHandle;

class MetaFile {
 public:
  // Loads the file: SVG when it ends in ".svg" (any case), PNG otherwise. A file that
  // cannot be read leaves the object empty (loaded() false, size 0 x 0, draws nothing).
  explicit MetaFile(const char* path);
  ~MetaFile();
  MetaFile(const MetaFile&) = delete;
  MetaFile& operator=(const MetaFile&) = delete;

  bool loaded() const { return svg_ != nullptr || png_ != nullptr; }
  // Natural size in pixels (an SVG's width and height, or its view box).
  GwDimension size() const { return size_; }
  // Draws the picture stretched into the rectangle, in the user space of `cr`.
  void draw(cairo_t* cr, const GwRectangle& target) const;

 private:
  RsvgHandle* svg_ = nullptr;
  cairo_surface_t* png_ = nullptr;
  GwDimension size_;
};
