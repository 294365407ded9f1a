// Copies of entities of any kind, made by their type name.
#include "document/EntityCopy.h"

#include <cstring>

#include "document/DXFText.h"
#include "entities/ConstructionLine.h"
#include "entities/Ellipse.h"
#include "entities/Kreis.h"
#include "entities/Kreisbogen.h"
#include "entities/Linie.h"
#include "entities/Punkt.h"
#include "entities/Hatch.h"
#include "entities/Solid.h"
#include "entities/Spline.h"

namespace {

template <class Kind>
std::unique_ptr<DXFGeometrie> copyAs(const DXFGeometrie& entity) {
  return std::make_unique<Kind>(static_cast<const Kind&>(entity));
}

}  // namespace

std::unique_ptr<DXFGeometrie> EntityCopy::of(const DXFGeometrie& entity) {
  const char* type = entity.typeName();
  if (std::strcmp(type, "LINE") == 0) return copyAs<Linie>(entity);
  if (std::strcmp(type, "ARC") == 0) return copyAs<Kreisbogen>(entity);
  if (std::strcmp(type, "CIRCLE") == 0) return copyAs<Kreis>(entity);
  if (std::strcmp(type, "POINT") == 0) return copyAs<Punkt>(entity);
  if (std::strcmp(type, "TEXT") == 0) return copyAs<DXFText>(entity);
  if (std::strcmp(type, "SOLID") == 0) return copyAs<Solid>(entity);
  if (std::strcmp(type, "ELLIPSE") == 0) return copyAs<Ellipse>(entity);
  if (std::strcmp(type, "SPLINE") == 0) return copyAs<Spline>(entity);
  if (std::strcmp(type, "HATCH") == 0) return copyAs<Hatch>(entity);
  if (std::strcmp(type, "XLINE") == 0 || std::strcmp(type, "RAY") == 0) {
    return copyAs<ConstructionLine>(entity);
  }
  return nullptr;
}

std::vector<std::unique_ptr<DXFGeometrie>> EntityCopy::asR12(std::unique_ptr<DXFGeometrie> entity) {
  if (!entity) return {};
  const char* type = entity->typeName();
  if (std::strcmp(type, "SPLINE") == 0) return static_cast<const Spline&>(*entity).explodedPieces();
  if (std::strcmp(type, "HATCH") == 0) return static_cast<const Hatch&>(*entity).explodedPieces();
  std::vector<std::unique_ptr<DXFGeometrie>> same;
  same.push_back(std::move(entity));
  return same;
}
