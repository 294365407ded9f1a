// Names of the object lists shared by the document, its blocks and the DXF reader.
#pragma once

#include <cctype>
#include <cstring>

#include "entities/DXFGeometrie.h"
#include "dxf/Layer.h"
#include "document/BlockList.h"
#include "document/PointerList.h"

class DXF_Block;
class DXF_Bemassung;
class DXF_Insert;
class PlacementBudget;
class Linientyp;
class Polylinie;

using EntityList = PointerList<DXFGeometrie>;
using InsertList = PointerList<DXF_Insert>;
using DimensionList = PointerList<DXF_Bemassung>;
using LayerList = PointerList<Layer>;
using PolylineList = PointerList<Polylinie>;
using LinetypeList = PointerList<Linientyp>;

// The first layer of the list, in list order, whose name equals `name` exactly; null when
// there is none. (Objects attach to the first layer of their name; lookups by the document
// return the last.)
inline const Layer* firstLayerNamed(const LayerList& layers, const char* name) {
  for (int i = 0; i < layers.count(); ++i) {
    const Layer* layer = layers.at(i);
    if (std::strcmp(layer->name(), name) == 0) return layer;
  }
  return nullptr;
}

// Names compared without regard to letter case (ASCII letters).
inline bool sameNameIgnoringCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b) {
    if (std::toupper(static_cast<unsigned char>(*a)) !=
        std::toupper(static_cast<unsigned char>(*b))) {
      return false;
    }
  }
  return *a == *b;
}

// Visits the objects of the four lists in `order` (the order they were added to them):
// onEntity(entity, index), onPolyline(polyline, index), onInsert(insert, index) and
// onDimension(dimension, index), with the object's index in its list.
template <class OnEntity, class OnPolyline, class OnInsert, class OnDimension>
void forEachInDrawOrder(const DrawOrder& order, const EntityList& entities,
                        const PolylineList& polylines, const InsertList& inserts,
                        const DimensionList& dimensions, OnEntity onEntity, OnPolyline onPolyline,
                        OnInsert onInsert, OnDimension onDimension) {
  order.forEach([&](ObjectKind kind, int index) {
    switch (kind) {
      case ObjectKind::Entity:
        if (const auto* entity = entities.at(index)) onEntity(*entity, index);
        break;
      case ObjectKind::Polyline:
        if (const auto* polyline = polylines.at(index)) onPolyline(*polyline, index);
        break;
      case ObjectKind::Insert:
        if (const auto* insert = inserts.at(index)) onInsert(*insert, index);
        break;
      case ObjectKind::Dimension:
        if (const auto* dimension = dimensions.at(index)) onDimension(*dimension, index);
        break;
    }
  });
}

// The four lists that hold drawing objects, in the document and in every block.
struct ObjectLists {
  EntityList& entities;
  PolylineList& polylines;
  InsertList& inserts;
  DimensionList& dimensions;
};
