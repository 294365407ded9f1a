// The box of what a drawing shows, for files whose header gives no usable extents.
#pragma once

#include <unordered_map>

#include "document/DocumentLists.h"

class DXF_Zeichnung;

// Collects the extents of the visible entities, polyline segments, inserts (placed with
// their blocks) and dimension blocks of a document. Each block's box is worked out once
// in its own coordinates and then placed by every insert that uses it, so the work stays
// proportional to the size of the drawing however often blocks are inserted; a rotated
// insert contributes the box around its placed block box.
class DrawingExtents {
 public:
  struct Box {
    double minX = 0.0;
    double minY = 0.0;
    double maxX = 0.0;
    double maxY = 0.0;
    bool empty = true;

    void add(double x, double y);
    void add(const Box& other);
  };

  // What a text adds to a box: its anchors (the extents the file speaks of), or as far as
  // its letters may reach on the screen (what a paint of a part of the view must include).
  enum class TextReach { Anchors, Letters };

  explicit DrawingExtents(const DXF_Zeichnung& document, TextReach reach = TextReach::Anchors);

  // The box of everything drawn; empty when nothing is.
  Box compute();

  // The box of one entity: its corners (the anchors of a text); empty for a hidden entity.
  static Box ofEntity(const DXFGeometrie& entity);
  // The same, with a text's letters and a wide polyline's bands.
  static Box ofEntity(const DXFGeometrie& entity, TextReach reach);
  static Box ofPolyline(const Polylinie& polyline, TextReach reach);
  // The box of a placed insert or dimension block; empty when hidden or without a block.
  Box ofInsert(const DXF_Insert& insert);
  Box ofDimension(const DXF_Bemassung& dimension);

 private:
  // The box of a block in its own coordinates, with nested inserts and dimensions.
  Box ofBlock(const DXF_Block& block, int depth);
  Box ofBlockNamed(const char* name, int depth);
  Box ofInsert(const DXF_Insert& insert, int depth);
  Box ofDimension(const DXF_Bemassung& dimension, int depth);
  Box ofObjects(const EntityList& entities, const PolylineList& polylines,
                const InsertList& inserts, const DimensionList& dimensions, int depth);

  const DXF_Zeichnung& document_;
  const TextReach reach_;
  // Finished block boxes; a block being worked out maps to an empty box, so a block that
  // inserts itself adds nothing through that insert.
  std::unordered_map<const DXF_Block*, Box> blockBoxes_;
};
