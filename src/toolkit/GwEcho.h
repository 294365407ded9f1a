// A rubber band: a rectangle or line drawn over a drawing area's viewport while dragging.
#pragma once

#include "toolkit/GwPoint.h"
#include "toolkit/GwRectangle.h"

#include <cairo.h>

class GwCore;
class GwDrawnButton;

// Positions are in the coordinates of the widget the echo was made on: the container's
// pixels for a container, canvas pixels for a drawn button. The echo paints over the
// kept picture of the viewport, so moving it never repaints the drawing.
class GwEcho {
 public:
  // on: a drawn button, or a container holding one. Without one the echo draws nothing.
  explicit GwEcho(GwCore* on);
  ~GwEcho();
  GwEcho(const GwEcho&) = delete;
  GwEcho& operator=(const GwEcho&) = delete;

  // A rectangle with one corner fixed at anchor (rect gives its starting extent); dash is
  // the dash length of its outline in pixels.
  void start_rectangle(const GwRectangle& rect, const GwPoint& anchor, int dash);
  // A line from start.
  void start_line(const GwPoint& start);
  // Moves the free corner or end to at and shows the echo.
  void show(const GwPoint& at);
  void hide();

  bool visible() const { return visible_; }
  // The echo's extent in viewport pixels (with room for the line width).
  GwRectangle bounds() const;
  // Paints the echo on a Cairo context in viewport pixels.
  void paint(cairo_t* cr) const;
  // The drawing area went away first.
  void detach() { canvas_ = nullptr; }

 private:
  void changed(const GwRectangle& before);

  GwDrawnButton* canvas_ = nullptr;
  GwPoint offset_;  // added to positions to get viewport pixels
  bool line_ = false;
  bool visible_ = false;
  GwPoint anchor_;
  GwPoint end_;
  int dash_ = 4;
};
