// Collected figures: one path of consecutive figures of one kind and pen, replayed at once.
#include "toolkit/paint/FigureBatch.h"

#include <span>

#include "toolkit/paint/PenGeometry.h"

bool FigureBatch::Pen::operator==(const Pen& other) const {
  return style == other.style && width == other.width && colour.red == other.colour.red &&
         colour.green == other.colour.green && colour.blue == other.colour.blue;
}

void FigureBatch::setEdges(cairo_antialias_t edges) {
  if (edges == edges_) return;
  flush();
  edges_ = edges;
}

std::vector<double>& FigureBatch::collect(Kind kind, const Pen& pen) {
  if (figures_ > 0 && (kind != kind_ || !(pen == pen_) || figures_ >= kMaxFigures)) flush();
  kind_ = kind;
  pen_ = pen;
  ++figures_;
  return ops_;
}

void FigureBatch::addPolyline(const Pen& pen, const DevicePoint* points, std::size_t count,
                              bool closed, double shift) {
  if (count < 2) return;
  std::vector<double>& ops = collect(Kind::Stroke, pen);
  ops.insert(ops.end(), {static_cast<double>(Op::Move), points[0].x + shift, points[0].y + shift});
  for (std::size_t i = 1; i < count; ++i) {
    ops.insert(ops.end(),
               {static_cast<double>(Op::Line), points[i].x + shift, points[i].y + shift});
  }
  if (closed) ops.push_back(static_cast<double>(Op::Close));
}

void FigureBatch::addArc(const Pen& pen, double cx, double cy, double rx, double ry, double t0,
                         double t1, bool closed) {
  std::vector<double>& ops = collect(Kind::Stroke, pen);
  ops.insert(ops.end(), {static_cast<double>(Op::Arc), cx, cy, rx, ry, t0, t1});
  if (closed) ops.push_back(static_cast<double>(Op::Close));
}

void FigureBatch::addFill(const PaintColour& colour, const DevicePoint* points, std::size_t count) {
  if (count < 3) return;
  std::vector<double>& ops = collect(Kind::Fill, {0, colour});
  ops.insert(ops.end(), {static_cast<double>(Op::Move), points[0].x, points[0].y});
  for (std::size_t i = 1; i < count; ++i) {
    ops.insert(ops.end(), {static_cast<double>(Op::Line), points[i].x, points[i].y});
  }
  ops.push_back(static_cast<double>(Op::Close));
}

void FigureBatch::addDot(const PaintColour& colour, double x, double y) {
  std::vector<double>& ops = collect(Kind::Dot, {0, colour});
  ops.insert(ops.end(), {static_cast<double>(Op::Rect), x, y});
}

void FigureBatch::replay() const {
  cairo_new_path(cr_);
  for (std::size_t i = 0; i < ops_.size();) {
    switch (static_cast<Op>(static_cast<int>(ops_[i]))) {
      case Op::Move:
        cairo_move_to(cr_, ops_[i + 1], ops_[i + 2]);
        i += 3;
        break;
      case Op::Line:
        cairo_line_to(cr_, ops_[i + 1], ops_[i + 2]);
        i += 3;
        break;
      case Op::Close:
        cairo_close_path(cr_);
        i += 1;
        break;
      case Op::Arc: {
        cairo_matrix_t saved;
        cairo_get_matrix(cr_, &saved);
        cairo_translate(cr_, ops_[i + 1], ops_[i + 2]);
        cairo_scale(cr_, ops_[i + 3], ops_[i + 4]);
        cairo_new_sub_path(cr_);
        cairo_arc(cr_, 0.0, 0.0, 1.0, ops_[i + 5], ops_[i + 6]);
        // The path keeps its shape; the pen goes back to device pixels for the stroke.
        cairo_set_matrix(cr_, &saved);
        i += 7;
        break;
      }
      case Op::Rect:
        cairo_rectangle(cr_, ops_[i + 1], ops_[i + 2], 1.0, 1.0);
        i += 3;
        break;
    }
  }
}

void FigureBatch::flush() {
  if (figures_ == 0) return;
  replay();
  cairo_set_source_rgb(cr_, pen_.colour.red, pen_.colour.green, pen_.colour.blue);
  switch (kind_) {
    case Kind::Stroke: {
      const std::span<const double> dashes = PenGeometry::dashPattern(pen_.style);
      PenGeometry::setStrokeWidth(cr_, pen_.width);
      cairo_set_dash(cr_, dashes.data(), static_cast<int>(dashes.size()), 0.0);
      cairo_set_antialias(cr_, edges_);
      cairo_stroke(cr_);
      break;
    }
    case Kind::Fill: {
      const cairo_fill_rule_t rule = cairo_get_fill_rule(cr_);
      cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
      cairo_set_antialias(cr_, edges_);
      cairo_fill(cr_);
      cairo_set_fill_rule(cr_, rule);
      break;
    }
    case Kind::Dot:
      cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
      cairo_fill(cr_);
      break;
  }
  ops_.clear();
  figures_ = 0;
}
