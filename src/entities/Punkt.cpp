// A point: the DXF entity POINT, the polyline vertex and the query result.
#include "entities/Punkt.h"

#include <ostream>

Punkt::Punkt() = default;

Punkt::Punkt(double x, double y, const Layer* layer) : DXFGeometrie(layer), x_(x), y_(y) {}

Punkt::Punkt(double x, double y, double z, const Layer* layer)
    : DXFGeometrie(layer), x_(x), y_(y), z_(z) {}

Punkt::Punkt(const Punkt& other)
    : DXFGeometrie(other),
      x_(other.x_),
      y_(other.y_),
      z_(other.z_),
      bulge_(other.bulge_),
      startWidth_(other.startWidth_),
      endWidth_(other.endWidth_) {
  // Copies (blocks being copied) start visible until a layer is assigned again, unless the
  // file marked the point invisible.
  visible_ = markedInvisible() ? 0 : 1;
}

const char* Punkt::typeName() const { return "POINT"; }

int Punkt::touchesWindow(double minX, double minY, double maxX, double maxY) const {
  return minX < x_ && x_ < maxX && minY < y_ && y_ < maxY ? 1 : 0;
}

void Punkt::stretchX(double c, double d) { x_ = stretchValue(x_, c, d); }
void Punkt::stretchY(double c, double d) { y_ = stretchValue(y_, c, d); }
void Punkt::moveX(double d) { x_ += d; }
void Punkt::moveY(double d) { y_ += d; }
void Punkt::scaleX(double k, double b) { x_ = x_ * k + b; }
void Punkt::scaleY(double k, double b) { y_ = y_ * k + b; }

void Punkt::transform(double s, double a, double dx, double dy, double) {
  transformPoint(x_, y_, s, a, dx, dy);
}

void Punkt::draw(DrawingArea& area, double s, double dx, double dy, double a) const {
  if (!visible_) return;
  const WorldPoint p = place(x_, y_, s, a, dx, dy);
  selectColour(area);
  area.wc_dot(p.x, p.y);
}

void Punkt::drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX,
                         double maxY, double dx, double dy, double a) const {
  if (!visible_) return;
  const WorldPoint p = place(x_, y_, s, a, dx, dy);
  const double k = fitFactor(dc, minX, minY, maxX, maxY);
  // The dot carries its own colour; the pen cache is left alone.
  dc.dot(k * (p.x - minX), k * (maxY - p.y), colour_);
}

template <class Self>
std::array<RealGroupOf<Self>, 3> Punkt::groupTable(Self& point) {
  return {{{10, &point.x_}, {20, &point.y_}, {30, &point.z_}}};
}

int Punkt::readGroups(DxfLineReader& in) {
  x_ = y_ = z_ = bulge_ = startWidth_ = endWidth_ = 0.0;
  constexpr int kBulgeCode = 42;
  constexpr int kStartWidthCode = 40;
  constexpr int kEndWidthCode = 41;
  const auto coordinates = groupTable(*this);
  return readGroupLoop(in, kEndOfFile, false, [&](int code, DxfLineReader& line) {
    switch (code) {
      case kBulgeCode: bulge_ = readDouble(line); return true;
      case kStartWidthCode: startWidth_ = readDouble(line); return true;
      case kEndWidthCode: endWidth_ = readDouble(line); return true;
      default: return readListedGroup(line, code, coordinates);
    }
  });
}

int Punkt::writeGroups(std::ostream& out) const {
  writeHead(out, false);
  writeListedGroups(out, groupTable(*this));
  writeEnd(out);
  return 0;
}

Punkt Punkt::pointAt(double) const { return Punkt(x_, y_); }
Punkt Punkt::maxCorner() const { return Punkt(x_, y_); }
Punkt Punkt::minCorner() const { return Punkt(x_, y_); }
