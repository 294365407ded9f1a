// A straight line segment: the DXF entity LINE.
#pragma once

#include <array>

#include "entities/DXFGeometrie.h"
#include "entities/Punkt.h"

// A line from (x1, y1, z1) (groups 10, 20, 30) to (x2, y2, z2) (groups 11, 21, 31). The
// direction matters for pointAt, parameterOf, distanceTo and the written pairs.
class Linie : public DXFGeometrie {
 public:
  static constexpr int kEndOfFile = -32;

  // From the origin to the origin, layer name "0", no layer.
  Linie();
  // From (x1, y1) to (x2, y2) at z 0; with a layer, its name, colour, style and visibility.
  Linie(double x1, double y1, double x2, double y2, const Layer* layer = nullptr);
  // Copies layer, layer name, colour, colour number, line style, visibility and the ends;
  // ownColour starts at 0.
  Linie(const Linie& other);
  Linie& operator=(const Linie& other) = default;

  double x1() const { return x1_; }
  double y1() const { return y1_; }
  double z1() const { return z1_; }
  double x2() const { return x2_; }
  double y2() const { return y2_; }
  double z2() const { return z2_; }

  const char* typeName() const override;
  // 0 when both ends lie beyond the same side of the window.
  int touchesWindow(double minX, double minY, double maxX, double maxY) const override;
  // Ends with x > c move by d, but not below c.
  void stretchX(double c, double d) override;
  // Ends with y > c move by d (no clamping).
  void stretchY(double c, double d) override;
  void moveX(double d) override;
  void moveY(double d) override;
  void scaleX(double k, double b) override;
  void scaleY(double k, double b) override;
  void transform(double s, double a, double dx, double dy, double dz) override;
  // Culls when both ends lie beyond the same side of the visible container.
  void draw(DrawingArea& area, double s, double dx, double dy, double a) const override;
  void drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX, double maxY,
                    double dx, double dy, double a) const override;
  int readGroups(DxfLineReader& in) override;
  int writeGroups(std::ostream& out) const override;
  // t clamped to 0..1.
  Punkt pointAt(double t) const override;
  // Parameter along x (or along y for an almost vertical line); not clamped, not tested
  // for lying on the line; 0.0 for a zero-length line.
  double parameterOf(const Punkt& point, const void* marker) const override;
  // Positive left of the direction start to end; 1.0 for a zero-length line.
  double distanceTo(const Punkt& point) const override;
  Punkt maxCorner() const override;
  Punkt minCorner() const override;
  // Crossings with the full circle whose parameters on this segment lie strictly inside.
  int intersectCircle(const Kreis& circle, Punkt& first, Punkt& second) const override;
  // The same, with the arc's own strict parameter test made first.
  int intersectArc(const Kreisbogen& arc, Punkt& first, Punkt& second) const override;
  // The crossing strictly inside both segments; collinear horizontal or vertical lines
  // report the other line's ends that lie strictly inside this one.
  int intersectLine(const Linie& line, Punkt& first, Punkt& second) const override;

  // The two points where the infinite line meets the circle (cx, cy, r); false, with the
  // points untouched, when it misses or only touches it.
  bool circleCandidates(double cx, double cy, double r, Punkt& first, Punkt& second) const;

 private:
  // The group table, in the order written: start point 10, 20, 30, end point 11, 21, 31.
  template <class Self>
  static std::array<RealGroupOf<Self>, 6> groupTable(Self& line);

  double x1_ = 0.0;
  double y1_ = 0.0;
  double z1_ = 0.0;
  double x2_ = 0.0;
  double y2_ = 0.0;
  double z2_ = 0.0;
};
