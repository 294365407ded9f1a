// A smooth curve: the DXF entity SPLINE.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "entities/BSpline.h"
#include "entities/PointMappedEntity.h"

// A B-spline from its control points (10/20), knots (40) and weights (41, rational), or,
// where no control points are given, the curve through its fit points (11/21) with the end
// tangents 12/22 and 13/23. On the screen and on paper it is drawn as chords no further
// than half a pixel from the curve, refined only where it is seen. It is saved as a
// POLYLINE and exploded into LINEs, both with chords within kSavedChordError of its size.
class Spline : public PointMappedEntity {
 public:
  static constexpr int kEndOfFile = -37;
  // Chord error on the screen and on paper, in pixels.
  static constexpr double kPixelChordError = 0.5;
  // Chord error of the saved and exploded form, as a part of the curve's size.
  static constexpr double kSavedChordError = 1e-4;
  // Most points of one drawn curve, and of its saved or exploded form.
  static constexpr int kDrawnPointBudget = 20000;
  static constexpr int kSavedPointBudget = 4096;
  // A POLYLINE read back leaves out segments shorter than this; saved vertices keep apart.
  static constexpr double kSavedVertexSpacing = 0.011;

  Spline();
  Spline(const Spline& other);
  Spline& operator=(const Spline& other) = default;

  // The curve, or none when the file gave too little for one.
  const std::optional<BSpline>& curve() const { return curve_; }
  // The points of the saved and exploded form.
  std::vector<WorldPoint> savedPoints() const;
  // The exploded form: one LINE per chord, each like this entity.
  std::vector<std::unique_ptr<DXFGeometrie>> explodedPieces() const;

  const char* typeName() const override;
  int touchesWindow(double minX, double minY, double maxX, double maxY) const override;
  void draw(DrawingArea& area, double s, double dx, double dy, double a) const override;
  void drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX, double maxY,
                    double dx, double dy, double a) const override;
  int readGroups(DxfLineReader& in) override;
  // Written as a POLYLINE through savedPoints().
  int writeGroups(std::ostream& out) const override;
  Punkt maxCorner() const override;
  Punkt minCorner() const override;
  // One unit more for each control point: the chords drawn grow with them.
  long placementCost() const override;

 private:
  // The curve placed by scale, angle and offsets.
  std::optional<BSpline> placed(double s, double a, double dx, double dy) const;
  void mapPoints(const std::function<WorldPoint(WorldPoint)>& map) override;
  WorldBox savedBox() const;

  std::optional<BSpline> curve_;
};
