// A full circle: the DXF entity CIRCLE.
#include "entities/Kreis.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <ostream>

#include "entities/Kreisbogen.h"
#include "entities/Linie.h"
#include "entities/Angles.h"

namespace {

bool strictlyInside(double t) { return 0.0 < t && t < 1.0; }

bool withinLimit(double v, double limit) { return -limit <= v && v <= limit; }

// Parameter of a point on a line, from 0 at its start to 1 at its end; NaN for a line
// of no length, which then never counts.
double lineParameter(const Linie& line, const Punkt& point) {
  const double dx = line.x2() - line.x1();
  if (std::fabs(dx) > 0.0001) return (point.x() - line.x1()) / dx;
  const double dy = line.y2() - line.y1();
  return dy != 0.0 ? (point.y() - line.y1()) / dy : std::nan("");
}

}  // namespace

Kreis::Kreis() = default;

Kreis::Kreis(double cx, double cy, double r, const Layer* layer)
    : DXFGeometrie(layer), cx_(cx), cy_(cy), r_(r) {}

Kreis::Kreis(const Kreis& other)
    : DXFGeometrie(other), cx_(other.cx_), cy_(other.cy_), cz_(other.cz_), r_(other.r_) {}

const char* Kreis::typeName() const { return "CIRCLE"; }

int Kreis::boxTouchesWindow(double cx, double cy, double r, double minX, double minY, double maxX,
                            double maxY) {
  if (cx + r < minX || cx - r > maxX || cy + r < minY || cy - r > maxY) return 0;
  return 1;
}

int Kreis::touchesWindow(double minX, double minY, double maxX, double maxY) const {
  return boxTouchesWindow(cx_, cy_, r_, minX, minY, maxX, maxY);
}

void Kreis::stretchX(double c, double d) { cx_ = stretchClamped(cx_, c, d); }
void Kreis::stretchY(double c, double d) { cy_ = stretchValue(cy_, c, d); }
void Kreis::moveX(double d) { cx_ += d; }
void Kreis::moveY(double d) { cy_ += d; }

void Kreis::scaleX(double k, double b) {
  cx_ = cx_ * k + b;
  r_ *= k;
}

void Kreis::scaleY(double k, double b) {
  cy_ = cy_ * k + b;
  r_ *= k;
}

void Kreis::scaleXY(double k, double bx, double by) {
  cx_ = cx_ * k + bx;
  cy_ = cy_ * k + by;
  r_ *= k;
}

void Kreis::transform(double s, double a, double dx, double dy, double) {
  transformPoint(cx_, cy_, s, a, dx, dy);
  r_ *= s < 0 ? -s : s;
}

void Kreis::draw(DrawingArea& area, double s, double dx, double dy, double a) const {
  if (!visible_) return;
  const WorldPoint centre = place(cx_, cy_, s, a, dx, dy);
  const double radius = r_ * s;
  const PixelCircle pixels = pixelCircle(area, centre, radius);
  if (!pixels.visible) return;
  selectPen(area);
  // Large or far-off circles stay away from the native call.
  const bool native =
      withinLimit(pixels.centre.x, kNativeLimit) && withinLimit(pixels.centre.y, kNativeLimit) &&
      withinLimit(pixels.origin.x, kNativeLimit) && withinLimit(pixels.origin.y, kNativeLimit) &&
      withinLimit(pixels.radiusPoint.x, kNativeLimit) &&
      withinLimit(pixels.radiusPoint.y, kNativeLimit) && withinLimit(pixels.radius, kNativeLimit);
  if (native) {
    // A negative scale turns the circle half round; its radius stays a length.
    area.wc_circle(centre.x, centre.y, std::fabs(radius));
  } else {
    drawChords(area, kChords, s, dx, dy, a);
  }
}

void Kreis::drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX,
                         double maxY, double dx, double dy, double a) const {
  if (!visible_) return;
  const WorldPoint centre = place(cx_, cy_, s, a, dx, dy);
  const double radius = r_ * s;
  selectPen(dc);
  dc.set_background_mode(DeviceContext::kTransparentBackground);
  dc.set_fill_style(DeviceContext::kHollowFill);
  const double k = fitFactor(dc, minX, minY, maxX, maxY);
  dc.circle(k * (centre.x - minX), k * (maxY - centre.y), std::fabs(k * radius));
}

template <class Self>
std::array<RealGroupOf<Self>, 4> Kreis::groupTable(Self& circle) {
  return {{{10, &circle.cx_}, {20, &circle.cy_}, {30, &circle.cz_}, {40, &circle.r_}}};
}

int Kreis::readGroups(DxfLineReader& in) {
  std::optional<EllipseArc> unused;
  return readGroups(in, unused);
}

int Kreis::readGroups(DxfLineReader& in, std::optional<EllipseArc>& tiltedOutline) {
  setColourNumber("256");
  tiltedOutline.reset();
  Extrusion extrusion;
  const int result = readCoordinateGroups(in, kEndOfFile, true, groupTable(*this), &extrusion);
  if (result != 0) return result;
  if (extrusion.isTilted()) {
    EllipseArc inPlane;
    inPlane.centre = {cx_, cy_};
    inPlane.major = {r_, 0.0};
    tiltedOutline = extrusion.seenFromAbove(inPlane, cz_);
  }
  extrusion.toWorld(cx_, cy_, cz_);
  deriveColour();
  return 0;
}

int Kreis::writeGroups(std::ostream& out) const {
  writeHead(out, true);
  writeListedGroups(out, groupTable(*this));
  writeEnd(out);
  return 0;
}

Punkt Kreis::pointAt(double t) const {
  if (t > 1.0) t = 1.0;
  if (t < 0.0) t = 0.0;
  const double angle = t * kFullTurn;
  return Punkt(cx_ + r_ * std::cos(angle), cy_ + r_ * std::sin(angle));
}

double Kreis::parameterOf(const Punkt& point, const void*) const {
  if (r_ == 0.0) return 0.0;
  // Points off the circle are taken to its nearest angle instead of giving NaN.
  const double x = std::clamp((point.x() - cx_) / r_, -1.0, 1.0);
  double angle = std::acos(x);
  if (point.y() - cy_ < 0) angle = kFullTurn - angle;
  return angle / kFullTurn;
}

Punkt Kreis::maxCorner() const { return Punkt(cx_ + r_, cy_ + r_); }
Punkt Kreis::minCorner() const { return Punkt(cx_ - r_, cy_ - r_); }

bool Kreis::crossings(double cx, double cy, double r, double ocx, double ocy, double orad,
                      Punkt& first, Punkt& second) {
  const double f = 2.0 * (cx - ocx);
  const double h = 2.0 * (cy - ocy);
  const double l = f * f + h * h;
  // Concentric circles share no single crossing.
  if (l == 0.0) return false;
  const double alpha =
      (-(r * r + (ocx * ocx + ocy * ocy - cx * cx - cy * cy - orad * orad)) - (cx * f + cy * h)) /
      l;
  const double mu = r * r / l - alpha * alpha;
  if (!(mu > 0.0)) return false;
  const double o = std::sqrt(mu);
  first = Punkt(cx + f * alpha - h * o, cy + h * alpha + f * o);
  second = Punkt(cx + f * alpha + h * o, cy + h * alpha - f * o);
  return true;
}

int Kreis::intersectCircle(const Kreis& circle, Punkt& first, Punkt& second) const {
  return crossings(cx_, cy_, r_, circle.cx_, circle.cy_, circle.r_, first, second) ? 2 : 0;
}

int Kreis::intersectArc(const Kreisbogen& arc, Punkt& first, Punkt& second) const {
  if (!crossings(cx_, cy_, r_, arc.cx(), arc.cy(), arc.r(), first, second)) return 0;
  const bool firstCounts = strictlyInside(arc.parameterOf(first, nullptr));
  const bool secondCounts = strictlyInside(arc.parameterOf(second, nullptr));
  if (secondCounts && !firstCounts) first = second;
  return int(firstCounts) + int(secondCounts);
}

int Kreis::intersectLine(const Linie& line, Punkt& first, Punkt& second) const {
  Punkt one;
  Punkt two;
  if (!line.circleCandidates(cx_, cy_, r_, one, two)) return 0;
  const double t1 = lineParameter(line, one);
  const double t2 = lineParameter(line, two);
  // Unlike the line's own tests, the segment's ends count here.
  const bool oneCounts = 0.0 <= t1 && t1 <= 1.0;
  const bool twoCounts = 0.0 <= t2 && t2 <= 1.0;
  if (oneCounts) first = one;
  if (twoCounts) (oneCounts ? second : first) = two;
  return int(oneCounts) + int(twoCounts);
}
