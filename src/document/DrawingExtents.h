// The box of what a drawing shows, for files whose header gives no usable extents.
#pragma once

#include <unordered_map>

#include "document/DocumentLists.h"

class DXF_Zeichnung;

// Collects the extents of the visible entities (texts as far as their letters may reach),
// polylines (wide ones with their bands), inserts (placed with their blocks) and dimension
// blocks of a document. Each block's box is worked out once
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

  // What a line without an end adds to a box: its base point (the extents a drawing is
  // fitted to), or the whole plane (what a paint of any part of the view must include).
  enum class EndlessReach { BasePoint, Everywhere };

  explicit DrawingExtents(const DXF_Zeichnung& document,
                          EndlessReach endless = EndlessReach::BasePoint);

  // The box of everything drawn; empty when nothing is.
  Box compute();

  // The box of one entity, as far as a text's letters may reach on the screen; empty for a
  // hidden entity.
  static Box ofEntity(const DXFGeometrie& entity, EndlessReach endless);
  // The box of a polyline's segments, or of a wide polyline's bands.
  static Box ofPolyline(const Polylinie& polyline);
  // The box of a placed insert or dimension block; empty when hidden or without a block.
  Box ofInsert(const DXF_Insert& insert);
  Box ofDimension(const DXF_Bemassung& dimension);

 private:
  // The corners of an entity (the anchors of a text); empty for a hidden entity.
  static Box cornersOf(const DXFGeometrie& entity);
  // The box of a block in its own coordinates, with nested inserts and dimensions.
  Box ofBlock(const DXF_Block& block, int depth);
  Box ofBlockNamed(const char* name, int depth);
  Box ofInsert(const DXF_Insert& insert, int depth);
  Box ofDimension(const DXF_Bemassung& dimension, int depth);
  Box ofObjects(const EntityList& entities, const PolylineList& polylines,
                const InsertList& inserts, const DimensionList& dimensions, int depth);

  const DXF_Zeichnung& document_;
  const EndlessReach endless_;
  // Finished block boxes; a block being worked out maps to an empty box, so a block that
  // inserts itself adds nothing through that insert.
  std::unordered_map<const DXF_Block*, Box> blockBoxes_;
};
