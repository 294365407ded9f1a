// A straight line segment: the DXF entity LINE.
#include "entities/Linie.h"

#include <algorithm>
#include <cmath>
#include <ostream>

#include "entities/Kreis.h"
#include "entities/Kreisbogen.h"

namespace {

// Below this a coordinate difference counts as zero (vertical or horizontal lines).
constexpr double kTolerance = 0.0001;

bool insideTheLine(double t) { return 0.0 < t && t < 1.0; }

// Both container pixel x (or y) values lie beyond the same edge 0..limit.
bool bothOutside(double a, double b, double limit) {
  return (a < 0 && b < 0) || (a > limit && b > limit);
}

}  // namespace

Linie::Linie() = default;

Linie::Linie(double x1, double y1, double x2, double y2, const Layer* layer)
    : DXFGeometrie(layer), x1_(x1), y1_(y1), x2_(x2), y2_(y2) {}

Linie::Linie(const Linie& other)
    : DXFGeometrie(other),
      x1_(other.x1_),
      y1_(other.y1_),
      z1_(other.z1_),
      x2_(other.x2_),
      y2_(other.y2_),
      z2_(other.z2_) {
  setColourNumber(other.colourNumber_);
}

const char* Linie::typeName() const { return "LINE"; }

int Linie::touchesWindow(double minX, double minY, double maxX, double maxY) const {
  if ((x1_ < minX && x2_ < minX) || (x1_ > maxX && x2_ > maxX)) return 0;
  if ((y1_ < minY && y2_ < minY) || (y1_ > maxY && y2_ > maxY)) return 0;
  return 1;
}

void Linie::stretchX(double c, double d) {
  x1_ = stretchClamped(x1_, c, d);
  x2_ = stretchClamped(x2_, c, d);
}

void Linie::stretchY(double c, double d) {
  y1_ = stretchValue(y1_, c, d);
  y2_ = stretchValue(y2_, c, d);
}

void Linie::moveX(double d) {
  x1_ += d;
  x2_ += d;
}

void Linie::moveY(double d) {
  y1_ += d;
  y2_ += d;
}

void Linie::scaleX(double k, double b) {
  x1_ = x1_ * k + b;
  x2_ = x2_ * k + b;
}

void Linie::scaleY(double k, double b) {
  y1_ = y1_ * k + b;
  y2_ = y2_ * k + b;
}

void Linie::transform(double s, double a, double dx, double dy, double) {
  transformPoint(x1_, y1_, s, a, dx, dy);
  transformPoint(x2_, y2_, s, a, dx, dy);
}

void Linie::draw(DrawingArea& area, double s, double dx, double dy, double a) const {
  if (!visible_) return;
  const WorldPoint p1 = place(x1_, y1_, s, a, dx, dy);
  const WorldPoint p2 = place(x2_, y2_, s, a, dx, dy);
  const PixelSize size = area.container_size();
  const PixelPosition position = area.position_in_container();
  const DevicePoint d1 = area.wc_to_dc(p1.x, p1.y);
  const DevicePoint d2 = area.wc_to_dc(p2.x, p2.y);
  const double px1 = d1.x + position.x;
  const double py1 = d1.y + position.y;
  const double px2 = d2.x + position.x;
  const double py2 = d2.y + position.y;
  // A line of infinite or undefined numbers has nothing to show.
  if (!std::isfinite(px1 + py1 + px2 + py2)) return;
  if (bothOutside(px1, px2, size.width) || bothOutside(py1, py2, size.height)) return;
  selectPen(area);
  area.wc_line(p1.x, p1.y, p2.x, p2.y);
}

void Linie::drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX,
                         double maxY, double dx, double dy, double a) const {
  if (!visible_) return;
  const WorldPoint p1 = place(x1_, y1_, s, a, dx, dy);
  const WorldPoint p2 = place(x2_, y2_, s, a, dx, dy);
  dc.set_orientation(DeviceContext::kLineOrientation);
  selectPen(dc);
  const double k = fitFactor(dc, minX, minY, maxX, maxY);
  dc.line(k * (p1.x - minX), k * (maxY - p1.y), k * (p2.x - minX), k * (maxY - p2.y));
}

template <class Self>
std::array<RealGroupOf<Self>, 6> Linie::groupTable(Self& line) {
  return {{{10, &line.x1_},
           {20, &line.y1_},
           {30, &line.z1_},
           {11, &line.x2_},
           {21, &line.y2_},
           {31, &line.z2_}}};
}

int Linie::readGroups(DxfLineReader& in) {
  setColourNumber("256");
  const int result = readCoordinateGroups(in, kEndOfFile, true, groupTable(*this));
  if (result != 0) return result;
  deriveColour();
  return 0;
}

int Linie::writeGroups(std::ostream& out) const {
  writeHead(out, true);
  writeListedGroups(out, groupTable(*this));
  writeEnd(out);
  return 0;
}

Punkt Linie::pointAt(double t) const {
  if (t > 1.0) t = 1.0;
  if (t < 0.0) t = 0.0;
  return Punkt(x1_ + (x2_ - x1_) * t, y1_ + (y2_ - y1_) * t);
}

double Linie::parameterOf(const Punkt& point, const void*) const {
  if (std::fabs(x2_ - x1_) > kTolerance) return (point.x() - x1_) / (x2_ - x1_);
  if (std::fabs(y2_ - y1_) > kTolerance) return (point.y() - y1_) / (y2_ - y1_);
  return 0.0;
}

double Linie::distanceTo(const Punkt& point) const {
  const double length = std::sqrt((y2_ - y1_) * (y2_ - y1_) + (x1_ - x2_) * (x1_ - x2_));
  if (length == 0.0) return 1.0;
  return ((x2_ - x1_) * (point.y() - y1_) - (y2_ - y1_) * (point.x() - x1_)) / length;
}

Punkt Linie::maxCorner() const { return Punkt(std::max(x1_, x2_), std::max(y1_, y2_)); }
Punkt Linie::minCorner() const { return Punkt(std::min(x1_, x2_), std::min(y1_, y2_)); }

bool Linie::circleCandidates(double cx, double cy, double r, Punkt& first, Punkt& second) const {
  const double g = y1_ - y2_;
  const double m = x2_ - x1_;
  const double q = g * g + m * m;
  if (q == 0.0) return false;
  const double rho = ((y1_ * x2_ - y2_ * x1_) - (g * cx + m * cy)) / q;
  const double u = r * r / q - rho * rho;
  if (!(u > 0.0)) return false;
  const double v = std::sqrt(u);
  first = Punkt(cx + g * rho - m * v, cy + m * rho + g * v);
  second = Punkt(cx + g * rho + m * v, cy + m * rho - g * v);
  return true;
}

int Linie::intersectCircle(const Kreis& circle, Punkt& first, Punkt& second) const {
  if (!circleCandidates(circle.cx(), circle.cy(), circle.r(), first, second)) return 0;
  const bool firstCounts = insideTheLine(parameterOf(first, nullptr));
  const bool secondCounts = insideTheLine(parameterOf(second, nullptr));
  if (secondCounts && !firstCounts) first = second;
  return int(firstCounts) + int(secondCounts);
}

int Linie::intersectArc(const Kreisbogen& arc, Punkt& first, Punkt& second) const {
  if (!circleCandidates(arc.cx(), arc.cy(), arc.r(), first, second)) return 0;
  const bool firstCounts =
      insideTheLine(arc.parameterOf(first, nullptr)) && insideTheLine(parameterOf(first, nullptr));
  const bool secondCounts = insideTheLine(arc.parameterOf(second, nullptr)) &&
                            insideTheLine(parameterOf(second, nullptr));
  if (secondCounts && !firstCounts) first = second;
  return int(firstCounts) + int(secondCounts);
}

int Linie::intersectLine(const Linie& line, Punkt& first, Punkt& second) const {
  const double dx = x2_ - x1_;
  const double dy = y2_ - y1_;
  const double odx = line.x2_ - line.x1_;
  const double ody = line.y2_ - line.y1_;
  const bool verticalTogether = std::fabs(dx) < kTolerance && std::fabs(odx) < kTolerance &&
                                std::fabs(x1_ - line.x1_) < kTolerance;
  const bool horizontalTogether = std::fabs(dy) < kTolerance && std::fabs(ody) < kTolerance &&
                                  std::fabs(y1_ - line.y1_) < kTolerance;
  if (verticalTogether || horizontalTogether) {
    first = Punkt(line.x1_, line.y1_);
    const bool firstCounts = insideTheLine(parameterOf(first, nullptr));
    second = Punkt(line.x2_, line.y2_);
    const bool secondCounts = insideTheLine(parameterOf(second, nullptr));
    if (secondCounts && !firstCounts) first = second;
    return int(firstCounts) + int(secondCounts);
  }
  const double a = y1_ - y2_;
  const double b = x2_ - x1_;
  const double c = y1_ * x2_ - x1_ * y2_;
  const double oa = line.y1_ - line.y2_;
  const double ob = line.x2_ - line.x1_;
  const double oc = line.y1_ * line.x2_ - line.x1_ * line.y2_;
  const double denominator = oa * dx + ob * dy;
  const double otherDenominator = a * odx + b * ody;
  // Parallel lines that are not collinear by the test above do not cross.
  if (denominator == 0.0 || otherDenominator == 0.0) return 0;
  const double t = (oc - (oa * x1_ + ob * y1_)) / denominator;
  const double otherT = (c - (a * line.x1_ + b * line.y1_)) / otherDenominator;
  if (!insideTheLine(t) || !insideTheLine(otherT)) return 0;
  first = Punkt(x1_ + t * dx, y1_ + t * dy);
  return 1;
}
