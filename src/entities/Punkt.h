// A point: the DXF entity POINT, the polyline vertex (with its bulge) and the point value
// that geometric queries return.
#pragma once

#include <array>

#include "entities/DXFGeometrie.h"

// A point (group codes 10, 20, 30) with the bulge (group 42) of the polyline segment that
// starts at it. Drawn as a single dot in its layer's colour.
class Punkt : public DXFGeometrie {
 public:
  static constexpr int kEndOfFile = -31;

  // At the origin, layer name "0", no layer, colour "BYLAYER".
  Punkt();
  // At (x, y), z and bulge 0; with a layer, its name, colour, style and visibility.
  Punkt(double x, double y, const Layer* layer = nullptr);
  // At (x, y, z), bulge 0.
  Punkt(double x, double y, double z, const Layer* layer);
  // Copies layer, layer name, colour, line style, coordinates and bulge; the copy is
  // visible whatever the source's visibility, and ownColour is 0.
  Punkt(const Punkt& other);
  Punkt& operator=(const Punkt& other) = default;

  double x() const { return x_; }
  double y() const { return y_; }
  double z() const { return z_; }
  double bulge() const { return bulge_; }
  void setX(double x) { x_ = x; }
  void setY(double y) { y_ = y; }
  void setZ(double z) { z_ = z; }
  void setBulge(double bulge) { bulge_ = bulge; }
  // Widths of the polyline at this vertex and at the next (groups 40 and 41 of a vertex).
  double startWidth() const { return startWidth_; }
  double endWidth() const { return endWidth_; }
  void setWidths(double start, double end) {
    startWidth_ = start;
    endWidth_ = end;
  }

  const char* typeName() const override;
  // 1 only when the point lies strictly inside the window.
  int touchesWindow(double minX, double minY, double maxX, double maxY) const override;
  void stretchX(double c, double d) override;
  void stretchY(double c, double d) override;
  void moveX(double d) override;
  void moveY(double d) override;
  void scaleX(double k, double b) override;
  void scaleY(double k, double b) override;
  void transform(double s, double a, double dx, double dy, double dz) override;
  void draw(DrawingArea& area, double s, double dx, double dy, double a) const override;
  void drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX, double maxY,
                    double dx, double dy, double a) const override;
  // Reads 10, 20, 30 and 42; group 62 is passed over and the colour number kept.
  int readGroups(DxfLineReader& in) override;
  // Writes 10, 20, 30; never group 62 nor the bulge.
  int writeGroups(std::ostream& out) const override;
  // The point itself, t ignored.
  Punkt pointAt(double t) const override;
  Punkt maxCorner() const override;
  Punkt minCorner() const override;

 private:
  // The group table of a point, in the order written: 10, 20, 30. A polyline vertex also
  // reads its bulge (group 42), which a POINT does not carry.
  template <class Self>
  static std::array<RealGroupOf<Self>, 3> groupTable(Self& point);

  double x_ = 0.0;
  double y_ = 0.0;
  double z_ = 0.0;
  double bulge_ = 0.0;
  double startWidth_ = 0.0;
  double endWidth_ = 0.0;
};
