// Paints one picture in horizontal bands on all painting threads at once.
#pragma once

#include <cairo.h>

#include <functional>

// Rows top .. top + height - 1 of a picture `width` pixels wide.
struct PictureBand {
  int top = 0;
  int height = 0;
  int width = 0;
};

// Paints one band on `cr`, a context of its own whose user space is the band's pixels
// (row 0 is the band's top row). Called on several threads at once, each with its band.
using BandPainter = std::function<void(cairo_t* cr, const PictureBand& band)>;

// Paints a picture of width x height pixels on `target`. Splits an image surface into bands of
// whole rows, each painted straight into the surface's memory through a surface of its own (so no
// Cairo object is shared between threads), and returns when every band is done. Anything but an
// image surface is painted in one piece on the calling thread. Returns false when Cairo reported an
// error.
bool paintInBands(cairo_surface_t* target, int width, int height, const BandPainter& painter);
