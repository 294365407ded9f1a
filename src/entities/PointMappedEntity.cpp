// Placement changes as maps of points.
#include "entities/PointMappedEntity.h"

void PointMappedEntity::stretchX(double c, double d) {
  mapPoints([c, d](WorldPoint p) { return WorldPoint{stretchValue(p.x, c, d), p.y}; });
}

void PointMappedEntity::stretchY(double c, double d) {
  mapPoints([c, d](WorldPoint p) { return WorldPoint{p.x, stretchValue(p.y, c, d)}; });
}

void PointMappedEntity::moveX(double d) {
  mapPoints([d](WorldPoint p) { return WorldPoint{p.x + d, p.y}; });
}

void PointMappedEntity::moveY(double d) {
  mapPoints([d](WorldPoint p) { return WorldPoint{p.x, p.y + d}; });
}

void PointMappedEntity::scaleX(double k, double b) {
  mapPoints([k, b](WorldPoint p) { return WorldPoint{p.x * k + b, p.y}; });
}

void PointMappedEntity::scaleY(double k, double b) {
  mapPoints([k, b](WorldPoint p) { return WorldPoint{p.x, p.y * k + b}; });
}

void PointMappedEntity::transform(double s, double a, double dx, double dy, double) {
  mapPoints([=](WorldPoint p) {
    transformPoint(p.x, p.y, s, a, dx, dy);
    return p;
  });
}
