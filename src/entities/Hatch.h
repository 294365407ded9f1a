// A filled or patterned area: the DXF entity HATCH.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "entities/PointMappedEntity.h"
#include "entities/EvenOddRegion.h"
#include "entities/HatchPattern.h"
#include "entities/WorldBox.h"

// The area inside the boundary paths by the even-odd rule (islands stay empty); the hatch
// style (group 75) may leave out the islands inside islands (1, outermost) or every island
// (2, ignore). A solid
// fill (group 70 = 1) is kept as triangles of that area; a gradient fill is a solid one in
// the gradient's first colour. A pattern fill keeps the strokes of its pattern definition
// lines (53, 43/44, 45/46, 49) cut to the area; a pattern too dense for kStrokeBudget
// strokes is drawn without its dashes, and one too dense even then is filled solid.
//
// Both are worked out once when the hatch is read, and drawn, saved and exploded as the
// same R12 pieces: SOLID triangles, LINE dashes and POINT dots, all in the hatch's colour,
// layer and linetype. So the saved drawing, the exploded one and the open one look alike.
class Hatch : public PointMappedEntity {
 public:
  static constexpr int kEndOfFile = -38;
  static constexpr long kStrokeBudget = 20000;

  Hatch();
  Hatch(const Hatch& other);
  Hatch& operator=(const Hatch& other) = default;

  const std::vector<Triangle>& triangles() const { return triangles_; }
  const std::vector<PatternStroke>& strokes() const { return strokes_; }
  // The R12 pieces, each like this entity, handed to `use` one after another.
  void forEachPiece(const std::function<void(DXFGeometrie&)>& use) const;
  std::vector<std::unique_ptr<DXFGeometrie>> explodedPieces() const;

  const char* typeName() const override;
  int touchesWindow(double minX, double minY, double maxX, double maxY) const override;
  void draw(DrawingArea& area, double s, double dx, double dy, double a) const override;
  void drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX, double maxY,
                    double dx, double dy, double a) const override;
  int readGroups(DxfLineReader& in) override;
  // Written as its SOLID, LINE and POINT pieces.
  int writeGroups(std::ostream& out) const override;
  Punkt maxCorner() const override;
  Punkt minCorner() const override;
  // One unit more for each triangle and pattern stroke it is drawn and exploded as.
  long placementCost() const override;

 private:
  void mapPoints(const std::function<WorldPoint(WorldPoint)>& map) override;
  WorldBox box() const;

  std::vector<Triangle> triangles_;
  std::vector<PatternStroke> strokes_;
};
