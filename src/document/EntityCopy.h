// Copies of entities of any kind, made by their type name.
#pragma once

#include <memory>
#include <vector>

#include "entities/DXFGeometrie.h"

// The entity family has no copy operation of its own; blocks, polylines, inserts and the
// explode need copies of entities they only know through the base.
class EntityCopy {
 public:
  // A copy made with the kind's copy constructor, chosen by type name ("POINT", "LINE",
  // "ARC", "CIRCLE", "TEXT", "SOLID", "SPLINE", "HATCH"); null for any other kind.
  static std::unique_ptr<DXFGeometrie> of(const DXFGeometrie& entity);
  // The entity as R12 entities that draw the same: itself, or for a SPLINE its chords
  // (LINEs) and for a HATCH its SOLID, LINE and POINT pieces.
  static std::vector<std::unique_ptr<DXFGeometrie>> asR12(std::unique_ptr<DXFGeometrie> entity);
};
