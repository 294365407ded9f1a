// An entity whose every placement change maps all of its points the same way.
#pragma once

#include <functional>

#include "entities/DXFGeometrie.h"

// Stretches, moves, scales and the insert's transform, written once for entities that
// hold nothing but points (control points, outline corners): each is one map of a point,
// which the entity applies to all of its points.
class PointMappedEntity : public DXFGeometrie {
 public:
  void stretchX(double c, double d) override;
  void stretchY(double c, double d) override;
  void moveX(double d) override;
  void moveY(double d) override;
  void scaleX(double k, double b) override;
  void scaleY(double k, double b) override;
  void transform(double s, double a, double dx, double dy, double dz) override;

 protected:
  PointMappedEntity() = default;
  PointMappedEntity(const PointMappedEntity& other) = default;
  PointMappedEntity& operator=(const PointMappedEntity& other) = default;

  // Replaces every point p of the entity by map(p).
  virtual void mapPoints(const std::function<WorldPoint(WorldPoint)>& map) = 0;
};
