// Rubber rectangles and lines over the viewport of a drawing area.
#include "toolkit/GwEcho.h"

#include <algorithm>
#include <cstdlib>

#include "toolkit/GwDrawnButton.h"

GwEcho::GwEcho(GwCore* on) : canvas_(GwDrawnButton::inside(on)) {
  if (!canvas_) return;
  if (canvas_ == on) {
    const GwPosition position = canvas_->position();
    offset_ = {position.x, position.y};
  }
  canvas_->add_echo(this);
}

GwEcho::~GwEcho() {
  if (!canvas_) return;
  const GwRectangle before = bounds();
  canvas_->remove_echo(this);
  if (visible_) canvas_->refresh_echoes(before, {});
}

void GwEcho::start_rectangle(const GwRectangle& rect, const GwPoint& anchor, int dash) {
  line_ = false;
  anchor_ = anchor;
  end_ = {anchor.x + rect.width, anchor.y + rect.height};
  dash_ = std::max(dash, 1);
}

void GwEcho::start_line(const GwPoint& start) {
  line_ = true;
  anchor_ = start;
  end_ = start;
}

void GwEcho::show(const GwPoint& at) {
  const GwRectangle before = bounds();
  end_ = at;
  visible_ = true;
  changed(before);
}

void GwEcho::hide() {
  if (!visible_) return;
  const GwRectangle before = bounds();
  visible_ = false;
  changed(before);
}

void GwEcho::changed(const GwRectangle& before) {
  if (canvas_) canvas_->refresh_echoes(before, bounds());
}

GwRectangle GwEcho::bounds() const {
  if (!visible_) return {};
  const int left = std::min(anchor_.x, end_.x) + offset_.x - 2;
  const int top = std::min(anchor_.y, end_.y) + offset_.y - 2;
  return {left, top, std::abs(end_.x - anchor_.x) + 5, std::abs(end_.y - anchor_.y) + 5};
}

void GwEcho::paint(cairo_t* cr) const {
  if (!visible_) return;
  cairo_save(cr);
  const double x0 = anchor_.x + offset_.x + 0.5;
  const double y0 = anchor_.y + offset_.y + 0.5;
  const double x1 = end_.x + offset_.x + 0.5;
  const double y1 = end_.y + offset_.y + 0.5;
  if (line_) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
  } else {
    cairo_rectangle(cr, std::min(x0, x1), std::min(y0, y1), std::abs(x1 - x0), std::abs(y1 - y0));
  }
  // White under black dashes: visible on the paper and on dark lines alike.
  cairo_set_line_width(cr, 1.0);
  cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
  cairo_stroke_preserve(cr);
  const double dash = dash_;
  cairo_set_dash(cr, &dash, 1, 0.0);
  cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
  cairo_stroke(cr);
  cairo_restore(cr);
}
