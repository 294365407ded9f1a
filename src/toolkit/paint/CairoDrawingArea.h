// Drawing area on Cairo: world coordinates mapped onto a pixel canvas seen through a container.
#pragma once

#include <cairo.h>

#include "toolkit/paint/CairoDeviceContext.h"
#include "entities/DrawingArea.h"
#include "toolkit/paint/WorldMapping.h"

// The canvas ("DA_draw") can be far larger than the container ("DA_container") that shows
// it, up to 32000 x 32000 pixels, and sits at a position inside the container that is
// negative when scrolled. The Cairo context handed in covers the container only; the area
// clips it to the visible part of the canvas and moves its origin to the canvas corner, so
// painting costs only what is seen. The Cairo state is restored when the area object dies.
//
// A world rectangle set with set_wc_coords maps onto the canvas: x1 to pixel column 0,
// x2 to the canvas width, y2 to row 0 and y1 to the canvas height (y up in the world).
// The area's device context works on the same Cairo context with the same mapping, in
// canvas pixels.
class CairoDrawingArea : public DrawingArea {
 public:
  static constexpr int kMaxSide = 32000;

  // `cr` is not owned and must outlive this object; its user space is container pixels.
  CairoDrawingArea(cairo_t* cr, PixelSize container, PixelSize area, PixelPosition position);
  ~CairoDrawingArea() override;

  CairoDrawingArea(const CairoDrawingArea&) = delete;
  CairoDrawingArea& operator=(const CairoDrawingArea&) = delete;

  // World rectangle in drawing units, the corner with the smaller coordinates first.
  void set_wc_coords(double x1, double y1, double x2, double y2);
  // Canvas size in pixels, each side limited to 0..32000; keeps the world rectangle.
  void setAreaSize(PixelSize area);
  // Canvas corner in container pixels (negative when scrolled).
  void setPosition(PixelPosition position);
  PixelSize areaSize() const { return area_; }

  // Paints the visible part of the canvas in one colour ("#RRGGBB").
  void paintBackground(const char* colour = "#FFFFFF");
  // Strokes what the device context still collects, before painting on the Cairo context.
  void flush() { dc_.flush(); }

  void set_line_style(int code) override { dc_.set_line_style(code); }
  // Lengths in drawing units become pixels at the mean of the two axes' scales.
  void set_dash_pattern(std::span<const double> lengths) override;
  // Lengths and heights in drawing units become pixels as the dashes do.
  void set_pattern_texts(std::span<const PatternText> lengths) override;
  void set_line_width(double pixels) override { dc_.set_line_width(pixels); }
  void set_drawing_foreground(const char* colour) override { dc_.set_foreground_color(colour); }
  void set_drawing_background(const char* colour) override { dc_.set_background_color(colour); }

  void wc_line(double x1, double y1, double x2, double y2) override;
  // Radius along each axis by that axis' scale, so a world rectangle with unequal scales
  // shows an ellipse, as every other figure is stretched the same way.
  void wc_circle(double cx, double cy, double r) override;
  void wc_dot(double x, double y) override;
  void wc_polyline(const WorldPoint* points, int count) override;
  void wc_fill_polygon(const WorldPoint* points, int count) override;

  DevicePoint wc_to_dc(double x, double y) const override { return dc_.wc_to_dc(x, y); }
  PixelSize container_size() const override { return container_; }
  PixelPosition position_in_container() const override { return position_; }
  DeviceContext& device_context() override { return dc_; }

 private:
  // Pixels per drawing unit of dash patterns: the mean of the two axes' scales.
  double patternPixelsPerUnit() const;
  // Re-applies the clip to the visible canvas and the origin at the canvas corner.
  void applyPlacement();
  void updateMapping();

  cairo_t* cr_;
  PixelSize container_;
  PixelSize area_;
  PixelPosition position_;
  double worldX1_ = 0.0;
  double worldY1_ = 0.0;
  double worldX2_ = 0.0;
  double worldY2_ = 0.0;
  bool hasWorld_ = false;
  CairoDeviceContext dc_;
};
