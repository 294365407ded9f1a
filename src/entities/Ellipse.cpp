// An elliptical arc or a whole ellipse: the DXF entity ELLIPSE.
#include "entities/Ellipse.h"

#include <algorithm>
#include <cmath>
#include <ostream>

#include "entities/Kreis.h"
#include "entities/Kreisbogen.h"
#include "entities/QuarterTurns.h"
#include "entities/Angles.h"

namespace {

// The sweep from start to end within one turn; none (equal parameters) is a whole turn,
// as the DXF format has it.
double sweepOf(double start, double end) {
  double sweep = std::fmod(end - start, kFullTurn);
  if (sweep < 0.0) sweep += kFullTurn;
  return sweep == 0.0 ? kFullTurn : sweep;
}

// The groups of an ELLIPSE as the file holds them.
struct FileEllipse {
  double centre[3] = {0.0, 0.0, 0.0};
  double major[3] = {1.0, 0.0, 0.0};
  double normal[3] = {0.0, 0.0, 1.0};
  double ratio = 1.0;
  double start = 0.0;
  double end = kFullTurn;

  // True when `code` is one of the ELLIPSE's own groups; its value is then read.
  bool take(int code, DxfLineReader& in) {
    double* field = nullptr;
    switch (code) {
      case 10:
      case 20:
      case 30: field = &centre[code / 10 - 1]; break;
      case 11:
      case 21:
      case 31: field = &major[code / 10 - 1]; break;
      case 210:
      case 220:
      case 230: field = &normal[code / 10 - 21]; break;
      case 40: field = &ratio; break;
      case 41: field = &start; break;
      case 42: field = &end; break;
      default: return false;
    }
    *field = in.readReal();
    return true;
  }

  // The curve seen from above: the minor axis is ratio * (N x major) for the unit normal N.
  EllipseArc seenFromAbove() const {
    double n[3] = {normal[0], normal[1], normal[2]};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (length > 0.0 && std::isfinite(length)) {
      for (double& v : n) v /= length;
    } else {
      n[0] = n[1] = 0.0;
      n[2] = 1.0;
    }
    const double minorX = ratio * (n[1] * major[2] - n[2] * major[1]);
    const double minorY = ratio * (n[2] * major[0] - n[0] * major[2]);
    return EllipseArc::fromConjugate({centre[0], centre[1]}, {major[0], major[1]}, {minorX, minorY},
                                     start, start + sweepOf(start, end));
  }
};

double length(WorldPoint p) { return std::hypot(p.x, p.y); }

// The arc's curve; an arc that ends a whole turn after its start is a circle.
EllipseArc circularArc(const Kreisbogen& arc) {
  double sweep = std::fmod(arc.endAngle() - arc.startAngle(), kFullTurn);
  if (sweep < 0.0) sweep += kFullTurn;
  if (sweep == 0.0 && arc.endAngle() != arc.startAngle()) sweep = kFullTurn;
  return {{arc.cx(), arc.cy()}, {arc.r(), 0.0}, 1.0, arc.startAngle(), arc.startAngle() + sweep};
}

}  // namespace

Ellipse::Ellipse() = default;

Ellipse::Ellipse(const EllipseArc& arc, const Layer* layer) : DXFGeometrie(layer), arc_(arc) {}

Ellipse::Ellipse(const Ellipse& other) : DXFGeometrie(other), arc_(other.arc_) {
  setColourNumber(other.colourNumber_);
}

Ellipse::Ellipse(const DXFGeometrie& attributes, const EllipseArc& arc)
    : DXFGeometrie(attributes), arc_(arc) {
  setColourNumber(attributes.colourNumber());
}

Ellipse::Ellipse(const Kreis& circle)
    : Ellipse(circle, EllipseArc{{circle.cx(), circle.cy()}, {circle.r(), 0.0}}) {}

Ellipse::Ellipse(const Kreisbogen& arc) : Ellipse(arc, circularArc(arc)) {}

const char* Ellipse::typeName() const { return "ELLIPSE"; }

void Ellipse::extremes(int axis, double& low, double& high) const {
  const WorldPoint a = arc_.major;
  const WorldPoint b = arc_.minor();
  const double along = axis == 0 ? a.x : a.y;
  const double across = axis == 0 ? b.x : b.y;
  const auto valueAt = [&](double t) {
    const WorldPoint p = arc_.pointAt(t);
    return axis == 0 ? p.x : p.y;
  };
  low = std::min(valueAt(arc_.start), valueAt(arc_.end));
  high = std::max(valueAt(arc_.start), valueAt(arc_.end));
  // The value along the axis is extreme where its derivative vanishes: tan t = across/along.
  const double turning = std::atan2(across, along);
  for (double t = turning - 2.0 * kFullTurn; t <= arc_.end; t += kFullTurn / 2.0) {
    if (t < arc_.start) continue;
    low = std::min(low, valueAt(t));
    high = std::max(high, valueAt(t));
  }
}

Punkt Ellipse::maxCorner() const {
  double lowX, highX, lowY, highY;
  extremes(0, lowX, highX);
  extremes(1, lowY, highY);
  return Punkt(highX, highY);
}

Punkt Ellipse::minCorner() const {
  double lowX, highX, lowY, highY;
  extremes(0, lowX, highX);
  extremes(1, lowY, highY);
  return Punkt(lowX, lowY);
}

int Ellipse::touchesWindow(double minX, double minY, double maxX, double maxY) const {
  const WorldPoint a = arc_.major;
  const WorldPoint b = arc_.minor();
  const double halfWidth = std::hypot(a.x, b.x);
  const double halfHeight = std::hypot(a.y, b.y);
  const WorldPoint c = arc_.centre;
  if (c.x + halfWidth < minX || c.x - halfWidth > maxX || c.y + halfHeight < minY ||
      c.y - halfHeight > maxY) {
    return 0;
  }
  return 1;
}

void Ellipse::stretchX(double c, double d) { arc_.centre.x = stretchClamped(arc_.centre.x, c, d); }
void Ellipse::stretchY(double c, double d) { arc_.centre.y = stretchValue(arc_.centre.y, c, d); }
void Ellipse::moveX(double d) { arc_.centre.x += d; }
void Ellipse::moveY(double d) { arc_.centre.y += d; }

void Ellipse::scaleX(double k, double b) { arc_ = arc_.mapped(k, 0.0, 0.0, 1.0, b, 0.0); }
void Ellipse::scaleY(double k, double b) { arc_ = arc_.mapped(1.0, 0.0, 0.0, k, 0.0, b); }
void Ellipse::scaleXY(double k, double bx, double by) {
  arc_ = arc_.mapped(k, 0.0, 0.0, k, bx, by);
}

void Ellipse::transform(double s, double a, double dx, double dy, double) {
  // transformPoint's map: x' = (c x - n y) |s| + dx, y' = (n x + c y) s + dy.
  const auto [c, n] = cosSinOfDegrees(a);
  const double m = std::fabs(s);
  arc_ = arc_.mapped(c * m, -n * m, n * s, c * s, dx, dy);
}

EllipseArc Ellipse::placed(double s, double a, double dx, double dy) const {
  const auto [c, n] = cosSinOfDegrees(a);
  return arc_.mapped(c * s, -n * s, n * s, c * s, dx, dy);
}

void Ellipse::draw(DrawingArea& area, double s, double dx, double dy, double a) const {
  if (!visible_) return;
  const EllipseArc onArea = placed(s, a, dx, dy);
  const double majorLength = length(onArea.major);
  if (!pixelCircle(area, onArea.centre, majorLength).visible) return;
  const DevicePoint centre = area.wc_to_dc(onArea.centre.x, onArea.centre.y);
  const DevicePoint tip = area.wc_to_dc(onArea.centre.x + majorLength, onArea.centre.y);
  const double pixels = std::fabs(tip.x - centre.x);
  const int n = chordsWithin(onArea, pixels, kDrawnChordError);
  std::vector<WorldPoint> points;
  for (int i = 0; i <= n; ++i) {
    points.push_back(onArea.pointAt(onArea.start + (onArea.end - onArea.start) * i / n));
  }
  strokePolyline(area, points.data(), static_cast<int>(points.size()));
}

void Ellipse::drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX,
                           double maxY, double dx, double dy, double a) const {
  if (!visible_) return;
  const double k = fitFactor(dc, minX, minY, maxX, maxY);
  // Placed, then fitted: device x = k (x - minX), device y = k (maxY - y).
  const EllipseArc onDevice = placed(s, a, dx, dy).mapped(k, 0.0, 0.0, -k, -k * minX, k * maxY);
  // An ellipse of infinite or undefined numbers has nothing to show.
  if (!std::isfinite(onDevice.centre.x + onDevice.centre.y + length(onDevice.major))) return;
  const int n = chordsWithin(onDevice, length(onDevice.major), kDrawnChordError);
  std::vector<DevicePoint> points;
  for (int i = 0; i <= n; ++i) {
    const WorldPoint p = onDevice.pointAt(onDevice.start + (onDevice.end - onDevice.start) * i / n);
    points.push_back({p.x, p.y});
  }
  strokePolylineOnDevice(dc, points.data(), static_cast<int>(points.size()));
}

int Ellipse::readGroups(DxfLineReader& in) {
  setColourNumber("256");
  FileEllipse file;
  const int result = readGroupLoop(in, kEndOfFile, true, [&file](int code, DxfLineReader& line) {
    return file.take(code, line);
  });
  if (result != 0) return result;
  arc_ = file.seenFromAbove();
  deriveColour();
  return 0;
}

int Ellipse::writeGroups(std::ostream& out) const {
  // An ellipse of infinite or undefined numbers has no polyline to stand for it.
  if (!std::isfinite(arc_.centre.x + arc_.centre.y + length(arc_.major) + arc_.ratio + arc_.start +
                     arc_.end)) {
    return 0;
  }
  std::vector<WorldPoint> points = flattenedEllipse(arc_, kWrittenChordError * length(arc_.major));
  const bool closed = arc_.isFull();
  // A closed polyline returns to its first vertex by itself.
  if (closed && points.size() > 1) points.pop_back();
  writeHead(out, true, "POLYLINE");
  // Flag 128: its linetype runs on around the vertices, as it runs along the ellipse.
  out << " 66\n1\n 10\n0\n 20\n0\n 30\n0\n 70\n" << (closed ? 129 : 128) << '\n';
  writeEnd(out);
  for (const WorldPoint& p : points) {
    out << "VERTEX\n  8\n" << layerName_ << "\n 10\n" << p.x << "\n 20\n" << p.y << "\n 30\n0\n";
    writeEnd(out);
  }
  out << "SEQEND\n  8\n" << layerName_ << '\n';
  writeEnd(out);
  return 0;
}

Punkt Ellipse::pointAt(double t) const {
  const WorldPoint p = arc_.pointAt(arc_.start + t * (arc_.end - arc_.start));
  return Punkt(p.x, p.y);
}

double Ellipse::parameterOf(const Punkt& point, const void* marker) const {
  const double fallback = marker ? -1.0 : 0.0;
  const WorldPoint a = arc_.major;
  const WorldPoint b = arc_.minor();
  const double aa = a.x * a.x + a.y * a.y;
  const double bb = b.x * b.x + b.y * b.y;
  if (aa == 0.0 || bb == 0.0 || arc_.end == arc_.start) return fallback;
  // The axes are perpendicular: the point's parts along them give cos t and sin t.
  const double px = point.x() - arc_.centre.x;
  const double py = point.y() - arc_.centre.y;
  double t = std::atan2((px * b.x + py * b.y) / bb, (px * a.x + py * a.y) / aa);
  while (t < arc_.start) t += kFullTurn;
  const double value = (t - arc_.start) / (arc_.end - arc_.start);
  return value <= 1.0 ? value : fallback;
}
