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

// The four lists that hold drawing objects, in the document and in every block.
struct ObjectLists {
  EntityList& entities;
  PolylineList& polylines;
  InsertList& inserts;
  DimensionList& dimensions;
};
