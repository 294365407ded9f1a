// The device-context operations that entities and texts draw through, in device pixels.
//
// The headless core must not see GTK, so the entities talk to these small abstract
// interfaces; the toolkit's GwBaseDC (screen, printer, metafile) implements this one on
// Cairo, and tests use a recording double. Colours are the #RRGGBB texts of the colour
// table; "BYLAYER" and "BYBLOCK" (an entity whose layer was never found) paint black.
#pragma once

#include <memory>
#include <span>

#include "dxf/LineWeight.h"
#include "entities/PatternText.h"

class LinePatterns;

struct DevicePoint {
  double x = 0.0;
  double y = 0.0;
};

// How a text is anchored on its device point. Top and Bottom are the top of the capitals
// and the bottom of the descenders; Middle lies halfway between those two.
enum class TextHAlign { Left, Centre, Right };
enum class TextVAlign { Baseline, Bottom, Middle, Top };

// How a text fills the span `fitWidth` from its anchor along its baseline: not at all,
// scaled as a whole (aligned) or stretched along the baseline only (fit).
enum class TextFit { None, Aligned, Stretched };

// One text output: a font made for this call only and dropped after it.
struct TextStyle {
  const char* face = "Arial";
  double pixelHeight = 0.0;  // height of the capital letters in device pixels
  double widthScale = 1.0;   // glyphs stretched along the baseline by this factor
  int escapementTenths = 0;  // direction of the baseline, tenths of a degree counter-clockwise
  int weight = 400;          // 400 normal, 700 bold
  TextHAlign hAlign = TextHAlign::Left;
  TextVAlign vAlign = TextVAlign::Baseline;
  TextFit fit = TextFit::None;
  double fitWidth = 0.0;  // device pixels along the baseline when fit is not None
  // Glyphs reflected across the baseline: drawn upside down without turning, as a mirror
  // image of the text seen from behind.
  bool mirrored = false;
  bool italic = false;
  // Letters slanted by this many degrees from upright, clockwise (their tops forward).
  double obliqueDegrees = 0.0;
};

// A rectangle in device pixels: left and top edge (y grows downwards), width and height.
struct DeviceRectangle {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// A picture file (the logo of a printed sheet) opened for one device context.
class DeviceMetaFile {
 public:
  virtual ~DeviceMetaFile() = default;
  // Natural width and height of the picture; callers use their ratio.
  virtual double width() const = 0;
  virtual double height() const = 0;
  // Draws the picture stretched into the rectangle on the device it was opened for.
  virtual void draw(const DeviceRectangle& target) = 0;
};

class DeviceContext {
 public:
  // Background modes (set_background_mode): whether a figure's background is painted.
  enum BackgroundMode : int { kTransparentBackground = 1, kOpaqueBackground = 2 };
  // The fill style (set_fill_style) that leaves polygons unfilled; any other fills them.
  static constexpr int kHollowFill = 7;
  // The orientation (set_orientation) set before a line is drawn.
  static constexpr int kLineOrientation = 16;

  virtual ~DeviceContext() = default;

  // Printable size in device pixels (unsigned 16-bit counts, as the fit factor expects).
  virtual unsigned short width_resolution() const = 0;
  virtual unsigned short height_resolution() const = 0;

  // World units per device pixel in y (the screen's drawing area sets this from its
  // world rectangle; a printer context reports 1).
  virtual double y_factor() const = 0;
  virtual double x_wc_to_dc(double x) const = 0;
  virtual double y_wc_to_dc(double y) const = 0;
  virtual DevicePoint wc_to_dc(double x, double y) const = 0;

  // Pen and fill state. Line style codes: 0 solid, 1 dashed, 2 hidden, 3 dash-dot, 4 phantom.
  virtual void set_line_style(int code) = 0;
  // A dash pattern in device pixels (dash > 0, gap < 0, dot 0) that replaces the line
  // style code's until an empty one is set. A device that cannot dash keeps the code's.
  virtual void set_dash_pattern(std::span<const double> /*pixels*/) {}
  // The texts the dash pattern carries, in device pixels, drawn along every dashed stroke
  // until others are set. A device that cannot place them leaves them out.
  virtual void set_pattern_texts(std::span<const PatternText> /*pixels*/) {}
  // Width of the lines stroked from now on, in device pixels (1 until set).
  virtual void set_line_width(double /*pixels*/) {}
  // Device pixels of a resolved line weight (dxf/LineWeight.h): screen pixels unless
  // the device is paper.
  virtual double lineWeightPixels(int weight, int drawingDefault) const {
    return LineWeight::screenPixels(weight, drawingDefault);
  }
  virtual void set_foreground_color(const char* colour) = 0;
  virtual void set_background_color(const char* colour) = 0;
  virtual void set_background_mode(int mode) = 0;  // a BackgroundMode
  virtual void set_fill_style(int style) = 0;      // kHollowFill, or any other: solid
  virtual void set_orientation(int orientation) = 0;

  // Figures in device pixels with the current pen.
  virtual void line(double x1, double y1, double x2, double y2) = 0;
  virtual void circle(double cx, double cy, double r) = 0;
  // Counter-clockwise (on paper, y up) arc from start to end angle, radians.
  virtual void arc(double cx, double cy, double rx, double ry, double startAngle,
                   double endAngle) = 0;
  // Closed polygon: outlined with the foreground, filled with the background colour
  // unless the fill style is hollow.
  virtual void polygon(const DevicePoint* points, int count) = 0;
  // Open polyline through the points; one stroke, so a dash pattern runs on through its
  // corners. A device without its own draws the pieces as lines.
  virtual void polyline(const DevicePoint* points, int count) {
    for (int i = 1; i < count; ++i) {
      line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    }
  }
  virtual void dot(double x, double y, const char* colour) = 0;

  // Native arc on the device handle: bounding box and start/end points in pixels,
  // drawn counter-clockwise as seen on the screen.
  virtual void native_arc(double left, double top, double right, double bottom, double startX,
                          double startY, double endX, double endY) = 0;

  // Native text output at a device point; `text` is Windows-1252.
  virtual void text_out(double x, double y, const char* text, const TextStyle& style) = 0;

  // Opens a picture file (SVG or PNG) for drawing on this device; null when it cannot be
  // read or the device draws no pictures, which is what a device without this says.
  virtual std::unique_ptr<DeviceMetaFile> open_metafile(const char* /*path*/) { return nullptr; }

  // The linetype patterns of the drawing being drawn and the device pixels per drawing
  // unit they are drawn at; null: lines follow their style codes.
  const LinePatterns* linePatterns() const { return linePatterns_; }
  double patternPixelsPerUnit() const { return patternPixelsPerUnit_; }
  void setLinePatterns(const LinePatterns* patterns, double pixelsPerUnit) {
    linePatterns_ = patterns;
    patternPixelsPerUnit_ = pixelsPerUnit;
  }

 private:
  const LinePatterns* linePatterns_ = nullptr;
  double patternPixelsPerUnit_ = 1.0;
};
