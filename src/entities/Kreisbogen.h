// A circular arc: the DXF entity ARC and the arc segment of an exploded polyline.
#pragma once

#include <array>
#include <optional>
#include <utility>

#include "entities/DXFGeometrie.h"
#include "entities/Punkt.h"

// An arc of centre (cx, cy, cz) (groups 10, 20, 30) and radius r (group 40) running
// counter-clockwise from startAngle to endAngle (groups 50, 51 in degrees; stored in
// radians with endAngle >= startAngle after reading, endAngle possibly above 2 pi).
class Kreisbogen : public DXFGeometrie {
 public:
  static constexpr int kEndOfFile = -34;

  // Centre at the origin, radius and angles 0, layer name "0", no layer.
  Kreisbogen();
  // Centre (cx, cy), z 0, radius r, angles in radians; with a layer, its name, colour,
  // style and visibility.
  Kreisbogen(double cx, double cy, double r, double startAngle, double endAngle,
             const Layer* layer = nullptr);
  // The polyline segment from `start` to `end` whose bulge b is the tangent of a quarter
  // of its included angle; b >= 0 runs from start to end, b < 0 from end to start.
  Kreisbogen(double bulge, const Punkt& start, const Punkt& end, const Layer* layer = nullptr);
  // Copies layer, layer name, colour, line style, visibility and geometry; the colour
  // number stays "256" and ownColour 0.
  Kreisbogen(const Kreisbogen& other);
  Kreisbogen& operator=(const Kreisbogen& other) = default;

  double cx() const { return cx_; }
  double cy() const { return cy_; }
  double cz() const { return cz_; }
  double r() const { return r_; }
  // Radians.
  double startAngle() const { return startAngle_; }
  double endAngle() const { return endAngle_; }

  const char* typeName() const override;
  // Tests the full circle's box.
  int touchesWindow(double minX, double minY, double maxX, double maxY) const override;
  void stretchX(double c, double d) override;
  void stretchY(double c, double d) override;
  void moveX(double d) override;
  void moveY(double d) override;
  // Refits the arc through its start, middle and end after mapping their x (y) values by
  // value * k + b; three collinear mapped points leave the arc unchanged.
  void scaleX(double k, double b) override;
  void scaleY(double k, double b) override;
  // transform(k, 0, bx, by, 0).
  void scaleXY(double k, double bx, double by) override;
  // For s < 0 the arc is mirrored exactly like its centre (and every line end): it turns
  // round, running from the mirrored end to the mirrored start.
  void transform(double s, double a, double dx, double dy, double dz) override;
  void draw(DrawingArea& area, double s, double dx, double dy, double a) const override;
  void drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX, double maxY,
                    double dx, double dy, double a) const override;
  // An arc in a tilted plane (extrusion) is kept as its centre and end directions seen
  // from above, which is exact for its ends only.
  int readGroups(DxfLineReader& in) override;
  // The same; for an arc in a tilted plane, `tiltedOutline` receives the ellipse it is
  // seen as from above, which is what should be drawn in its place.
  int readGroups(DxfLineReader& in, std::optional<EllipseArc>& tiltedOutline);
  int writeGroups(std::ostream& out) const override;
  // Linear in angle from start (0) to end (1); t is not clamped.
  Punkt pointAt(double t) const override;
  // Parameter of a point on the arc; points off it give 0, or -1 with a non-null marker.
  double parameterOf(const Punkt& point, const void* marker) const override;
  // Distance from the centre minus r: negative inside the circle.
  double distanceTo(const Punkt& point) const override;
  Punkt maxCorner() const override;
  Punkt minCorner() const override;
  // The circle crossings that lie strictly inside this arc.
  int intersectCircle(const Kreis& circle, Punkt& first, Punkt& second) const override;
  // The crossings that lie strictly inside both arcs.
  int intersectArc(const Kreisbogen& arc, Punkt& first, Punkt& second) const override;
  // The crossings strictly inside the segment and this arc (with a small margin).
  int intersectLine(const Linie& line, Punkt& first, Punkt& second) const override;

 private:
  // Start and end angle in degrees, the end within one turn, as the file holds them.
  struct Degrees {
    double start = 0.0;
    double end = 0.0;

    static Degrees ofRadians(double start, double end);
    // Radians, the end at or above the start.
    std::pair<double, double> inRadians() const;
  };

  // The group table, in the order written: centre 10, 20, 30, radius 40, start and end
  // angle 50, 51 (in the file in degrees, here in radians: see readGroups, writeGroups).
  template <class Self>
  static std::array<RealGroupOf<Self>, 6> groupTable(Self& arc);

  // Angle of a point on the circle, 0 to 2 pi (acos argument clamped).
  double angleOf(double x, double y) const;
  // Refits through three points; false (arc unchanged) when they are collinear.
  bool fitThrough(const Punkt& start, const Punkt& middle, const Punkt& end);

  double cx_ = 0.0;
  double cy_ = 0.0;
  double cz_ = 0.0;
  double r_ = 0.0;
  double startAngle_ = 0.0;
  double endAngle_ = 0.0;
  // The angles the file gave, written back while the arc still has them.
  Degrees degreesRead_;
};
