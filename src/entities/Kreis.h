// A full circle: the DXF entity CIRCLE.
#pragma once

#include <array>
#include <optional>

#include "entities/DXFGeometrie.h"
#include "entities/Punkt.h"

// A circle of centre (cx, cy, cz) (groups 10, 20, 30) and radius r (group 40). Its curve
// parameter runs counter-clockwise from the point at angle 0: angle = t * 2 pi.
class Kreis : public DXFGeometrie {
 public:
  static constexpr int kEndOfFile = -33;
  // Pixel bound beyond which the circle is drawn as chords instead of natively.
  static constexpr double kNativeLimit = 500.0;
  static constexpr int kChords = 60;

  // Centre at the origin, radius 0, layer name "0", no layer.
  Kreis();
  // Centre (cx, cy), z 0, radius r; with a layer, its name, colour, style and visibility.
  Kreis(double cx, double cy, double r, const Layer* layer = nullptr);
  // Copies layer, layer name, colour, line style, visibility and geometry; the colour
  // number stays "256" and ownColour 0.
  Kreis(const Kreis& other);
  Kreis& operator=(const Kreis& other) = default;

  double cx() const { return cx_; }
  double cy() const { return cy_; }
  double cz() const { return cz_; }
  double r() const { return r_; }

  const char* typeName() const override;
  int touchesWindow(double minX, double minY, double maxX, double maxY) const override;
  void stretchX(double c, double d) override;
  void stretchY(double c, double d) override;
  void moveX(double d) override;
  void moveY(double d) override;
  // Also scales r, so scaleX followed by scaleY scales it twice.
  void scaleX(double k, double b) override;
  void scaleY(double k, double b) override;
  // Scales r once.
  void scaleXY(double k, double bx, double by) override;
  void transform(double s, double a, double dx, double dy, double dz) override;
  void draw(DrawingArea& area, double s, double dx, double dy, double a) const override;
  void drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX, double maxY,
                    double dx, double dy, double a) const override;
  // A circle in a tilted plane (extrusion) is kept as its centre seen from above.
  int readGroups(DxfLineReader& in) override;
  // The same; for a circle in a tilted plane, `tiltedOutline` receives the ellipse it is
  // seen as from above, which is what should be drawn in its place.
  int readGroups(DxfLineReader& in, std::optional<EllipseArc>& tiltedOutline);
  int writeGroups(std::ostream& out) const override;
  // t clamped to 0..1.
  Punkt pointAt(double t) const override;
  // The point is taken to lie on the circle; the marker is ignored.
  double parameterOf(const Punkt& point, const void* marker) const override;
  Punkt maxCorner() const override;
  Punkt minCorner() const override;
  // Both crossings of the two circles; 0 for separate, contained, touching or concentric.
  int intersectCircle(const Kreis& circle, Punkt& first, Punkt& second) const override;
  // The crossings that lie strictly inside the arc.
  int intersectArc(const Kreisbogen& arc, Punkt& first, Punkt& second) const override;
  // The crossings on the segment, its end points included.
  int intersectLine(const Linie& line, Punkt& first, Punkt& second) const override;

  // The two crossings of the circles (cx, cy, r) and (ocx, ocy, orad); false, with the
  // points untouched, for separate, contained, touching or concentric circles.
  static bool crossings(double cx, double cy, double r, double ocx, double ocy, double orad,
                        Punkt& first, Punkt& second);
  // Quick window test of the circle's box (also used by arcs).
  static int boxTouchesWindow(double cx, double cy, double r, double minX, double minY, double maxX,
                              double maxY);

 private:
  // The group table, in the order written: centre 10, 20, 30 and radius 40.
  template <class Self>
  static std::array<RealGroupOf<Self>, 4> groupTable(Self& circle);

  double cx_ = 0.0;
  double cy_ = 0.0;
  double cz_ = 0.0;
  double r_ = 0.0;
};
