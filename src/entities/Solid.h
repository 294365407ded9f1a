// A filled quadrilateral or triangle: the DXF entity SOLID.
#pragma once

#include <array>

#include "entities/DXFGeometrie.h"

// Four corners (groups 10/20/30 to 13/23/33), filled as the closed polygon 1-2-4-3-1: the
// file lists the corners zigzag, the third opposite the second. A triangle repeats its third
// corner as the fourth. Read from SOLID and TRACE, written as SOLID. Provides none of the
// geometric queries.
class Solid : public DXFGeometrie {
 public:
  static constexpr int kEndOfFile = -36;
  static constexpr int kCorners = 4;

  // All corners at the origin, layer name "0", no layer.
  Solid();
  // Copies layer, layer name, colour, colour number, line style, visibility and corners;
  // ownColour starts at 0.
  Solid(const Solid& other);
  Solid& operator=(const Solid& other) = default;

  // Corner i (0 to 3); out-of-range indices give 0.
  double cornerX(int i) const;
  double cornerY(int i) const;
  double cornerZ(int i) const;
  // Sets corner i (0 to 3) at z 0; out-of-range indices are ignored.
  void setCorner(int i, double x, double y);

  const char* typeName() const override;
  // Corner values greater than c move by d (no clamping).
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
  // A negative extrusion z (group 230) mirrors the corners' x values.
  int readGroups(DxfLineReader& in) override;
  int writeGroups(std::ostream& out) const override;

 private:
  // The group table, in the order written: each corner's 10, 20, 30 (first corner) to
  // 13, 23, 33 (fourth corner).
  template <class Self>
  static std::array<RealGroupOf<Self>, 3 * kCorners> groupTable(Self& solid);

  // Stored corner indices in the order the outline runs through them.
  static constexpr int kOutlineOrder[kCorners] = {0, 1, 3, 2};

  double x_[kCorners] = {};
  double y_[kCorners] = {};
  double z_[kCorners] = {};
};
