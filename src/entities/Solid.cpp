// A filled quadrilateral or triangle: the DXF entity SOLID.
#include "entities/Solid.h"

#include <ostream>

Solid::Solid() = default;

Solid::Solid(const Solid& other) : DXFGeometrie(other) {
  setColourNumber(other.colourNumber_);
  for (int i = 0; i < kCorners; ++i) {
    x_[i] = other.x_[i];
    y_[i] = other.y_[i];
    z_[i] = other.z_[i];
  }
}

double Solid::cornerX(int i) const { return i >= 0 && i < kCorners ? x_[i] : 0.0; }
double Solid::cornerY(int i) const { return i >= 0 && i < kCorners ? y_[i] : 0.0; }
double Solid::cornerZ(int i) const { return i >= 0 && i < kCorners ? z_[i] : 0.0; }

void Solid::setCorner(int i, double x, double y) {
  if (i < 0 || i >= kCorners) return;
  x_[i] = x;
  y_[i] = y;
  z_[i] = 0.0;
}

const char* Solid::typeName() const { return "SOLID"; }

void Solid::stretchX(double c, double d) {
  for (double& x : x_) x = stretchValue(x, c, d);
}

void Solid::stretchY(double c, double d) {
  for (double& y : y_) y = stretchValue(y, c, d);
}

void Solid::moveX(double d) {
  for (double& x : x_) x += d;
}

void Solid::moveY(double d) {
  for (double& y : y_) y += d;
}

void Solid::scaleX(double k, double b) {
  for (double& x : x_) x = x * k + b;
}

void Solid::scaleY(double k, double b) {
  for (double& y : y_) y = y * k + b;
}

void Solid::transform(double s, double a, double dx, double dy, double) {
  for (int i = 0; i < kCorners; ++i) transformPoint(x_[i], y_[i], s, a, dx, dy);
}

void Solid::draw(DrawingArea& area, double s, double dx, double dy, double a) const {
  if (!visible_) return;
  WorldPoint polygon[kCorners + 1];
  for (int i = 0; i < kCorners; ++i) {
    const int corner = kOutlineOrder[i];
    polygon[i] = place(x_[corner], y_[corner], s, a, dx, dy);
  }
  polygon[kCorners] = polygon[0];
  selectColour(area);
  selectLineWidth(area);
  area.set_drawing_background(colour_);
  area.wc_fill_polygon(polygon, kCorners + 1);
  // Whatever is drawn next expects the white background again.
  area.set_drawing_background("#FFFFFF");
}

void Solid::drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX,
                         double maxY, double dx, double dy, double a) const {
  if (!visible_) return;
  const double k = fitFactor(dc, minX, minY, maxX, maxY);
  DevicePoint polygon[kCorners + 1];
  for (int i = 0; i < kCorners; ++i) {
    const int corner = kOutlineOrder[i];
    const WorldPoint p = place(x_[corner], y_[corner], s, a, dx, dy);
    polygon[i] = {k * (p.x - minX), k * (maxY - p.y)};
  }
  polygon[kCorners] = polygon[0];
  selectPen(dc);
  dc.set_background_color(colour_);
  dc.set_background_mode(DeviceContext::kOpaqueBackground);
  dc.polygon(polygon, kCorners + 1);
  dc.set_fill_style(DeviceContext::kHollowFill);
}

template <class Self>
std::array<RealGroupOf<Self>, 3 * Solid::kCorners> Solid::groupTable(Self& solid) {
  return {{{10, &solid.x_[0]},
           {20, &solid.y_[0]},
           {30, &solid.z_[0]},
           {11, &solid.x_[1]},
           {21, &solid.y_[1]},
           {31, &solid.z_[1]},
           {12, &solid.x_[2]},
           {22, &solid.y_[2]},
           {32, &solid.z_[2]},
           {13, &solid.x_[3]},
           {23, &solid.y_[3]},
           {33, &solid.z_[3]}}};
}

int Solid::readGroups(DxfLineReader& in) {
  setColourNumber("256");
  // The extrusion direction (read, not kept): only its sign in z counts.
  double extrusion[3] = {1.0, 1.0, 1.0};
  const std::array<RealGroup<double>, 3> extrusionGroups = {
      {{210, &extrusion[0]}, {220, &extrusion[1]}, {230, &extrusion[2]}}};
  const auto corners = groupTable(*this);
  bool fourthCornerRead = false;
  const int result = readGroupLoop(in, kEndOfFile, true, [&](int code, DxfLineReader& line) {
    if (code == 13 || code == 23) fourthCornerRead = true;
    return readListedGroup(line, code, corners) || readListedGroup(line, code, extrusionGroups);
  });
  if (result != 0) return result;
  // A triangle leaves out its fourth corner, which then is the third.
  if (!fourthCornerRead) {
    x_[3] = x_[2];
    y_[3] = y_[2];
    z_[3] = z_[2];
  }
  // Seen from below (downward extrusion), the corners are mirrored in x.
  if (extrusion[2] < 0) {
    for (double& x : x_) x = -x;
  }
  deriveColour();
  return 0;
}

int Solid::writeGroups(std::ostream& out) const {
  writeHead(out, true);
  writeListedGroups(out, groupTable(*this));
  writeEnd(out);
  return 0;
}
