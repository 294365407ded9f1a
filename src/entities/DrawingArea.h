// The drawing-area operations that entities draw through, in world coordinates.
//
// The toolkit's GwDrawnButton implements this interface: it maps the world rectangle set
// on it onto its pixel size, and it sits inside a container ("DA_container") that shows
// only part of it when zoomed. Entities cull against that container before drawing.
#pragma once

#include <span>

#include "entities/DeviceContext.h"

class LinePatterns;

struct WorldPoint {
  double x = 0.0;
  double y = 0.0;
};

struct PixelSize {
  int width = 0;
  int height = 0;
};

struct PixelPosition {
  int x = 0;
  int y = 0;
};

class DrawingArea {
 public:
  virtual ~DrawingArea() = default;

  // Pen: line style code 0 to 4 and #RRGGBB colour texts.
  virtual void set_line_style(int code) = 0;
  // A dash pattern in drawing units (dash > 0, gap < 0, dot 0) that replaces the line
  // style code's until an empty one is set. An area that cannot dash keeps the code's.
  virtual void set_dash_pattern(std::span<const double> /*lengths*/) {}
  // The texts the dash pattern carries, in drawing units (see DeviceContext).
  virtual void set_pattern_texts(std::span<const PatternText> /*lengths*/) {}
  // Width of the lines stroked from now on, in screen pixels whatever the zoom (1 until set).
  virtual void set_line_width(double /*pixels*/) {}

  // The linetype patterns of the drawing being drawn; null: lines follow their style codes.
  const LinePatterns* linePatterns() const { return linePatterns_; }
  void setLinePatterns(const LinePatterns* patterns) { linePatterns_ = patterns; }
  virtual void set_drawing_foreground(const char* colour) = 0;
  virtual void set_drawing_background(const char* colour) = 0;

  // Figures in world coordinates, mapped through the world rectangle.
  virtual void wc_line(double x1, double y1, double x2, double y2) = 0;
  virtual void wc_circle(double cx, double cy, double r) = 0;
  virtual void wc_dot(double x, double y) = 0;
  // Open polyline through the points; one stroke, so a dash pattern runs on through its
  // corners. An area without its own draws the pieces as lines.
  virtual void wc_polyline(const WorldPoint* points, int count) {
    for (int i = 1; i < count; ++i) {
      wc_line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    }
  }
  // Filled with the background colour, outlined with the foreground colour.
  virtual void wc_fill_polygon(const WorldPoint* points, int count) = 0;

  // World point to drawing-area pixels (y grows downwards).
  virtual DevicePoint wc_to_dc(double x, double y) const = 0;

  // Size of the visible container and the area's position inside it (negative when
  // scrolled), both in pixels: what is outside 0..width, 0..height is not seen.
  virtual PixelSize container_size() const = 0;
  virtual PixelPosition position_in_container() const = 0;

  // The area's own device context, for native arcs and texts.
  virtual DeviceContext& device_context() = 0;

 private:
  const LinePatterns* linePatterns_ = nullptr;
};
