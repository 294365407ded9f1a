// Figures collected for painting in a few Cairo calls instead of one call per figure.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <vector>

#include "entities/DeviceContext.h"
#include "toolkit/paint/PaintColour.h"

// A Cairo stroke or fill costs a few microseconds before it paints a single pixel, which
// is much of the cost of the small figures a large drawing is made of. So consecutive
// figures of one kind (outlines, small fills, dots) with the same pen are collected into
// one path and painted in one call when the kind or the pen changes, when the batch is
// full or when flushed. The painting order stays exactly as drawn, so every part of a
// picture (a band, a scrolled strip) paints the same pixels as the whole. Coordinates are
// the Cairo user space's, which must not change between collecting and flushing.
class FigureBatch {
 public:
  // Figures collected before the batch paints itself.
  static constexpr std::size_t kMaxFigures = 4096;

  struct Pen {
    int style = 0;  // line style code, see PenGeometry
    PaintColour colour;
    double width = 1.0;  // device pixels
    bool operator==(const Pen& other) const;
  };

  // Paints on `cr` (not owned), with `edges` as the anti-aliasing of figures.
  FigureBatch(cairo_t* cr, cairo_antialias_t edges) : cr_(cr), edges_(edges) {}
  void setEdges(cairo_antialias_t edges);

  bool empty() const { return figures_ == 0; }

  // Points moved by `shift` in both axes (strokes run through pixel centres).
  void addPolyline(const Pen& pen, const DevicePoint* points, std::size_t count, bool closed,
                   double shift);
  // Elliptic arc about (cx, cy) with radii rx, ry from t0 to t1 (radians, Cairo's sense).
  void addArc(const Pen& pen, double cx, double cy, double rx, double ry, double t0, double t1,
              bool closed);
  // A polygon of at most four corners filled with `colour` (non-zero winding).
  void addFill(const PaintColour& colour, const DevicePoint* points, std::size_t count);
  // The pixel whose top-left corner is (x, y).
  void addDot(const PaintColour& colour, double x, double y);

  // Paints everything collected and forgets it.
  void flush();

 private:
  enum class Kind { Stroke, Fill, Dot };
  enum class Op : int { Move, Line, Close, Arc, Rect };

  // Makes the batch collect figures of that kind and pen, painting what it held first
  // when that was of another kind or pen, or when it is full.
  std::vector<double>& collect(Kind kind, const Pen& pen);
  void replay() const;

  cairo_t* cr_;
  cairo_antialias_t edges_;
  Kind kind_ = Kind::Stroke;
  Pen pen_;
  std::vector<double> ops_;  // an Op code followed by its numbers
  std::size_t figures_ = 0;
};
