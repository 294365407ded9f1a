// Copies of entities of any kind, made by their type name.
#pragma once

#include <memory>

#include "entities/DXFGeometrie.h"

// The entity family has no copy operation of its own; blocks, polylines, inserts and the
// explode need copies of entities they only know through the base.
class EntityCopy {
 public:
  // A copy made with the kind's copy constructor, chosen by type name ("POINT", "LINE",
  // "ARC", "CIRCLE", "TEXT", "SOLID"); null for any other kind.
  static std::unique_ptr<DXFGeometrie> of(const DXFGeometrie& entity);
};
