// Device context that writes its figures and texts as PDF page content.
#pragma once

#include <cairo.h>

#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "toolkit/paint/EllipticArcContext.h"
#include "toolkit/paint/DeviceClip.h"
#include "toolkit/paint/PaintColour.h"
#include "toolkit/paint/PdfWriter.h"

// Draws in device pixels (y downwards) into the current page of a PdfWriter, as the Cairo
// device context draws on a Cairo context: one-pixel pens with the same dash patterns,
// polygons filled with the background colour, texts in a bold sans-serif face, italic and
// slanted as their style says. Whoever begins the page maps device pixels onto it. Every
// call becomes a few operators that go straight to the file, so large drawings need no
// more memory than small ones.
class PdfDeviceContext : public EllipticArcContext {
 public:
  static constexpr int kHollow = 7;
  static constexpr int kOpaqueMode = 2;

  // width x height is the printable size in device pixels.
  PdfDeviceContext(PdfWriter& pdf, int width, int height);

  // Paints an ARGB32 image stretched into the rectangle.
  void image(const DeviceRectangle& target, cairo_surface_t* argb);

  unsigned short width_resolution() const override;
  unsigned short height_resolution() const override;
  double y_factor() const override { return 1.0; }
  double x_wc_to_dc(double x) const override { return x; }
  double y_wc_to_dc(double y) const override { return y; }
  DevicePoint wc_to_dc(double x, double y) const override { return {x, y}; }

  void set_line_style(int code) override { lineStyle_ = code; }
  void set_dash_pattern(std::span<const double> pixels) override {
    dashPixels_.assign(pixels.begin(), pixels.end());
  }
  // Drawn along dashed lines and arcs only, in the pen's colour.
  void set_pattern_texts(std::span<const PatternText> pixels) override {
    patternTexts_.assign(pixels.begin(), pixels.end());
  }
  // Below one pixel (or not a number) counts as one pixel.
  void set_line_width(double pixels) override {
    lineWidth_ = std::isfinite(pixels) && pixels >= 1.0 ? pixels : 1.0;
  }
  void set_foreground_color(const char* colour) override;
  void set_background_color(const char* colour) override;
  void set_background_mode(int mode) override { backgroundMode_ = mode; }
  void set_fill_style(int style) override { fillStyle_ = style; }
  void set_orientation(int /*orientation*/) override {}

  void line(double x1, double y1, double x2, double y2) override;
  // One stroke, so that its dashes run on; a polyline reaching off the page is drawn as
  // its lines, each cut to the page.
  void polyline(const DevicePoint* points, int count) override;
  void polygon(const DevicePoint* points, int count) override;
  void dot(double x, double y, const char* colour) override;
  void text_out(double x, double y, const char* text, const TextStyle& style) override;

 private:
  // The elliptic arc as Bezier curves.
  void strokeEllipticArc(double cx, double cy, double rx, double ry, double t0,
                         double sweep) override;
  void point(char op, double x, double y);
  void strokeColour();
  void fillColour(const PaintColour& colour);
  void stroke(const char* op);
  // The pattern's texts along the polyline just stroked, its dashes starting with it.
  void drawPatternTexts(std::span<const DevicePoint> points);

  PdfWriter& pdf_;
  int width_;
  int height_;
  DeviceClip clip_;
  std::string ops_;
  int lineStyle_ = 0;
  std::vector<double> dashPixels_;
  std::vector<PatternText> patternTexts_;
  double lineWidth_ = 1.0;
  PaintColour foreground_;
  PaintColour background_{1.0, 1.0, 1.0};
  int backgroundMode_ = 1;
  int fillStyle_ = 0;
  // What the page content has set last; a negative red channel means nothing yet.
  PaintColour writtenStroke_{-1.0, 0.0, 0.0};
  PaintColour writtenFill_{-1.0, 0.0, 0.0};
  std::optional<std::vector<double>> writtenDashes_;
  double writtenWidth_ = 1.0;
};
