// Lines without an end: the DXF entities XLINE (endless both ways) and RAY (endless from
// its base point on).
#pragma once

#include <functional>
#include <optional>
#include <utility>

#include "entities/PointMappedEntity.h"
#include "entities/WorldBox.h"

// Kept as its base point (10/20) and a second point one unit along its direction (11/21),
// so that every placement maps both like any other points. Drawn as the stretch of it that
// the visible window holds, never further. Only its base point counts in the extents that
// fit a drawing into the window; a paint of part of the view takes it as reaching
// everywhere. Release 12 has no such kind: it is saved as the LINE that crosses the box of
// the saving window (the drawing's extents while a drawing is saved), and nothing when it
// misses that box.
class ConstructionLine : public PointMappedEntity {
 public:
  enum class Reach { BothWays, Forwards };
  static constexpr int kEndOfFile = -39;

  explicit ConstructionLine(Reach reach = Reach::BothWays);
  ConstructionLine(const ConstructionLine& other);
  ConstructionLine& operator=(const ConstructionLine& other) = default;

  Reach reach() const { return reach_; }
  WorldPoint base() const { return base_; }
  // The unit direction; (1, 0) when the file gave none.
  WorldPoint direction() const;
  // The part of the line inside `box`, from its end nearer the base backwards to its end
  // further along; none when the line misses the box.
  std::optional<std::pair<WorldPoint, WorldPoint>> within(const WorldBox& box) const;

  // While a guard lives, infinite lines are saved across `box`.
  class SavingWindow {
   public:
    explicit SavingWindow(const WorldBox& box);
    ~SavingWindow();
    SavingWindow(const SavingWindow&) = delete;
    SavingWindow& operator=(const SavingWindow&) = delete;

   private:
    WorldBox previous_;
  };

  const char* typeName() const override;
  int touchesWindow(double minX, double minY, double maxX, double maxY) const override;
  void draw(DrawingArea& area, double s, double dx, double dy, double a) const override;
  void drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX, double maxY,
                    double dx, double dy, double a) const override;
  int readGroups(DxfLineReader& in) override;
  int writeGroups(std::ostream& out) const override;
  Punkt maxCorner() const override;
  Punkt minCorner() const override;

 private:
  void mapPoints(const std::function<WorldPoint(WorldPoint)>& map) override;
  // The line placed by scale, angle and offsets.
  ConstructionLine placed(double s, double a, double dx, double dy) const;

  Reach reach_;
  WorldPoint base_;
  WorldPoint through_{1.0, 0.0};
  // The box lines are saved across; empty while no drawing is being saved, when each line
  // is saved across a unit box around its base point.
  static thread_local WorldBox savingBox_;
};
