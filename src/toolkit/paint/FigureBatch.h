// Figures collected for painting in a few Cairo calls instead of one call per figure.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <vector>

#include "entities/DeviceContext.h"
#include "toolkit/paint/PaintColour.h"

// A Cairo stroke or fill costs a few microseconds before it paints a single pixel, which
// is most of the cost of the small figures a large drawing is made of. So figures are
// collected, grouped by pen or colour, and painted together when flushed: first the small
// filled polygons (in the order given), then the dots, then the outlines, each group in
// one call. Outlines and dots of different pens may cross in another order than drawn;
// fills lie under the outlines collected with them. Coordinates are the Cairo user space's,
// which must not change between collecting and flushing.
class FigureBatch {
 public:
  // Figures collected before the batch flushes itself.
  static constexpr std::size_t kMaxFigures = 4096;

  struct Pen {
    int style = 0;  // line style code, see PenGeometry
    PaintColour colour;
    bool operator==(const Pen& other) const;
  };

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
  bool full() const { return figures_ >= kMaxFigures; }

  // Paints everything collected on `cr` and forgets it.
  void flush(cairo_t* cr, cairo_antialias_t edges);

 private:
  enum class Op : int { Move, Line, Close, Arc, Rect };
  struct Group {
    Pen pen;
    std::vector<double> ops;  // an Op code followed by its numbers
  };

  static Group& groupFor(std::vector<Group>& groups, const Pen& pen);
  static void replay(cairo_t* cr, const std::vector<double>& ops);

  std::vector<Group> fills_;
  std::vector<Group> dots_;
  std::vector<Group> strokes_;
  std::size_t figures_ = 0;
};
