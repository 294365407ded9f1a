// A circular arc: the DXF entity ARC and the arc segment of an exploded polyline.
#include "entities/Kreisbogen.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <ostream>
#include <tuple>
#include <utility>

#include "entities/Kreis.h"
#include "entities/Linie.h"
#include "entities/Angles.h"

namespace {

constexpr double kPi = std::numbers::pi;
// Pixel bound of the native arc on the screen, and of the device arc when printing.
constexpr double kNativeLimit = 2500.0;
constexpr double kDeviceLimit = 8000.0;
// Chords of an arc drawn as a polygon: at least 24 (at least 20, at most 100 in all).
constexpr int kMinChords = 24;
constexpr int kMaxChords = 100;
constexpr int kDeviceChords = 24;
// Start and end points closer than this (pixels, in x and in y) are joined by a line.
constexpr double kShortArc = 3.0;
// The margin of the arc's own line intersections, on both parameters.
constexpr double kEdge = 0.000005;

bool insideTheArcSpan(double t) { return 0.0 < t && t < 1.0; }

double radians(double degrees) { return degrees / 180.0 * kPi; }
double degrees(double radians) { return radians * 180.0 / kPi; }

// Chords for a sweep: 24, or about 11.46 per whole radian beyond three radians.
int chordCount(double sweep) {
  const double perRadian = std::trunc(std::fabs(std::trunc(sweep))) * 180.0 / (5.0 * kPi);
  if (!(perRadian <= kMaxChords)) return kMaxChords;
  const int m = static_cast<int>(perRadian);
  return m > kMinChords ? m : kMinChords;
}

}  // namespace

Kreisbogen::Kreisbogen() = default;

Kreisbogen::Kreisbogen(double cx, double cy, double r, double startAngle, double endAngle,
                       const Layer* layer)
    : DXFGeometrie(layer), cx_(cx), cy_(cy), r_(r), startAngle_(startAngle), endAngle_(endAngle) {}

Kreisbogen::Kreisbogen(double bulge, const Punkt& start, const Punkt& end, const Layer* layer)
    : DXFGeometrie(layer) {
  const double theta = std::fabs(4.0 * std::atan(bulge));
  const double dx = end.x() - start.x();
  const double dy = end.y() - start.y();
  const double midX = start.x() + dx / 2.0;
  const double midY = start.y() + dy / 2.0;
  const double chord = std::sqrt(dx * dx + dy * dy);
  double phi = 0.0;
  if (std::fabs(dx) < 1e-6) {
    phi = kPi / 2.0;
  } else if (std::fabs(dy) >= 1e-6) {
    phi = std::atan(dy / dx);
  }
  const double halfSine = std::sin(std::fabs(theta / 2.0));
  // A bulge of 0 or a chord of no length has no arc: centre on the chord, no sweep.
  if (halfSine == 0.0 || chord == 0.0) {
    cx_ = midX;
    cy_ = midY;
    r_ = chord / 2.0;
    return;
  }
  r_ = std::fabs((chord / 2.0) / halfSine);
  // Rounding can push r^2 just below the half chord's square for half circles.
  const double h = std::sqrt(std::max(0.0, r_ * r_ - chord * chord / 4.0));
  const bool swap = (theta < kPi && bulge < 0) || (theta > kPi && bulge > 0);
  const double sigma = std::fabs(std::sin(phi) * h);
  const double kappa = std::fabs(std::cos(phi) * h);
  double sx = 1.0;  // sign of the centre's offset from the midpoint in x
  double sy = 1.0;  // and in y
  if (phi < 0) {
    if (dx <= 0 && dy >= 0) {
      sx = sy = swap ? 1.0 : -1.0;
    } else {
      sx = sy = swap ? -1.0 : 1.0;
    }
  } else if (dx >= 0 && dy >= 0) {
    sx = swap ? 1.0 : -1.0;
    sy = -sx;
  } else {
    sx = swap ? -1.0 : 1.0;
    sy = -sx;
  }
  cx_ = midX + sx * sigma;
  cy_ = midY + sy * kappa;
  const Punkt& from = bulge >= 0 ? start : end;
  const Punkt& to = bulge >= 0 ? end : start;
  startAngle_ = angleOf(from.x(), from.y());
  endAngle_ = angleOf(to.x(), to.y());
  if (endAngle_ < startAngle_) endAngle_ += kFullTurn;
}

Kreisbogen::Kreisbogen(const Kreisbogen& other)
    : DXFGeometrie(other),
      cx_(other.cx_),
      cy_(other.cy_),
      cz_(other.cz_),
      r_(other.r_),
      startAngle_(other.startAngle_),
      endAngle_(other.endAngle_),
      degreesRead_(other.degreesRead_) {}

Kreisbogen::Degrees Kreisbogen::Degrees::ofRadians(double start, double end) {
  return {degrees(start), degrees(end > kFullTurn ? end - kFullTurn : end)};
}

std::pair<double, double> Kreisbogen::Degrees::inRadians() const {
  // An arc across 0 degrees ends above 360.
  return {radians(start), radians(end < start ? end + 360.0 : end)};
}

double Kreisbogen::angleOf(double x, double y) const {
  if (r_ == 0.0) return 0.0;
  double angle = std::acos(std::clamp((x - cx_) / r_, -1.0, 1.0));
  if (y - cy_ < 0) angle = kFullTurn - angle;
  return angle;
}

const char* Kreisbogen::typeName() const { return "ARC"; }

int Kreisbogen::touchesWindow(double minX, double minY, double maxX, double maxY) const {
  return Kreis::boxTouchesWindow(cx_, cy_, r_, minX, minY, maxX, maxY);
}

void Kreisbogen::stretchX(double c, double d) { cx_ = stretchClamped(cx_, c, d); }
void Kreisbogen::stretchY(double c, double d) { cy_ = stretchValue(cy_, c, d); }
void Kreisbogen::moveX(double d) { cx_ += d; }
void Kreisbogen::moveY(double d) { cy_ += d; }

void Kreisbogen::scaleX(double k, double b) {
  Punkt start = pointAt(0.0);
  Punkt middle = pointAt(0.5);
  Punkt end = pointAt(1.0);
  start.setX(start.x() * k + b);
  middle.setX(middle.x() * k + b);
  end.setX(end.x() * k + b);
  fitThrough(start, middle, end);
}

void Kreisbogen::scaleY(double k, double b) {
  Punkt start = pointAt(0.0);
  Punkt middle = pointAt(0.5);
  Punkt end = pointAt(1.0);
  start.setY(start.y() * k + b);
  middle.setY(middle.y() * k + b);
  end.setY(end.y() * k + b);
  fitThrough(start, middle, end);
}

bool Kreisbogen::fitThrough(const Punkt& start, const Punkt& middle, const Punkt& end) {
  const double ax = middle.x() - start.x();
  const double ay = middle.y() - start.y();
  const double bx = end.x() - start.x();
  const double by = end.y() - start.y();
  const double cross = ax * by - ay * bx;
  const double scale = (ax * ax + ay * ay) * (bx * bx + by * by);
  // Collinear (or coinciding) points fit no circle.
  if (!(cross * cross > 1e-18 * scale) || !std::isfinite(cross)) return false;
  const double a2 = ax * ax + ay * ay;
  const double b2 = bx * bx + by * by;
  const double ux = (by * a2 - ay * b2) / (2.0 * cross);
  const double uy = (ax * b2 - bx * a2) / (2.0 * cross);
  cx_ = start.x() + ux;
  cy_ = start.y() + uy;
  r_ = std::sqrt(ux * ux + uy * uy);
  const double from = angleOf(start.x(), start.y());
  const double to = angleOf(end.x(), end.y());
  // A mapping that mirrors the arc reverses its direction: it then runs from the mapped
  // end to the mapped start. The middle point tells which way round it goes.
  const bool counterClockwise = cross > 0;
  startAngle_ = counterClockwise ? from : to;
  endAngle_ = counterClockwise ? to : from;
  if (endAngle_ < startAngle_) endAngle_ += kFullTurn;
  return true;
}

void Kreisbogen::scaleXY(double k, double bx, double by) { transform(k, 0.0, bx, by, 0.0); }

void Kreisbogen::transform(double s, double a, double dx, double dy, double) {
  transformPoint(cx_, cy_, s, a, dx, dy);
  const double rotation = radians(a);
  if (s < 0) {
    // Mirrored top to bottom after the rotation, as the centre and every line end are:
    // the arc turns round, and the rotation reaches its angles mirrored too.
    double start = kFullTurn - endAngle_;
    double end = kFullTurn - startAngle_;
    if (start > kFullTurn) start -= kFullTurn;
    if (end > kFullTurn) end -= kFullTurn;
    startAngle_ = start - rotation;
    endAngle_ = end - rotation;
    r_ *= -s;
  } else {
    startAngle_ += rotation;
    endAngle_ += rotation;
    r_ *= s;
  }
}

void Kreisbogen::draw(DrawingArea& area, double s, double dx, double dy, double a) const {
  if (!visible_) return;
  const WorldPoint centre = place(cx_, cy_, s, a, dx, dy);
  const double radius = r_ * s;
  if (!pixelCircle(area, centre, radius).visible) return;
  selectPen(area);
  if (endAngle_ == startAngle_) return;
  const Punkt start = pointAt(0.0);
  const Punkt end = pointAt(1.0);
  const WorldPoint placedStart = place(start.x(), start.y(), s, a, dx, dy);
  const WorldPoint placedEnd = place(end.x(), end.y(), s, a, dx, dy);
  const DevicePoint topLeft = area.wc_to_dc(centre.x - radius, centre.y + radius);
  const DevicePoint bottomRight = area.wc_to_dc(centre.x + radius, centre.y - radius);
  const DevicePoint startPixel = area.wc_to_dc(placedStart.x, placedStart.y);
  const DevicePoint endPixel = area.wc_to_dc(placedEnd.x, placedEnd.y);
  // The native arc only takes boxes inside the positive pixel quadrant.
  const bool boxNegative = topLeft.x < 0 || topLeft.y < 0 || bottomRight.x < 0 || bottomRight.y < 0;
  const double limit = boxNegative ? 0.0 : kNativeLimit;
  bool chords = false;
  for (double v : {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y, startPixel.x, startPixel.y,
                   endPixel.x, endPixel.y}) {
    if (!(std::fabs(v) <= limit)) chords = true;
  }
  if (chords) {
    drawChords(area, chordCount(endAngle_ - startAngle_), s, dx, dy, a);
  } else if (std::fabs(startPixel.x - endPixel.x) < kShortArc &&
             std::fabs(startPixel.y - endPixel.y) < kShortArc) {
    area.wc_line(placedStart.x, placedStart.y, placedEnd.x, placedEnd.y);
  } else {
    // A negative scale swaps the box corners; the native call wants them ordered.
    area.device_context().native_arc(
        std::min(topLeft.x, bottomRight.x), std::min(topLeft.y, bottomRight.y),
        std::max(topLeft.x, bottomRight.x), std::max(topLeft.y, bottomRight.y), startPixel.x,
        startPixel.y, endPixel.x, endPixel.y);
  }
}

void Kreisbogen::drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX,
                              double maxY, double dx, double dy, double a) const {
  if (!visible_) return;
  const WorldPoint centre = place(cx_, cy_, s, a, dx, dy);
  const double radius = r_ * s;
  const double start = startAngle_ + radians(a);
  const double end = endAngle_ + radians(a);
  const double k = fitFactor(dc, minX, minY, maxX, maxY);
  const auto map = [&](double x, double y) { return DevicePoint{k * (x - minX), k * (maxY - y)}; };
  const Punkt startPoint = pointAt(0.0);
  const Punkt endPoint = pointAt(1.0);
  const WorldPoint placedStart = place(startPoint.x(), startPoint.y(), s, a, dx, dy);
  const WorldPoint placedEnd = place(endPoint.x(), endPoint.y(), s, a, dx, dy);
  const DevicePoint mappedStart = map(placedStart.x, placedStart.y);
  const DevicePoint mappedEnd = map(placedEnd.x, placedEnd.y);
  const DevicePoint corner1 =
      dc.wc_to_dc(k * (centre.x - minX - radius), k * (maxY - centre.y + radius));
  const DevicePoint corner2 =
      dc.wc_to_dc(k * (centre.x - minX + radius), k * (maxY - centre.y - radius));
  const DevicePoint startDevice = dc.wc_to_dc(mappedStart.x, mappedStart.y);
  const DevicePoint endDevice = dc.wc_to_dc(mappedEnd.x, mappedEnd.y);
  selectPen(dc);
  if (endAngle_ == startAngle_) return;
  bool chords = false;
  for (double v : {corner1.x, corner1.y, corner2.x, corner2.y, startDevice.x, startDevice.y,
                   endDevice.x, endDevice.y}) {
    if (!(std::fabs(v) <= kDeviceLimit)) chords = true;
  }
  if (chords) {
    for (int i = 0; i < kDeviceChords; ++i) {
      const Punkt p = pointAt(static_cast<double>(i) / kDeviceChords);
      const Punkt q = pointAt(static_cast<double>(i + 1) / kDeviceChords);
      const WorldPoint pp = place(p.x(), p.y(), s, a, dx, dy);
      const WorldPoint pq = place(q.x(), q.y(), s, a, dx, dy);
      const DevicePoint from = map(pp.x, pp.y);
      const DevicePoint to = map(pq.x, pq.y);
      dc.line(from.x, from.y, to.x, to.y);
    }
  } else if (std::fabs(startDevice.x - endDevice.x) < kShortArc &&
             std::fabs(startDevice.y - endDevice.y) < kShortArc) {
    dc.line(mappedStart.x, mappedStart.y, mappedEnd.x, mappedEnd.y);
  } else {
    // A negative scale turns the arc half round: a positive radius with the angles
    // turned by pi draws the same points.
    const double turn = radius < 0 ? kPi : 0.0;
    const DevicePoint c = map(centre.x, centre.y);
    dc.arc(c.x, c.y, std::fabs(k * radius), std::fabs(k * radius), start + turn, end + turn);
  }
}

template <class Self>
std::array<RealGroupOf<Self>, 6> Kreisbogen::groupTable(Self& arc) {
  return {{{10, &arc.cx_},
           {20, &arc.cy_},
           {30, &arc.cz_},
           {40, &arc.r_},
           {50, &arc.startAngle_},
           {51, &arc.endAngle_}}};
}

int Kreisbogen::readGroups(DxfLineReader& in) {
  std::optional<EllipseArc> unused;
  return readGroups(in, unused);
}

int Kreisbogen::readGroups(DxfLineReader& in, std::optional<EllipseArc>& tiltedOutline) {
  setColourNumber("256");
  startAngle_ = endAngle_ = cx_ = cy_ = cz_ = 0.0;
  tiltedOutline.reset();
  Extrusion extrusion;
  const int result = readCoordinateGroups(in, kEndOfFile, true, groupTable(*this), &extrusion);
  if (result != 0) return result;
  if (extrusion.isTilted()) {
    EllipseArc inPlane;
    inPlane.centre = {cx_, cy_};
    inPlane.major = {r_, 0.0};
    double sweep = std::fmod(endAngle_ - startAngle_, 360.0);
    if (sweep <= 0.0) sweep += 360.0;
    inPlane.start = radians(startAngle_);
    inPlane.end = radians(startAngle_ + sweep);
    tiltedOutline = extrusion.seenFromAbove(inPlane, cz_);
  }
  if (!extrusion.isWorld()) {
    extrusion.toWorld(cx_, cy_, cz_);
    const double start = extrusion.angleToWorld(startAngle_);
    const double end = extrusion.angleToWorld(endAngle_);
    // Seen from below, the arc runs the other way round: its ends change places.
    startAngle_ = extrusion.mirrors() ? end : start;
    endAngle_ = extrusion.mirrors() ? start : end;
  }
  degreesRead_ = {startAngle_, endAngle_};
  std::tie(startAngle_, endAngle_) = degreesRead_.inRadians();
  deriveColour();
  return 0;
}

int Kreisbogen::writeGroups(std::ostream& out) const {
  // The file holds the angles in degrees, the end angle within one turn. Angles still as
  // read are written as read: turned to radians and back they would gain digits.
  const bool asRead = degreesRead_.inRadians() == std::pair(startAngle_, endAngle_);
  const Degrees angles = asRead ? degreesRead_ : Degrees::ofRadians(startAngle_, endAngle_);
  Kreisbogen asWritten(*this);
  asWritten.startAngle_ = angles.start;
  asWritten.endAngle_ = angles.end;
  writeHead(out, true);
  writeListedGroups(out, groupTable(std::as_const(asWritten)));
  writeEnd(out);
  return 0;
}

Punkt Kreisbogen::pointAt(double t) const {
  const double end = endAngle_ < startAngle_ ? endAngle_ + kFullTurn : endAngle_;
  const double angle = startAngle_ + t * (end - startAngle_);
  return Punkt(cx_ + r_ * std::cos(angle), cy_ + r_ * std::sin(angle));
}

double Kreisbogen::parameterOf(const Punkt& point, const void* marker) const {
  const double fallback = marker ? -1.0 : 0.0;
  if (r_ == 0.0) return fallback;
  const double x = (point.x() - cx_) / r_;
  if (!(x >= -1.0 && x <= 1.0)) return fallback;
  double alpha = std::acos(x);
  if (point.y() - cy_ < 0) alpha = kFullTurn - alpha;
  if (endAngle_ == startAngle_) return fallback;
  if (alpha < startAngle_) alpha += kFullTurn;
  const double value = (alpha - startAngle_) / (endAngle_ - startAngle_);
  return value >= 0.0 && value <= 1.0 ? value : fallback;
}

double Kreisbogen::distanceTo(const Punkt& point) const {
  const double dx = point.x() - cx_;
  const double dy = point.y() - cy_;
  return std::sqrt(dx * dx + dy * dy) - r_;
}

Punkt Kreisbogen::maxCorner() const {
  const Punkt start = pointAt(0.0);
  const Punkt end = pointAt(1.0);
  Punkt first;
  Punkt second;
  // A ray from the centre past the top (the right side) meets the arc there if the
  // arc passes it; otherwise an end point is the extreme.
  const Linie up(cx_, cy_, cx_, cy_ + r_ + 1.0);
  const double y = intersectLine(up, first, second) == 1 ? first.y() : std::max(start.y(), end.y());
  const Linie right(cx_, cy_, cx_ + r_ + 1.0, cy_);
  const double x =
      intersectLine(right, first, second) == 1 ? first.x() : std::max(start.x(), end.x());
  return Punkt(x, y);
}

Punkt Kreisbogen::minCorner() const {
  const Punkt start = pointAt(0.0);
  const Punkt end = pointAt(1.0);
  Punkt first;
  Punkt second;
  const Linie down(cx_, cy_ - r_ - 1.0, cx_, cy_);
  const double y =
      intersectLine(down, first, second) == 1 ? first.y() : std::min(start.y(), end.y());
  const Linie left(cx_ - r_ - 1.0, cy_, cx_, cy_);
  const double x =
      intersectLine(left, first, second) == 1 ? first.x() : std::min(start.x(), end.x());
  return Punkt(x, y);
}

int Kreisbogen::intersectCircle(const Kreis& circle, Punkt& first, Punkt& second) const {
  if (!Kreis::crossings(cx_, cy_, r_, circle.cx(), circle.cy(), circle.r(), first, second)) {
    return 0;
  }
  const bool firstCounts = insideTheArcSpan(parameterOf(first, nullptr));
  const bool secondCounts = insideTheArcSpan(parameterOf(second, nullptr));
  if (secondCounts && !firstCounts) first = second;
  return int(firstCounts) + int(secondCounts);
}

int Kreisbogen::intersectArc(const Kreisbogen& arc, Punkt& first, Punkt& second) const {
  if (!Kreis::crossings(cx_, cy_, r_, arc.cx_, arc.cy_, arc.r_, first, second)) return 0;
  const bool firstCounts = insideTheArcSpan(arc.parameterOf(first, nullptr)) &&
                           insideTheArcSpan(parameterOf(first, nullptr));
  const bool secondCounts = insideTheArcSpan(arc.parameterOf(second, nullptr)) &&
                            insideTheArcSpan(parameterOf(second, nullptr));
  if (secondCounts && !firstCounts) first = second;
  return int(firstCounts) + int(secondCounts);
}

int Kreisbogen::intersectLine(const Linie& line, Punkt& first, Punkt& second) const {
  if (!line.circleCandidates(cx_, cy_, r_, first, second)) return 0;
  const auto counts = [&](const Punkt& p) {
    const double onLine = line.parameterOf(p, nullptr);
    const double onArc = parameterOf(p, nullptr);
    return kEdge < onLine && onLine < 1.0 - kEdge && kEdge < onArc && onArc < 1.0 - kEdge;
  };
  const bool firstCounts = counts(first);
  const bool secondCounts = counts(second);
  if (secondCounts && !firstCounts) first = second;
  return int(firstCounts) + int(secondCounts);
}
