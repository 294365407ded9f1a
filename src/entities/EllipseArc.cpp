// The geometry of an elliptical arc: points, affine images and flattening into chords.
#include "entities/EllipseArc.h"

#include <algorithm>
#include <cmath>

namespace {

double dot(WorldPoint a, WorldPoint b) { return a.x * b.x + a.y * b.y; }
double cross(WorldPoint a, WorldPoint b) { return a.x * b.y - a.y * b.x; }
double lengthOf(WorldPoint a) { return std::hypot(a.x, a.y); }

// u cos t + v sin t.
WorldPoint combined(WorldPoint u, WorldPoint v, double t) {
  const double c = std::cos(t);
  const double s = std::sin(t);
  return {u.x * c + v.x * s, u.y * c + v.y * s};
}

}  // namespace

WorldPoint EllipseArc::pointAt(double parameter) const {
  const WorldPoint offset = combined(major, minor(), parameter);
  return {centre.x + offset.x, centre.y + offset.y};
}

bool EllipseArc::isFull() const { return end - start >= kFullTurn * (1.0 - 1e-12); }

EllipseArc EllipseArc::fromConjugate(WorldPoint centre, WorldPoint u, WorldPoint v, double t0,
                                     double t1) {
  // The parameter shift s at which u cos s + v sin s is longest: tan 2s = 2 u.v / (u.u - v.v).
  const double shift = 0.5 * std::atan2(2.0 * dot(u, v), dot(u, u) - dot(v, v));
  WorldPoint a = combined(u, v, shift);
  WorldPoint b = combined(u, v, shift + kFullTurn / 4.0);
  double offset = shift;
  if (lengthOf(b) > lengthOf(a)) {
    std::swap(a, b);
    offset += kFullTurn / 4.0;
    b = {-b.x, -b.y};  // the old major axis, now a quarter turn back
  }
  EllipseArc arc;
  arc.centre = centre;
  arc.major = a;
  const double majorLength = lengthOf(a);
  arc.ratio = majorLength > 0.0 ? std::min(1.0, lengthOf(b) / majorLength) : 1.0;
  // In the new parameter s = t - offset the arc is c + a cos s + b sin s. A b on the
  // clockwise side of a (a mirroring map) runs the arc the other way: s becomes -s.
  const bool clockwise = cross(a, b) < 0.0;
  double from = t0 - offset;
  double to = t1 - offset;
  if (clockwise) {
    from = -from;
    to = -to;
  }
  if (to < from) std::swap(from, to);
  const double sweep = to - from;
  from = std::fmod(from, kFullTurn);
  if (from < 0.0) from += kFullTurn;
  arc.start = from;
  arc.end = from + (sweep >= kFullTurn * (1.0 - 1e-12) ? kFullTurn : sweep);
  return arc;
}

EllipseArc EllipseArc::mapped(double m00, double m01, double m10, double m11, double ox,
                              double oy) const {
  const auto map = [&](WorldPoint p) {
    return WorldPoint{m00 * p.x + m01 * p.y, m10 * p.x + m11 * p.y};
  };
  const WorldPoint c = map(centre);
  return fromConjugate({c.x + ox, c.y + oy}, map(major), map(minor()), start, end);
}

int chordsWithin(const EllipseArc& arc, double majorLength, double tolerance, int minimum) {
  const double sweep = arc.end - arc.start;
  // A chord over the parameter step h lies at most about a h^2 / 8 off the curve.
  // No tolerance is met by no number of chords; a curve within it of its centre by any.
  if (!(tolerance > 0.0)) return kMaxEllipseChords;
  const double step =
      majorLength > tolerance ? std::sqrt(8.0 * tolerance / majorLength) : kFullTurn;
  const double count = std::ceil(sweep / step);
  if (!(count < kMaxEllipseChords)) return kMaxEllipseChords;
  return std::max(minimum, static_cast<int>(count));
}

std::vector<WorldPoint> flattenedEllipse(const EllipseArc& arc, double tolerance) {
  const int n = chordsWithin(arc, lengthOf(arc.major), tolerance);
  std::vector<WorldPoint> points;
  points.reserve(n + 1);
  for (int i = 0; i <= n; ++i) {
    points.push_back(arc.pointAt(arc.start + (arc.end - arc.start) * i / n));
  }
  return points;
}
