// The dispatch of DXF type names to the readers of the drawing objects.
#include "document/ObjectReader.h"

#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>

#include "document/DXFText.h"
#include "document/DXF_Bemassung.h"
#include "document/DXF_Insert.h"
#include "entities/Kreis.h"
#include "entities/Kreisbogen.h"
#include "entities/Linie.h"
#include "document/Polylinie.h"
#include "entities/Punkt.h"
#include "entities/Solid.h"

namespace {

enum class Kind { Insert, Line, Arc, Circle, Point, Polyline, Leader, Text, MText, Solid,
                  Dimension };

// The kind a type name line stands for. Telling the names apart by length first settles
// almost every line with one short comparison.
std::optional<Kind> kindOf(std::string_view name) {
  switch (name.size()) {
    case 3:
      if (name == "ARC") return Kind::Arc;
      break;
    case 4:
      if (name == "LINE") return Kind::Line;
      if (name == "TEXT") return Kind::Text;
      break;
    case 5:
      if (name == "POINT") return Kind::Point;
      if (name == "SOLID") return Kind::Solid;
      if (name == "MTEXT") return Kind::MText;
      break;
    case 6:
      if (name == "INSERT") return Kind::Insert;
      if (name == "CIRCLE") return Kind::Circle;
      if (name == "LEADER") return Kind::Leader;
      break;
    case 8:
      if (name == "POLYLINE") return Kind::Polyline;
      break;
    case 9:
      if (name == "DIMENSION") return Kind::Dimension;
      break;
    case 10:
      if (name == "LWPOLYLINE") return Kind::Polyline;
      break;
    default:
      break;
  }
  return std::nullopt;
}

std::unique_ptr<DXFGeometrie> makeEntity(Kind kind, bool utf8Texts) {
  switch (kind) {
    case Kind::Line: return std::make_unique<Linie>();
    case Kind::Arc: return std::make_unique<Kreisbogen>();
    case Kind::Circle: return std::make_unique<Kreis>();
    case Kind::Point: return std::make_unique<Punkt>();
    case Kind::Text:
    case Kind::MText: {
      auto text = std::make_unique<DXFText>();
      if (kind == Kind::MText) text->markAsMText();
      if (utf8Texts) text->markAsUtf8();
      return text;
    }
    case Kind::Solid: return std::make_unique<Solid>();
    default: return nullptr;
  }
}

// Reads an object and appends it to `list` on success; the result code either way.
template <class T, class Attach>
int readInto(std::unique_ptr<T> object, DxfLineReader& in, PointerList<T>& list,
             Attach attach) {
  T& target = *object;
  int result;
  if constexpr (std::is_base_of_v<DXFGeometrie, T>) {
    result = target.readGroups(in);
  } else {
    result = target.read(in);
  }
  if (result < 0) return result;
  attach(target);
  list.append(std::move(object));
  return result;
}

}  // namespace

ObjectReader::Outcome ObjectReader::read(const char* typeName, DxfLineReader& in,
                                         Context context, ObjectLists& lists,
                                         const LayerIndex& layers, bool utf8Texts) {
  Outcome outcome;
  // No type name is longer than ten characters, so the length is measured no further.
  std::size_t length = 0;
  while (length <= 10 && typeName[length] != '\0') ++length;
  const std::optional<Kind> kind = kindOf(std::string_view(typeName, length));
  if (!kind || (*kind == Kind::Leader && context == Context::Block)) return outcome;
  outcome.recognised = true;
  auto none = [](auto&) {};
  switch (*kind) {
    case Kind::Insert:
      outcome.insertOrDimension = true;
      outcome.result = readInto(std::make_unique<DXF_Insert>(), in, lists.inserts,
                                [&](DXF_Insert& insert) {
                                  insert.assignLayer(layers.firstNamed(insert.layerName()));
                                });
      break;
    case Kind::Dimension: {
      outcome.insertOrDimension = true;
      auto dimension = std::make_unique<DXF_Bemassung>();
      if (utf8Texts) dimension->markAsUtf8();
      outcome.result = readInto(std::move(dimension), in, lists.dimensions, none);
      break;
    }
    case Kind::Polyline:
    case Kind::Leader:
      outcome.result = readInto(std::make_unique<Polylinie>(), in, lists.polylines,
                                [&](Polylinie& polyline) {
                                  if (const Layer* layer = layers.firstNamed(polyline.layerName())) {
                                    polyline.assignLayer(layer);
                                  }
                                });
      break;
    default:
      outcome.result = readInto(makeEntity(*kind, utf8Texts), in, lists.entities,
                                [&](DXFGeometrie& entity) {
                                  if (const Layer* layer = layers.firstNamed(entity.layerName())) {
                                    entity.assignLayer(layer);
                                  }
                                });
      break;
  }
  return outcome;
}
