// The boundary paths of a HATCH, read from its groups and flattened into closed rings.
#include "entities/HatchBoundary.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "dxf/GroupLines.h"
#include "entities/BSpline.h"
#include "entities/BulgeArc.h"

namespace {

// The bit of a path's flags (group 92) that marks a polyline path.
constexpr int kPolylinePath = 2;
enum class EdgeType { Line = 1, Arc = 2, Ellipse = 3, Spline = 4 };
// Largest chord count for one arc or ellipse.
constexpr double kMaxArcChords = 4096;

void append(Ring& ring, WorldPoint p) {
  if (ring.size() >= kMaxPathPoints) return;
  if (!ring.empty() && ring.back().x == p.x && ring.back().y == p.y) return;
  ring.push_back(p);
}

WorldPoint readPoint(GroupCursor& in, int xCode) {
  WorldPoint p;
  p.x = in.realIf(xCode, 0.0);
  p.y = in.realIf(xCode + 10, 0.0);
  return p;
}

// Counter-clockwise sweep from start to end angle (degrees), a full turn when they meet.
double sweepDegrees(double start, double end) {
  double sweep = std::fmod(end - start, 360.0);
  if (sweep <= 0.0) sweep += 360.0;
  return sweep;
}

// Start and sweep (radians) of an arc edge's stored angles and direction flag.
std::pair<double, double> arcAngles(double start, double end, bool counterClockwise) {
  const double sweep = sweepDegrees(start, end) * M_PI / 180.0;
  if (counterClockwise) return {start * M_PI / 180.0, sweep};
  // Clockwise arcs keep the angles of their mirror image.
  return {-start * M_PI / 180.0, -sweep};
}

void readLineEdge(GroupCursor& in, Ring& ring) {
  append(ring, readPoint(in, 10));
  append(ring, readPoint(in, 11));
}

void readArcEdge(GroupCursor& in, Ring& ring) {
  const WorldPoint centre = readPoint(in, 10);
  const double radius = in.realIf(40, 0.0);
  const double start = in.realIf(50, 0.0);
  const double end = in.realIf(51, 360.0);
  const bool ccw = in.integerIf(73, 1) != 0;
  const auto [t0, sweep] = arcAngles(start, end, ccw);
  appendEllipticArc(ring, centre, {radius, 0.0}, {0.0, radius}, t0, sweep);
}

void readEllipseEdge(GroupCursor& in, Ring& ring) {
  const WorldPoint centre = readPoint(in, 10);
  const WorldPoint major = readPoint(in, 11);
  const double ratio = in.realIf(40, 1.0);
  const double start = in.realIf(50, 0.0);
  const double end = in.realIf(51, 360.0);
  const bool ccw = in.integerIf(73, 1) != 0;
  const WorldPoint minor{-major.y * ratio, major.x * ratio};
  const auto [t0, sweep] = arcAngles(start, end, ccw);
  appendEllipticArc(ring, centre, major, minor, t0, sweep);
}

void readSplineEdge(GroupCursor& in, Ring& ring) {
  const int degree = in.integerIf(94, 3);
  in.integerIf(73, 0);  // rational: the weights tell
  in.integerIf(74, 0);  // periodic: the knots tell
  in.integerIf(95, 0);
  in.integerIf(96, 0);
  std::vector<double> knots;
  std::vector<double> weights;
  std::vector<WorldPoint> control;
  for (;;) {
    const int code = in.peek();
    if (code == 40) {
      knots.push_back(in.real());
    } else if (code == 10) {
      control.push_back(readPoint(in, 10));
    } else if (code == 42) {
      weights.push_back(in.real());
    } else {
      break;
    }
  }
  // Fit data follows only in newer files: a count followed by fit points or tangents.
  std::vector<WorldPoint> fit;
  std::optional<WorldPoint> startTangent;
  std::optional<WorldPoint> endTangent;
  if (in.peek() == 97 && (in.peekSecond() == 11 || in.peekSecond() == 12)) {
    in.skip();
    while (in.peek() == 11) fit.push_back(readPoint(in, 11));
    if (in.peek() == 12) startTangent = readPoint(in, 12);
    if (in.peek() == 13) endTangent = readPoint(in, 13);
  }
  std::optional<BSpline> curve = control.size() >= 2
                                     ? BSpline::fromControlPoints(degree, knots, control, weights)
                                     : BSpline::throughPoints(fit, startTangent, endTangent);
  if (!curve) return;
  const WorldBox box = curve->controlBox();
  const double size = std::hypot(box.maxX - box.minX, box.maxY - box.minY);
  for (const WorldPoint& p : curve->flatten(size * kRelativeChordError, 4096)) append(ring, p);
}

Ring readPolylinePath(GroupCursor& in) {
  const bool bulges = in.integerIf(72, 0) != 0;
  in.integerIf(73, 1);  // closed or not, a fill boundary closes
  const int count = std::max(in.integerIf(93, 0), 0);
  std::vector<std::pair<WorldPoint, double>> vertices;
  for (int i = 0; i < count && in.peek() == 10; ++i) {
    const WorldPoint p = readPoint(in, 10);
    const double bulge = bulges ? in.realIf(42, 0.0) : 0.0;
    vertices.emplace_back(p, bulge);
  }
  Ring ring;
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    const auto& [p, bulge] = vertices[i];
    append(ring, p);
    const WorldPoint next = vertices[(i + 1) % vertices.size()].first;
    if (bulge != 0.0) appendBulgeArc(ring, p, next, bulge);
  }
  return ring;
}

Ring readEdgePath(GroupCursor& in) {
  const int count = std::max(in.integerIf(93, 0), 0);
  Ring ring;
  for (int i = 0; i < count && in.peek() == 72; ++i) {
    switch (static_cast<EdgeType>(in.integer())) {
      case EdgeType::Line: readLineEdge(in, ring); break;
      case EdgeType::Arc: readArcEdge(in, ring); break;
      case EdgeType::Ellipse: readEllipseEdge(in, ring); break;
      case EdgeType::Spline: readSplineEdge(in, ring); break;
      default: return ring;
    }
  }
  return ring;
}

}  // namespace

double GroupCursor::real() { return parseReal(pairs_[next_++].second.c_str()); }
int GroupCursor::integer() { return parseInt(pairs_[next_++].second.c_str()); }

double GroupCursor::realIf(int code, double otherwise) {
  return peek() == code ? real() : otherwise;
}

int GroupCursor::integerIf(int code, int otherwise) {
  return peek() == code ? integer() : otherwise;
}

void appendEllipticArc(Ring& ring, WorldPoint centre, WorldPoint major, WorldPoint minor, double t0,
                       double sweep) {
  const double radius = std::max(std::hypot(major.x, major.y), std::hypot(minor.x, minor.y));
  if (!std::isfinite(radius + sweep + t0 + centre.x + centre.y) || radius == 0.0) return;
  const double step = 2.0 * std::acos(1.0 - kRelativeChordError);
  const int chords =
      static_cast<int>(std::clamp(std::ceil(std::fabs(sweep) / step), 1.0, kMaxArcChords));
  for (int i = 0; i <= chords; ++i) {
    const double t = t0 + sweep * i / chords;
    append(ring, {centre.x + major.x * std::cos(t) + minor.x * std::sin(t),
                  centre.y + major.y * std::cos(t) + minor.y * std::sin(t)});
  }
}

void appendBulgeArc(Ring& ring, WorldPoint from, WorldPoint to, double bulge) {
  if (const std::optional<BulgeArc> arc = bulgeArc(from, to, bulge)) {
    appendEllipticArc(ring, arc->centre, {arc->radius, 0.0}, {0.0, arc->radius}, arc->start,
                      arc->sweep);
  }
  append(ring, to);
}

std::vector<Ring> readBoundaryPaths(GroupCursor& in, int count) {
  std::vector<Ring> rings;
  for (int i = 0; i < count && in.peek() == 92; ++i) {
    const int flags = in.integer();
    Ring ring = (flags & kPolylinePath) ? readPolylinePath(in) : readEdgePath(in);
    // The objects the path was made from: handles only.
    const int sources = std::max(in.integerIf(97, 0), 0);
    for (int k = 0; k < sources && in.peek() == 330; ++k) in.skip();
    if (ring.size() >= 2 && ring.front().x == ring.back().x && ring.front().y == ring.back().y) {
      ring.pop_back();
    }
    if (ring.size() >= 3) rings.push_back(std::move(ring));
  }
  return rings;
}
