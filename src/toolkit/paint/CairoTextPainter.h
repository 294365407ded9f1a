// Single-line text output through Pango: one font per call, anchored on its device point and
// turned about it.
#pragma once

#include <cairo.h>

#include "entities/DeviceContext.h"
#include "toolkit/paint/PaintColour.h"
#include "toolkit/paint/PaintHandle.h"

// Draws one Windows-1252 text at a device point with a font made for this call only:
// family `style.face` ("Arial" when null or empty) sized so that its capitals stand
// `style.pixelHeight` device pixels high, weight `style.weight`, stretched along the
// baseline by `style.widthScale` (or to `style.fitWidth` as `style.fit` says), the
// baseline turned `style.escapementTenths` tenths of a degree counter-clockwise around the
// anchor, the anchor placed on the text as `style.hAlign` / `style.vAlign` say. The
// background stays transparent.
class CairoTextPainter {
 public:
  // Texts taller than this are filled as outlines, so no glyph bitmap of that size is
  // ever rasterised and cached (a zoomed-in drawing reaches thousands of pixels).
  static constexpr int kOutlineHeight = 256;
  // Texts taller than this draw nothing: no such text fits any drawing area (whose side is
  // at most 32000 pixels), and the font engine fails on glyphs of some 50000 pixels.
  static constexpr int kMaxHeight = 32000;
  // Oblique angles of this many degrees or more (a slant lying flat) draw upright letters.
  static constexpr double kMaxOblique = 85.0;

  explicit CairoTextPainter(cairo_t* cr) : cr_(cr) {}

  // (x, y) in device pixels; nothing is drawn for an empty text, a height below 1, a
  // width scale that is not positive, or an anchor that is not a finite number.
  void draw(double x, double y, const char* text, const TextStyle& style,
            const PaintColour& colour);

 private:
  struct TextScale {
    double x = 1.0;
    double y = 1.0;
  };
  // The stretch along and across the baseline for a text `width` pixels wide unscaled.
  static TextScale scaleFor(const TextStyle& style, double width);

  cairo_t* cr_;
  PangoLayoutPtr layout_;  // made on first use and kept for the next texts
};
