// An elliptical arc or a whole ellipse: the DXF entity ELLIPSE, and what circles and arcs
// become in an insert that scales x and y differently.
#pragma once

#include "entities/DXFGeometrie.h"
#include "entities/EllipseArc.h"
#include "entities/Punkt.h"

// The file gives the centre (groups 10, 20, 30) and the end of the major axis relative to
// it (11, 21, 31) in world coordinates, the ratio of the minor axis to the major (40), the
// start and end parameters (41, 42, radians) and the plane's normal (210, 220, 230), which
// decides on which side the minor axis lies. The viewer keeps the arc as seen from above
// (EllipseArc), so an ellipse in a tilted plane is kept as its outline on the x-y plane.
//
// The drawing format written (release 12) has no ellipses: the writer puts a POLYLINE of
// chords in its place, within a ten-thousandth of the major axis of the curve.
class Ellipse : public DXFGeometrie {
 public:
  static constexpr int kEndOfFile = -39;
  // Chord error of the written polyline, as a share of the major half axis.
  static constexpr double kWrittenChordError = 1e-4;
  // Chord error on a screen or printer, in device pixels.
  static constexpr double kDrawnChordError = 0.5;

  // A unit circle at the origin, layer name "0", no layer.
  Ellipse();
  explicit Ellipse(const EllipseArc& arc, const Layer* layer = nullptr);
  // Copies layer, layer name, colour, colour number, line style, visibility and geometry.
  Ellipse(const Ellipse& other);
  // The curve `arc` with the layer, colour (and its number), line style and visibility of
  // `attributes`.
  Ellipse(const DXFGeometrie& attributes, const EllipseArc& arc);
  // The same curve as a circle or an arc, with its attributes.
  explicit Ellipse(const Kreis& circle);
  explicit Ellipse(const Kreisbogen& arc);
  Ellipse& operator=(const Ellipse& other) = default;

  const EllipseArc& arc() const { return arc_; }

  const char* typeName() const override;
  // Tests the box of the whole ellipse.
  int touchesWindow(double minX, double minY, double maxX, double maxY) const override;
  // The centre moves; the shape stays.
  void stretchX(double c, double d) override;
  void stretchY(double c, double d) override;
  void moveX(double d) override;
  void moveY(double d) override;
  // Maps the curve itself: an ellipse stays an ellipse under any of these.
  void scaleX(double k, double b) override;
  void scaleY(double k, double b) override;
  void scaleXY(double k, double bx, double by) override;
  void transform(double s, double a, double dx, double dy, double dz) override;
  // Chords within half a pixel of the curve.
  void draw(DrawingArea& area, double s, double dx, double dy, double a) const override;
  void drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX, double maxY,
                    double dx, double dy, double a) const override;
  int readGroups(DxfLineReader& in) override;
  // A POLYLINE with one VERTEX per chord end (closed for a whole ellipse); nothing for an
  // ellipse of infinite or undefined numbers.
  int writeGroups(std::ostream& out) const override;
  // Linear in the curve parameter from start (0) to end (1).
  Punkt pointAt(double t) const override;
  // Parameter of a point taken to lie on the curve; outside the arc 0, or -1 with a
  // non-null marker.
  double parameterOf(const Punkt& point, const void* marker) const override;
  Punkt maxCorner() const override;
  Punkt minCorner() const override;

 private:
  // The placed curve as `place` puts points.
  EllipseArc placed(double s, double a, double dx, double dy) const;
  // Smallest and largest x (axis 0) or y (axis 1) of the arc.
  void extremes(int axis, double& low, double& high) const;

  EllipseArc arc_;
};
