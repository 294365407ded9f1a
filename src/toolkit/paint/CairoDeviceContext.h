// Device context on a Cairo context: pen, fill, figures and texts in device pixels.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <span>
#include <vector>

#include "toolkit/paint/CairoTextPainter.h"
#include "toolkit/paint/DeviceClip.h"
#include "toolkit/paint/EllipticArcContext.h"
#include "toolkit/paint/FigureBatch.h"
#include "toolkit/paint/PaintColour.h"
#include "toolkit/paint/WorldMapping.h"

// Implements the entities' device context on any cairo_t whose user space is device
// pixels: an image, PNG, SVG or PDF surface, the printer's page or the screen.
//
// Device coordinates name whole pixels: (x, y) is the pixel whose top-left corner lies at
// x, y. Strokes are one pixel wide unless set wider and run through pixel centres, so a
// horizontal line at integer y covers exactly that pixel row, from its start pixel up to
// (not including) its end pixel; a wider line of an odd width is centred on that row, one
// of an even width on the edge below it. Figures and texts are anti-aliased unless
// setAntialias(false) asks for hard edges. Colours are "#RRGGBB" texts; anything else paints black.
// Pen state starts as a solid black line, a white background colour, transparent background mode
// and a solid fill style.
//
// Figures inside the addressable box are collected in a FigureBatch: consecutive figures
// with the same pen are painted in one call, in the order drawn; texts and larger fills
// paint what is collected first. flush() and the destructor paint what is still collected: call
// flush() before painting on the Cairo context directly or changing its transformation.
class CairoDeviceContext : public EllipticArcContext {
 public:
  static constexpr int kHollow = 7;      // fill style that leaves polygons unfilled
  static constexpr int kOpaqueMode = 2;  // background mode that fills polygons anyway

  // `cr` is not owned and must outlive this object; width x height is the printable
  // size in device pixels that the resolution queries report.
  CairoDeviceContext(cairo_t* cr, int width, int height);
  ~CairoDeviceContext() override;
  CairoDeviceContext(const CairoDeviceContext&) = delete;
  CairoDeviceContext& operator=(const CairoDeviceContext&) = delete;

  // Strokes the collected figures.
  void flush();
  void setAntialias(bool on) {
    antialias_ = on;
    batch_.setEdges(edges());
  }

  // The world rectangle the screen's drawing area maps onto this context; without one
  // (printer, files) world and device coordinates are the same.
  void setMapping(const WorldMapping& mapping) { mapping_ = mapping; }
  const WorldMapping& mapping() const { return mapping_; }
  void setSize(int width, int height);

  // Polygon filled with the background colour whatever the fill style, outlined with the
  // pen; the drawing area's filled polygons come here.
  void filledPolygon(const DevicePoint* points, int count);
  // One pixel in the foreground colour.
  void foregroundDot(double x, double y);

  int lineStyle() const { return lineStyle_; }
  const PaintColour& foreground() const { return foreground_; }
  const PaintColour& background() const { return background_; }
  int backgroundMode() const { return backgroundMode_; }
  int fillStyle() const { return fillStyle_; }
  int orientation() const { return orientation_; }

  unsigned short width_resolution() const override;
  unsigned short height_resolution() const override;

  double y_factor() const override { return mapping_.worldPerPixelY(); }
  double x_wc_to_dc(double x) const override { return mapping_.x(x); }
  double y_wc_to_dc(double y) const override { return mapping_.y(y); }
  DevicePoint wc_to_dc(double x, double y) const override { return {mapping_.x(x), mapping_.y(y)}; }

  // Codes 0 solid, 1 dashed, 2 hidden, 3 dash-dot, 4 phantom; other codes draw solid.
  void set_line_style(int code) override { lineStyle_ = code; }
  // Drawn as PenGeometry::cairoDashes makes it: solid when finer than 2 pixels.
  void set_dash_pattern(std::span<const double> pixels) override {
    dashPixels_.assign(pixels.begin(), pixels.end());
  }
  // Drawn along dashed strokes only (not where the pattern is drawn solid), in the pen's
  // colour.
  void set_pattern_texts(std::span<const PatternText> pixels) override {
    patternTexts_.assign(pixels.begin(), pixels.end());
  }
  // Below one pixel (or not a number) counts as one pixel.
  void set_line_width(double pixels) override;
  double lineWidth() const { return lineWidth_; }
  void set_foreground_color(const char* colour) override;
  void set_background_color(const char* colour) override;
  // Transparent (1) or opaque (2); an opaque background fills polygons even when the fill
  // style is hollow, so a solid printed after a circle (which leaves the fill style
  // hollow) is still filled.
  void set_background_mode(int mode) override { backgroundMode_ = mode; }
  void set_fill_style(int style) override { fillStyle_ = style; }
  // Kept for whoever prints the page; it does not change what is drawn.
  void set_orientation(int orientation) override { orientation_ = orientation; }

  // Circles and arcs (from the elliptic-arc base) are outlines only, never filled.
  void line(double x1, double y1, double x2, double y2) override;
  // Open polyline through the points as one stroke with the pen.
  void polyline(const DevicePoint* points, int count) override;
  void polygon(const DevicePoint* points, int count) override;
  void dot(double x, double y, const char* colour) override;
  void text_out(double x, double y, const char* text, const TextStyle& style) override;

 private:
  void drawPolygon(const DevicePoint* points, int count, bool fill);
  void dotAt(double x, double y, const PaintColour& colour);
  void strokeEllipticArc(double cx, double cy, double rx, double ry, double t0,
                         double sweep) override;
  // Strokes the polyline through the points (back to the first when closed), cut to the
  // addressable box when it reaches outside.
  void strokePolyline(const DevicePoint* points, std::size_t count, bool closed);
  // Strokes the current path, `length` pixels long, with the pen; `dashOffset` in pixels.
  void strokeWithPen(double dashOffset, double length);
  // Draws the pattern's texts along the flattened path, whose dashes of `period` pixels
  // start `phase` pixels into the pattern.
  void drawPatternTexts(const cairo_path_t& path, double phase, double period);
  FigureBatch::Pen pen() const;
  // The shift of stroked points that puts the pen's edges on pixel edges.
  double centre() const;
  // True when the box around the points lies wholly outside the Cairo clip.
  bool outsideClip(std::span<const DevicePoint> points) const;
  cairo_antialias_t edges() const;

  cairo_t* cr_;
  int width_;
  int height_;
  WorldMapping mapping_;
  DeviceClip clip_;
  CairoTextPainter text_;
  int lineStyle_ = 0;
  std::vector<double> dashPixels_;
  std::vector<PatternText> patternTexts_;
  double lineWidth_ = 1.0;
  PaintColour foreground_;
  PaintColour background_{1.0, 1.0, 1.0};
  int backgroundMode_ = 1;
  int fillStyle_ = 0;
  int orientation_ = 0;
  bool antialias_ = true;
  FigureBatch batch_;
};
