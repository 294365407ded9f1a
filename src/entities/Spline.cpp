// A smooth curve: the DXF entity SPLINE.
#include "entities/Spline.h"

#include <algorithm>
#include <cmath>
#include <ostream>

#include "entities/Linie.h"
#include "entities/Punkt.h"
#include "entities/VisibleWorld.h"

namespace {

// The bit of the flags (group 70) that closes the curve through its fit points.
constexpr int kClosedFlag = 1;

// The first and the last point, and between them each point at least `spacing` from the
// point kept before it and from the last one.
std::vector<WorldPoint> spacedApart(const std::vector<WorldPoint>& points, double spacing) {
  if (points.size() < 2) return points;
  const auto apart = [spacing](WorldPoint a, WorldPoint b) {
    return std::hypot(a.x - b.x, a.y - b.y) >= spacing;
  };
  std::vector<WorldPoint> kept{points.front()};
  for (std::size_t i = 1; i + 1 < points.size(); ++i) {
    if (apart(points[i], kept.back()) && apart(points[i], points.back())) kept.push_back(points[i]);
  }
  kept.push_back(points.back());
  return kept;
}

// Calls stroke(first, count) for every run of consecutive points with finite coordinates.
template <class Stroke>
void forEachFiniteRun(const std::vector<WorldPoint>& points, Stroke stroke) {
  std::size_t start = 0;
  for (std::size_t i = 0; i <= points.size(); ++i) {
    if (i < points.size() && std::isfinite(points[i].x + points[i].y)) continue;
    if (i - start >= 2) stroke(points.data() + start, static_cast<int>(i - start));
    start = i + 1;
  }
}

}  // namespace

Spline::Spline() = default;

Spline::Spline(const Spline& other) : PointMappedEntity(other), curve_(other.curve_) {
  setColourNumber(other.colourNumber_);
}

const char* Spline::typeName() const { return "SPLINE"; }

void Spline::mapPoints(const std::function<WorldPoint(WorldPoint)>& map) {
  if (curve_) curve_->mapControlPoints(map);
}

std::optional<BSpline> Spline::placed(double s, double a, double dx, double dy) const {
  std::optional<BSpline> curve = curve_;
  if (curve) curve->mapControlPoints([=](WorldPoint p) { return place(p.x, p.y, s, a, dx, dy); });
  return curve;
}

int Spline::touchesWindow(double minX, double minY, double maxX, double maxY) const {
  if (!curve_) return 0;
  return curve_->controlBox().overlaps({minX, minY, maxX, maxY}) ? 1 : 0;
}

void Spline::draw(DrawingArea& area, double s, double dx, double dy, double a) const {
  if (!visible_ || !curve_) return;
  const std::optional<BSpline> curve = placed(s, a, dx, dy);
  const std::optional<VisibleWorld> visible = visibleWorld(area);
  if (!visible) return;
  const double tolerance =
      kPixelChordError / std::max(std::fabs(visible->pixelsX), std::fabs(visible->pixelsY));
  const std::vector<WorldPoint> points =
      curve->flatten(tolerance, kDrawnPointBudget, visible->window);
  // One stroke along the curve, so its dashes run on; points that are no numbers end a run.
  forEachFiniteRun(points,
                   [&](const WorldPoint* run, int count) { strokePolyline(area, run, count); });
}

void Spline::drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX,
                          double maxY, double dx, double dy, double a) const {
  if (!visible_ || !curve_) return;
  const std::optional<BSpline> curve = placed(s, a, dx, dy);
  const double k = fitFactor(dc, minX, minY, maxX, maxY);
  if (!(k > 0.0) || !std::isfinite(k)) return;
  const WorldBox window{minX, maxY - dc.height_resolution() / k, minX + dc.width_resolution() / k,
                        maxY};
  const std::vector<WorldPoint> points =
      curve->flatten(kPixelChordError / k, kDrawnPointBudget, window);
  forEachFiniteRun(points, [&](const WorldPoint* run, int count) {
    std::vector<DevicePoint> pixels;
    for (int i = 0; i < count; ++i)
      pixels.push_back({k * (run[i].x - minX), k * (maxY - run[i].y)});
    strokePolylineOnDevice(dc, pixels.data(), count);
  });
}

std::vector<WorldPoint> Spline::savedPoints() const {
  if (!curve_) return {};
  const WorldBox box = curve_->controlBox();
  const double size = std::hypot(box.maxX - box.minX, box.maxY - box.minY);
  return curve_->flatten(std::max(size * kSavedChordError, 1e-9), kSavedPointBudget);
}

std::vector<std::unique_ptr<DXFGeometrie>> Spline::explodedPieces() const {
  std::vector<std::unique_ptr<DXFGeometrie>> pieces;
  const std::vector<WorldPoint> points = savedPoints();
  for (std::size_t i = 1; i < points.size(); ++i) {
    auto line = std::make_unique<Linie>(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    line->takeAttributesOf(*this);
    pieces.push_back(std::move(line));
  }
  return pieces;
}

WorldBox Spline::savedBox() const {
  WorldBox box;
  for (const WorldPoint& p : savedPoints()) box.add(p);
  return box;
}

Punkt Spline::maxCorner() const {
  const WorldBox box = savedBox();
  return box.empty() ? Punkt() : Punkt(box.maxX, box.maxY);
}

Punkt Spline::minCorner() const {
  const WorldBox box = savedBox();
  return box.empty() ? Punkt() : Punkt(box.minX, box.minY);
}

long Spline::placementCost() const { return 1 + (curve_ ? curve_->controlCount() : 0); }

int Spline::readGroups(DxfLineReader& in) {
  setColourNumber("256");
  int flags = 0;
  int degree = 3;
  std::vector<double> knots;
  std::vector<double> weights;
  std::vector<WorldPoint> control;
  std::vector<WorldPoint> fit;
  std::optional<WorldPoint> startTangent;
  std::optional<WorldPoint> endTangent;
  const int result = readGroupLoop(in, kEndOfFile, true, [&](int code, DxfLineReader& line) {
    switch (code) {
      case 70: flags = readInt(line); return true;
      case 71: degree = readInt(line); return true;
      case 40: knots.push_back(readDouble(line)); return true;
      case 41: weights.push_back(readDouble(line)); return true;
      case 10: control.push_back({readDouble(line), 0.0}); return true;
      case 20:
        if (!control.empty())
          control.back().y = readDouble(line);
        else
          line.readLine();
        return true;
      case 11: fit.push_back({readDouble(line), 0.0}); return true;
      case 21:
        if (!fit.empty())
          fit.back().y = readDouble(line);
        else
          line.readLine();
        return true;
      case 12: startTangent = WorldPoint{readDouble(line), 0.0}; return true;
      case 22:
        if (startTangent)
          startTangent->y = readDouble(line);
        else
          line.readLine();
        return true;
      case 13: endTangent = WorldPoint{readDouble(line), 0.0}; return true;
      case 23:
        if (endTangent)
          endTangent->y = readDouble(line);
        else
          line.readLine();
        return true;
      default: return false;
    }
  });
  if (result != 0) return result;
  if (control.size() >= 2) {
    curve_ = BSpline::fromControlPoints(degree, std::move(knots), std::move(control),
                                        std::move(weights));
  } else {
    // A closed curve through fit points returns to its first one.
    if ((flags & kClosedFlag) && fit.size() > 2) fit.push_back(fit.front());
    curve_ = BSpline::throughPoints(fit, startTangent, endTangent);
  }
  deriveColour();
  return 0;
}

int Spline::writeGroups(std::ostream& out) const {
  writeHead(out, true, "POLYLINE");
  // Flag 128: its linetype runs on around the vertices, as it runs along the curve.
  out << " 66\n1\n 10\n0\n 20\n0\n 30\n0\n 70\n128\n  0\n";
  for (const WorldPoint& p : spacedApart(savedPoints(), kSavedVertexSpacing)) {
    out << "VERTEX\n  8\n"
        << layerName_ << "\n 10\n"
        << p.x << "\n 20\n"
        << p.y << "\n 30\n0\n  0\n";
  }
  out << "SEQEND\n  8\n" << layerName_ << '\n';
  writeEnd(out);
  return 0;
}
