// The dispatch of DXF type names to the readers of the drawing objects.
#include "document/ObjectReader.h"

#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>

#include "document/DXFText.h"
#include "document/DXF_Bemassung.h"
#include "document/DXF_Insert.h"
#include "document/MTextLines.h"
#include "entities/ConstructionLine.h"
#include "entities/Ellipse.h"
#include "entities/Face3D.h"
#include "entities/Kreis.h"
#include "entities/Kreisbogen.h"
#include "entities/Linie.h"
#include "document/Polylinie.h"
#include "entities/Punkt.h"
#include "entities/Hatch.h"
#include "entities/Solid.h"
#include "entities/Spline.h"

namespace {

enum class Kind {
  Insert,
  Line,
  Arc,
  Circle,
  Ellipse,
  Point,
  Polyline,
  Text,
  MText,
  Attribute,
  Solid,
  Dimension,
  Spline,
  Hatch,
  Face,
  XLine,
  Ray
};

// The kind a type name line stands for. Telling the names apart by length first settles
// almost every line with one short comparison.
std::optional<Kind> kindOf(std::string_view name) {
  switch (name.size()) {
    case 3:
      if (name == "ARC") return Kind::Arc;
      if (name == "RAY") return Kind::Ray;
      break;
    case 4:
      if (name == "LINE") return Kind::Line;
      if (name == "TEXT") return Kind::Text;
      break;
    case 5:
      if (name == "POINT") return Kind::Point;
      if (name == "SOLID") return Kind::Solid;
      if (name == "MTEXT") return Kind::MText;
      if (name == "TRACE") return Kind::Solid;
      if (name == "HATCH") return Kind::Hatch;
      if (name == "XLINE") return Kind::XLine;
      break;
    case 6:
      if (name == "INSERT") return Kind::Insert;
      if (name == "3DFACE") return Kind::Face;
      if (name == "CIRCLE") return Kind::Circle;
      if (name == "ATTRIB") return Kind::Attribute;
      if (name == "SPLINE") return Kind::Spline;
      break;
    case 7:
      if (name == "ELLIPSE") return Kind::Ellipse;
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
    // The dimensions of newer releases carry their drawn geometry in a block, as DIMENSION.
    case 13:
      if (name == "ARC_DIMENSION") return Kind::Dimension;
      break;
    case 22:
      if (name == "LARGE_RADIAL_DIMENSION") return Kind::Dimension;
      break;
    default: break;
  }
  return std::nullopt;
}

std::unique_ptr<DXFGeometrie> makeEntity(Kind kind, bool utf8Texts) {
  switch (kind) {
    case Kind::Line: return std::make_unique<Linie>();
    case Kind::Ellipse: return std::make_unique<Ellipse>();
    case Kind::Point: return std::make_unique<Punkt>();
    case Kind::Text: {
      auto text = std::make_unique<DXFText>();
      if (utf8Texts) text->markAsUtf8();
      return text;
    }
    case Kind::Solid: return std::make_unique<Solid>();
    case Kind::Spline: return std::make_unique<Spline>();
    case Kind::Hatch: return std::make_unique<Hatch>();
    case Kind::XLine: return std::make_unique<ConstructionLine>(ConstructionLine::Reach::BothWays);
    case Kind::Ray: return std::make_unique<ConstructionLine>(ConstructionLine::Reach::Forwards);
    default: return nullptr;
  }
}

// A record with no group at all (only the next record's code line was read since `start`)
// places nothing; kept, a file of such records would cost far more memory than its text.
bool heldNoGroup(const DxfLineReader& in, long start) { return in.lineNumber() - start <= 1; }

// Reads a circle or an arc; one in a tilted plane is replaced by the ellipse it is seen
// as from above. `entity` stays empty for a record without groups.
template <class Circular>
int readCircular(DxfLineReader& in, std::unique_ptr<DXFGeometrie>& entity) {
  auto circular = std::make_unique<Circular>();
  std::optional<EllipseArc> tiltedOutline;
  const long start = in.lineNumber();
  const int result = circular->readGroups(in, tiltedOutline);
  if (heldNoGroup(in, start)) return result;
  if (tiltedOutline) {
    entity = std::make_unique<Ellipse>(*circular, *tiltedOutline);
  } else {
    entity = std::move(circular);
  }
  return result;
}

// Reads an object and appends it to `list` on success, unless it held no group; the result
// code either way.
template <class T, class Attach>
int readInto(std::unique_ptr<T> object, DxfLineReader& in, PointerList<T>& list, Attach attach) {
  T& target = *object;
  const long start = in.lineNumber();
  int result;
  if constexpr (std::is_base_of_v<DXFGeometrie, T>) {
    result = target.readGroups(in);
  } else {
    result = target.read(in);
  }
  if (result < 0 || heldNoGroup(in, start)) return result;
  attach(target);
  list.append(std::move(object));
  return result;
}

void attachEntity(DXFGeometrie& entity, const LayerIndex& layers) {
  if (const Layer* layer = layers.firstNamed(entity.layerName())) entity.assignLayer(layer);
}

// An attribute of the insert before it: drawn as a text of its own where it stands,
// unless its flags hide it. One on layer "0" belongs to its insert's layer, as the block's
// content on layer "0" does, and shows or hides with it.
int readAttribute(DxfLineReader& in, EntityList& entities, const InsertList& inserts,
                  const LayerIndex& layers, bool utf8Texts) {
  auto attribute = std::make_unique<DXFText>();
  attribute->markAsAttribute();
  if (utf8Texts) attribute->markAsUtf8();
  const long start = in.lineNumber();
  const int result = attribute->readGroups(in);
  if (result < 0 || heldNoGroup(in, start) || attribute->isHiddenAttribute()) return result;
  if (!inserts.empty() && std::strcmp(attribute->layerName(), "0") == 0) {
    attribute->setLayerName(inserts.at(inserts.count() - 1)->layerName());
  }
  attachEntity(*attribute, layers);
  entities.append(std::move(attribute));
  return result;
}

// A face in space: each of its visible edges becomes a line of its own.
int readFace(DxfLineReader& in, EntityList& entities, const LayerIndex& layers) {
  Face3D face;
  const long start = in.lineNumber();
  const int result = face.readGroups(in);
  if (result < 0 || heldNoGroup(in, start)) return result;
  attachEntity(face, layers);
  for (std::unique_ptr<DXFGeometrie>& edge : face.edges()) entities.append(std::move(edge));
  return result;
}

// A multi-line text: each of its runs becomes a text of its own, each of its under-, over-
// and strike-through lines a line.
int readMText(DxfLineReader& in, EntityList& entities, const LayerIndex& layers, bool utf8Texts) {
  DXFText mtext;
  mtext.markAsMText();
  if (utf8Texts) mtext.markAsUtf8();
  const int result = mtext.readGroups(in);
  if (result < 0) return result;
  for (std::unique_ptr<DXFGeometrie>& piece : MTextLines::of(mtext)) {
    attachEntity(*piece, layers);
    entities.append(std::move(piece));
  }
  return result;
}

}  // namespace

ObjectReader::Outcome ObjectReader::read(const char* typeName, DxfLineReader& in,
                                         ObjectLists& lists, const LayerIndex& layers,
                                         bool utf8Texts) {
  Outcome outcome;
  // No type name is longer than kLongestName characters, so the length is measured no
  // further.
  constexpr std::size_t kLongestName = 22;
  std::size_t length = 0;
  while (length <= kLongestName && typeName[length] != '\0') ++length;
  const std::optional<Kind> kind = kindOf(std::string_view(typeName, length));
  if (!kind) return outcome;
  outcome.recognised = true;
  switch (*kind) {
    case Kind::Insert:
      outcome.insertOrDimension = true;
      outcome.result = readInto(
          std::make_unique<DXF_Insert>(), in, lists.inserts,
          [&](DXF_Insert& insert) { insert.assignLayer(layers.firstNamed(insert.layerName())); });
      break;
    case Kind::Dimension: {
      outcome.insertOrDimension = true;
      auto dimension = std::make_unique<DXF_Bemassung>();
      if (utf8Texts) dimension->markAsUtf8();
      outcome.result = readInto(
          std::move(dimension), in, lists.dimensions,
          [&](DXF_Bemassung& read) { read.assignLayer(layers.firstNamed(read.layerName())); });
      break;
    }
    case Kind::Polyline:
      outcome.result =
          readInto(std::make_unique<Polylinie>(), in, lists.polylines, [&](Polylinie& polyline) {
            if (const Layer* layer = layers.firstNamed(polyline.layerName())) {
              polyline.assignLayer(layer);
            }
          });
      break;
    case Kind::Arc:
    case Kind::Circle: {
      std::unique_ptr<DXFGeometrie> entity;
      outcome.result = *kind == Kind::Arc ? readCircular<Kreisbogen>(in, entity)
                                          : readCircular<Kreis>(in, entity);
      if (outcome.result < 0 || !entity) break;
      attachEntity(*entity, layers);
      lists.entities.append(std::move(entity));
      break;
    }
    case Kind::Attribute:
      outcome.result = readAttribute(in, lists.entities, lists.inserts, layers, utf8Texts);
      break;
    case Kind::MText: outcome.result = readMText(in, lists.entities, layers, utf8Texts); break;
    case Kind::Face: outcome.result = readFace(in, lists.entities, layers); break;
    default:
      outcome.result = readInto(makeEntity(*kind, utf8Texts), in, lists.entities,
                                [&](DXFGeometrie& entity) { attachEntity(entity, layers); });
      break;
  }
  return outcome;
}
