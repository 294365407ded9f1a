// Collected figures: grouped by pen or colour, replayed as one path per group.
#include "toolkit/paint/FigureBatch.h"

#include <span>

#include "toolkit/paint/PenGeometry.h"

bool FigureBatch::Pen::operator==(const Pen& other) const {
  return style == other.style && colour.red == other.colour.red &&
         colour.green == other.colour.green && colour.blue == other.colour.blue;
}

FigureBatch::Group& FigureBatch::groupFor(std::vector<Group>& groups, const Pen& pen) {
  // Drawings use few pens at a time; the last one used is the likeliest.
  for (auto group = groups.rbegin(); group != groups.rend(); ++group) {
    if (group->pen == pen) return *group;
  }
  groups.push_back({pen, {}});
  return groups.back();
}

void FigureBatch::addPolyline(const Pen& pen, const DevicePoint* points, std::size_t count,
                              bool closed, double shift) {
  if (count < 2) return;
  std::vector<double>& ops = groupFor(strokes_, pen).ops;
  ops.insert(ops.end(), {static_cast<double>(Op::Move), points[0].x + shift, points[0].y + shift});
  for (std::size_t i = 1; i < count; ++i) {
    ops.insert(ops.end(), {static_cast<double>(Op::Line), points[i].x + shift, points[i].y + shift});
  }
  if (closed) ops.push_back(static_cast<double>(Op::Close));
  ++figures_;
}

void FigureBatch::addArc(const Pen& pen, double cx, double cy, double rx, double ry, double t0,
                         double t1, bool closed) {
  std::vector<double>& ops = groupFor(strokes_, pen).ops;
  ops.insert(ops.end(), {static_cast<double>(Op::Arc), cx, cy, rx, ry, t0, t1});
  if (closed) ops.push_back(static_cast<double>(Op::Close));
  ++figures_;
}

void FigureBatch::addFill(const PaintColour& colour, const DevicePoint* points, std::size_t count) {
  if (count < 3) return;
  // Fills keep their order among themselves: a new colour group only after the last one.
  if (fills_.empty() || !(fills_.back().pen == Pen{0, colour})) fills_.push_back({{0, colour}, {}});
  std::vector<double>& ops = fills_.back().ops;
  ops.insert(ops.end(), {static_cast<double>(Op::Move), points[0].x, points[0].y});
  for (std::size_t i = 1; i < count; ++i) {
    ops.insert(ops.end(), {static_cast<double>(Op::Line), points[i].x, points[i].y});
  }
  ops.push_back(static_cast<double>(Op::Close));
  ++figures_;
}

void FigureBatch::addDot(const PaintColour& colour, double x, double y) {
  std::vector<double>& ops = groupFor(dots_, {0, colour}).ops;
  ops.insert(ops.end(), {static_cast<double>(Op::Rect), x, y});
  ++figures_;
}

void FigureBatch::replay(cairo_t* cr, const std::vector<double>& ops) {
  cairo_new_path(cr);
  for (std::size_t i = 0; i < ops.size();) {
    switch (static_cast<Op>(static_cast<int>(ops[i]))) {
      case Op::Move:
        cairo_move_to(cr, ops[i + 1], ops[i + 2]);
        i += 3;
        break;
      case Op::Line:
        cairo_line_to(cr, ops[i + 1], ops[i + 2]);
        i += 3;
        break;
      case Op::Close:
        cairo_close_path(cr);
        i += 1;
        break;
      case Op::Arc: {
        cairo_matrix_t saved;
        cairo_get_matrix(cr, &saved);
        cairo_translate(cr, ops[i + 1], ops[i + 2]);
        cairo_scale(cr, ops[i + 3], ops[i + 4]);
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0.0, 0.0, 1.0, ops[i + 5], ops[i + 6]);
        cairo_set_matrix(cr, &saved);
        i += 7;
        break;
      }
      case Op::Rect:
        cairo_rectangle(cr, ops[i + 1], ops[i + 2], 1.0, 1.0);
        i += 3;
        break;
    }
  }
}

void FigureBatch::flush(cairo_t* cr, cairo_antialias_t edges) {
  if (figures_ == 0) return;
  const cairo_fill_rule_t rule = cairo_get_fill_rule(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_set_antialias(cr, edges);
  for (const Group& group : fills_) {
    replay(cr, group.ops);
    cairo_set_source_rgb(cr, group.pen.colour.red, group.pen.colour.green, group.pen.colour.blue);
    cairo_fill(cr);
  }
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  for (const Group& group : dots_) {
    replay(cr, group.ops);
    cairo_set_source_rgb(cr, group.pen.colour.red, group.pen.colour.green, group.pen.colour.blue);
    cairo_fill(cr);
  }
  cairo_set_fill_rule(cr, rule);
  cairo_set_antialias(cr, edges);
  cairo_set_line_width(cr, 1.0);

  for (const Group& group : strokes_) {
    replay(cr, group.ops);
    const std::span<const double> dashes = PenGeometry::dashPattern(group.pen.style);
    cairo_set_source_rgb(cr, group.pen.colour.red, group.pen.colour.green, group.pen.colour.blue);
    cairo_set_dash(cr, dashes.data(), static_cast<int>(dashes.size()), 0.0);
    cairo_stroke(cr);
  }
  cairo_new_path(cr);
  fills_.clear();
  dots_.clear();
  strokes_.clear();
  figures_ = 0;
}
