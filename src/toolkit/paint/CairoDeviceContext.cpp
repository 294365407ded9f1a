// Cairo implementation of the device context: pen, dashes, figures, dots, texts.
#include "toolkit/paint/CairoDeviceContext.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <numbers>
#include <span>
#include <vector>

#include "entities/PatternTextPlacement.h"
#include "toolkit/paint/PaintRange.h"
#include "toolkit/paint/PenGeometry.h"
#include "entities/Angles.h"

namespace {

// Largest distance between a flattened curve and the true one, in pixels.
constexpr double kFlatness = 0.25;
// Filled polygons with up to this many corners are collected; larger ones (which may
// cross themselves and then fill even-odd) are painted at once.
constexpr int kCollectedCorners = 4;

unsigned short resolution(int pixels) {
  return static_cast<unsigned short>(std::clamp(pixels, 0, 65535));
}

bool finite(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

}  // namespace

CairoDeviceContext::CairoDeviceContext(cairo_t* cr, int width, int height)
    : cr_(cr), width_(width), height_(height), text_(cr), batch_(cr, edges()) {}

CairoDeviceContext::~CairoDeviceContext() { flush(); }

cairo_antialias_t CairoDeviceContext::edges() const {
  // Cairo's fast anti-aliasing (fewer coverage levels) paints thin figures a third
  // quicker than its default, with no difference to see on one-pixel lines.
  return antialias_ ? CAIRO_ANTIALIAS_FAST : CAIRO_ANTIALIAS_NONE;
}

void CairoDeviceContext::flush() { batch_.flush(); }

FigureBatch::Pen CairoDeviceContext::pen() const { return {lineStyle_, foreground_, lineWidth_}; }

double CairoDeviceContext::centre() const { return PenGeometry::pixelShift(lineWidth_); }

void CairoDeviceContext::set_line_width(double pixels) {
  lineWidth_ = std::isfinite(pixels) && pixels >= 1.0 ? pixels : 1.0;
}

bool CairoDeviceContext::outsideClip(std::span<const DevicePoint> points) const {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;
  cairo_clip_extents(cr_, &left, &top, &right, &bottom);
  const auto [minX, maxX] =
      std::minmax_element(points.begin(), points.end(),
                          [](const DevicePoint& a, const DevicePoint& b) { return a.x < b.x; });
  const auto [minY, maxY] =
      std::minmax_element(points.begin(), points.end(),
                          [](const DevicePoint& a, const DevicePoint& b) { return a.y < b.y; });
  return maxX->x + 1.0 < left || minX->x - 1.0 > right || maxY->y + 1.0 < top ||
         minY->y - 1.0 > bottom;
}

void CairoDeviceContext::setSize(int width, int height) {
  width_ = width;
  height_ = height;
}

unsigned short CairoDeviceContext::width_resolution() const { return resolution(width_); }
unsigned short CairoDeviceContext::height_resolution() const { return resolution(height_); }

void CairoDeviceContext::set_foreground_color(const char* colour) {
  foreground_ = PaintColour::parse(colour);
}

void CairoDeviceContext::set_background_color(const char* colour) {
  background_ = PaintColour::parse(colour);
}

void CairoDeviceContext::line(double x1, double y1, double x2, double y2) {
  const DevicePoint points[2] = {{x1, y1}, {x2, y2}};
  strokePolyline(points, 2, false);
}

void CairoDeviceContext::polyline(const DevicePoint* points, int count) {
  if (points && count >= 2) strokePolyline(points, static_cast<std::size_t>(count), false);
}

void CairoDeviceContext::polygon(const DevicePoint* points, int count) {
  drawPolygon(points, count, fillStyle_ != kHollow || backgroundMode_ == kOpaqueMode);
}

void CairoDeviceContext::filledPolygon(const DevicePoint* points, int count) {
  drawPolygon(points, count, true);
}

void CairoDeviceContext::dot(double x, double y, const char* colour) {
  dotAt(x, y, PaintColour::parse(colour));
}

void CairoDeviceContext::foregroundDot(double x, double y) { dotAt(x, y, foreground_); }

void CairoDeviceContext::text_out(double x, double y, const char* text, const TextStyle& style) {
  if (!finite({x, y}) || !clip_.contains({x, y}) || !text) return;
  // A text that cannot reach the part painted does not interrupt the collected figures.
  const double reach = style.pixelHeight * (static_cast<double>(std::strlen(text)) + 2.0);
  const DevicePoint around[] = {{x - reach, y - reach}, {x + reach, y + reach}};
  if (outsideClip(around)) return;
  flush();
  text_.draw(x, y, text, style, foreground_);
}

void CairoDeviceContext::drawPolygon(const DevicePoint* points, int count, bool fill) {
  if (!points || count < 2) return;
  const std::span<const DevicePoint> corners(points, static_cast<std::size_t>(count));
  if (!std::all_of(corners.begin(), corners.end(), [](const DevicePoint& p) {
        return finite({p.x, p.y});
      })) {
    return;
  }
  if (fill && count >= 3) {
    const bool inside = std::all_of(corners.begin(), corners.end(),
                                    [this](const DevicePoint& p) { return clip_.contains(p); });
    if (inside && outsideClip(corners)) return;
    if (inside && count <= kCollectedCorners) {
      batch_.addFill(background_, points, corners.size());
      strokePolyline(points, corners.size(), true);
      return;
    }
    flush();
    const std::vector<DevicePoint> area =
        inside ? std::vector<DevicePoint>(corners.begin(), corners.end())
               : clip_.clipPolygon(points, count);
    if (area.size() >= 3) {
      cairo_new_path(cr_);
      cairo_move_to(cr_, area[0].x, area[0].y);
      for (std::size_t i = 1; i < area.size(); ++i) cairo_line_to(cr_, area[i].x, area[i].y);
      cairo_close_path(cr_);
      const cairo_fill_rule_t previous = cairo_get_fill_rule(cr_);
      // Self-crossing outlines fill alternately (even-odd rule): what they enclose twice
      // stays empty.
      cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
      cairo_set_source_rgb(cr_, background_.red, background_.green, background_.blue);
      cairo_set_antialias(cr_, edges());
      cairo_fill(cr_);
      cairo_set_fill_rule(cr_, previous);
    }
  }
  strokePolyline(points, corners.size(), true);
}

void CairoDeviceContext::dotAt(double x, double y, const PaintColour& colour) {
  if (!finite({x, y}) || !clip_.contains({x, y})) return;
  batch_.addDot(colour, std::floor(x), std::floor(y));
}

void CairoDeviceContext::strokeEllipticArc(double cx, double cy, double rx, double ry, double t0,
                                           double sweep) {
  if (!finite({cx, cy, t0, sweep}) || !PaintRange::drawable(rx) || !PaintRange::drawable(ry) ||
      sweep <= 0.0) {
    return;
  }
  const double ax = std::abs(rx);
  const double ay = std::abs(ry);
  if (clip_.missesBox(cx - ax, cy - ay, cx + ax, cy + ay)) return;

  if (clip_.contains({cx - ax, cy - ay}) && clip_.contains({cx + ax, cy + ay})) {
    // Solid figures of one pen are stroked together; a dashed one alone, its dashes
    // fitted to its own length.
    if (dashPixels_.empty()) {
      batch_.addArc(pen(), cx + centre(), cy + centre(), rx, ry, t0, t0 + sweep,
                    sweep >= kFullTurn);
      return;
    }
    flush();
    cairo_new_path(cr_);
    cairo_matrix_t saved;
    cairo_get_matrix(cr_, &saved);
    cairo_translate(cr_, cx + centre(), cy + centre());
    cairo_scale(cr_, rx, ry);
    cairo_arc(cr_, 0.0, 0.0, 1.0, t0, t0 + sweep);
    if (sweep >= kFullTurn) cairo_close_path(cr_);
    // The path keeps its shape; the pen goes back to device pixels for the stroke.
    cairo_set_matrix(cr_, &saved);
    strokeWithPen(0.0, std::max(ax, ay) * sweep);
    return;
  }

  // Too far out for Cairo's fixed-point path: flatten, then cut the chords to the box.
  const double radius = std::max(ax, ay);
  const double step = radius > kFlatness ? 2.0 * std::acos(1.0 - kFlatness / radius) : kFullTurn;
  const double wanted = std::ceil(sweep / step);
  const std::size_t chords = static_cast<std::size_t>(std::clamp(wanted, 8.0, 65536.0));
  std::vector<DevicePoint> points(chords + 1);
  for (std::size_t i = 0; i <= chords; ++i) {
    const double t = t0 + sweep * static_cast<double>(i) / static_cast<double>(chords);
    points[i] = {cx + rx * std::cos(t), cy + ry * std::sin(t)};
  }
  strokePolyline(points.data(), points.size(), false);
}

void CairoDeviceContext::strokePolyline(const DevicePoint* points, std::size_t count, bool closed) {
  if (count < 2) return;
  const std::span<const DevicePoint> corners(points, count);
  if (!std::all_of(corners.begin(), corners.end(), [](const DevicePoint& p) {
        return finite({p.x, p.y});
      })) {
    return;
  }
  const bool inside = std::all_of(corners.begin(), corners.end(),
                                  [this](const DevicePoint& p) { return clip_.contains(p); });
  if (inside) {
    if (dashPixels_.empty()) {
      batch_.addPolyline(pen(), points, count, closed, centre());
      return;
    }
    flush();
    cairo_move_to(cr_, points[0].x + centre(), points[0].y + centre());
    for (std::size_t i = 1; i < count; ++i) {
      cairo_line_to(cr_, points[i].x + centre(), points[i].y + centre());
    }
    if (closed) cairo_close_path(cr_);
    double length = 0.0;
    for (std::size_t i = 0; i < (closed ? count : count - 1); ++i) {
      const DevicePoint& b = points[(i + 1) % count];
      length += std::hypot(b.x - points[i].x, b.y - points[i].y);
    }
    strokeWithPen(0.0, length);
    return;
  }

  // A cut figure's dashes start at its own offset: it is stroked alone.
  flush();
  cairo_new_path(cr_);
  const std::size_t segments = closed ? count : count - 1;
  double walked = 0.0;      // length of the uncut polyline before the current segment
  double dashOffset = 0.0;  // length cut away before the first piece that is drawn
  bool drawing = false;
  DevicePoint last{};
  for (std::size_t i = 0; i < segments; ++i) {
    DevicePoint a = points[i];
    DevicePoint b = points[(i + 1) % count];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    double cut = 0.0;
    if (clip_.clipSegment(a, b, cut)) {
      if (!drawing || a.x != last.x || a.y != last.y) {
        if (!drawing) dashOffset = walked + cut;
        cairo_move_to(cr_, a.x + centre(), a.y + centre());
        drawing = true;
      }
      cairo_line_to(cr_, b.x + centre(), b.y + centre());
      last = b;
    }
    walked += length;
  }
  if (drawing) strokeWithPen(dashOffset, walked);
}

void CairoDeviceContext::strokeWithPen(double dashOffset, double length) {
  const std::vector<double> ownDashes =
      dashPixels_.empty() ? std::vector<double>() : PenGeometry::cairoDashes(dashPixels_, length);
  const std::span<const double> dashes = dashPixels_.empty() ? PenGeometry::dashPattern(lineStyle_)
                                                             : std::span<const double>(ownDashes);
  cairo_set_source_rgb(cr_, foreground_.red, foreground_.green, foreground_.blue);
  PenGeometry::setStrokeWidth(cr_, lineWidth_);
  double period = 0.0;
  for (const double length : dashes) period += length;
  // Only the phase matters; a cut of millions of pixels must not cost a long walk.
  const double phase = period > 0.0 ? std::fmod(dashOffset, period) : 0.0;
  cairo_set_dash(cr_, dashes.data(), static_cast<int>(dashes.size()), phase);
  cairo_set_antialias(cr_, edges());
  // A pattern drawn solid (too fine, or too many dashes) carries no texts either.
  cairo_path_t* flat =
      !patternTexts_.empty() && !ownDashes.empty() ? cairo_copy_path_flat(cr_) : nullptr;
  cairo_stroke(cr_);
  if (flat) {
    if (flat->status == CAIRO_STATUS_SUCCESS) drawPatternTexts(*flat, phase, period);
    cairo_path_destroy(flat);
  }
}

void CairoDeviceContext::drawPatternTexts(const cairo_path_t& path, double phase, double period) {
  // A line reaching far beyond the picture must not cost a text for every repetition.
  constexpr std::size_t kMaxTexts = 10000;
  // Each piece of the path starts the pattern afresh at the phase, as Cairo's dashes do.
  std::vector<DevicePoint> piece;
  const auto placePiece = [&] {
    for (const PlacedPatternText& placed :
         placePatternTexts(piece, phase, period, patternTexts_, kMaxTexts)) {
      TextStyle style;
      style.pixelHeight = placed.text->height;
      style.escapementTenths = static_cast<int>(std::lround(placed.degrees * 10.0));
      text_out(placed.anchor.x, placed.anchor.y, placed.text->text.c_str(), style);
    }
    piece.clear();
  };
  for (int i = 0; i < path.num_data; i += path.data[i].header.length) {
    const cairo_path_data_t& data = path.data[i];
    switch (data.header.type) {
      case CAIRO_PATH_MOVE_TO:
        placePiece();
        piece.push_back({path.data[i + 1].point.x, path.data[i + 1].point.y});
        break;
      case CAIRO_PATH_LINE_TO:
        piece.push_back({path.data[i + 1].point.x, path.data[i + 1].point.y});
        break;
      case CAIRO_PATH_CLOSE_PATH:
        if (!piece.empty()) piece.push_back(piece.front());
        break;
      case CAIRO_PATH_CURVE_TO:  // none in a flattened path
        break;
    }
  }
  placePiece();
}
