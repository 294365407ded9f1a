// A block reference (INSERT): a block placed by name at a point with a rotation and a scale.
#pragma once

#include <iosfwd>
#include <string>

#include "document/DocumentLists.h"
#include "dxf/LineWeight.h"

// The insert keeps its block's name and looks the block up in the document's block list
// each time it is drawn or changed. Its placement is the one `transform` of the entities
// applies: scale, then rotation (degrees), then the move to (x, y); a negative scale
// mirrors top to bottom (left to right mirrors arrive as a negative scale with the rotation
// turned by 180 degrees). Before that, y values of the block are multiplied by yStretch,
// the ratio of the file's y scale to its x scale (1 for most inserts).
//
// A MINSERT (column and row counts 70 and 71 above 1) places the block once per cell of
// a grid: cell (column, row) moves by column * columnStep + row * rowStep, steps given in
// the coordinates the insertion point lies in (spacings 44 and 45 turned by the rotation).
class DXF_Insert {
 public:
  static constexpr int kNameSize = 50;
  static constexpr int kEndOfFile = -37;
  static constexpr int kBlockNotFound = -20;
  // Column and row counts beyond this are taken as this.
  static constexpr int kMaxGridCount = 32767;

  // Block name "BLOCK", layer "LAYER", at the origin, rotation 0, scale 1.
  DXF_Insert();
  DXF_Insert(const char* blockName, const char* layerName, double x, double y, double z,
             double rotation, double scale);
  DXF_Insert(const DXF_Insert& other) = default;
  DXF_Insert& operator=(const DXF_Insert& other) = default;

  // Reads the groups after the line "INSERT" up to and including the next group code 0;
  // 0 or kEndOfFile.
  int read(DxfLineReader& in);
  // Writes the record from "INSERT" to its closing "  0"; returns 0.
  int write(std::ostream& out) const;

  // Index of the last block named exactly blockName, or kBlockNotFound.
  int findBlock(const BlockList& blocks) const;

  // Draws the block's content where the explode puts it (nested inserts and dimensions
  // included, cyclic inserts left out), each placed copy drawn with (s, dx, dy, a).
  // kBlockNotFound when the block is missing, else 0.
  int draw(DrawingArea& area, const BlockList& blocks, double s, double dx, double dy, double a,
           PlacementBudget* budget = nullptr) const;
  int drawOnDevice(DeviceContext& dc, const BlockList& blocks, double s, double minX, double minY,
                   double maxX, double maxY, double dx, double dy, double a,
                   PlacementBudget* budget = nullptr) const;

  // Gives the first layer named like the insert to the block's entities and polylines on
  // layer "0"; kBlockNotFound when the block is missing, else 1.
  int relayer(const BlockList& blocks, const LayerList& layers) const;
  // Gives `layer` to every entity and polyline on the layer `name` (exact comparison) in
  // the block and in every block reached from it; 1 when anything changed, else 0.
  int applyLayer(const BlockList& blocks, const Layer& layer, const char* name) const;

  // Composes the placement with a later transform (scale s, angle a in degrees, offset),
  // as if every placed entity had been transformed by it.
  void transform(double s, double a, double dx, double dy, double dz);

  const char* blockName() const { return blockName_; }
  const char* layerName() const { return layerName_; }
  // The layer of that name the insert was attached to, or null.
  const Layer* layer() const { return layer_; }
  void assignLayer(const Layer* layer) { layer_ = layer; }
  // Group 62 as read: 256 BYLAYER, 0 BYBLOCK, else a colour number.
  int colourNumber() const { return colourNumber_; }
  // Group 6 as read: the linetype that BYBLOCK lines of the block take; "" by layer.
  const std::string& linetypeName() const { return linetype_; }
  // Group 370 as read: the line weight that BYBLOCK lines of the block take.
  std::int16_t lineWeight() const { return lineWeight_; }
  // Group 67 = 1: the insert belongs to paper space and is not drawn in the model view.
  bool inPaperSpace() const { return paperSpace_; }
  // Nothing of the block shows: the insert is in paper space or on a frozen layer. On a
  // layer that is only switched off, the block's content on layer "0" takes that layer and
  // hides with it, while content on layers of its own still shows.
  bool hidesItsBlock() const;
  double x() const { return x_; }
  double y() const { return y_; }
  double z() const { return z_; }
  // Degrees.
  double rotation() const { return rotation_; }
  double scale() const { return scale_; }
  // |y scale| / |x scale| of the file: the block's y values are multiplied by it first.
  double yStretch() const { return yStretch_; }
  int columns() const { return columns_; }
  int rows() const { return rows_; }
  WorldPoint columnStep() const { return columnStep_; }
  WorldPoint rowStep() const { return rowStep_; }
  // The move of the grid cell (column, row) from the insertion point.
  WorldPoint cellOffset(int column, int row) const;

 private:
  // Interned (dxf/InternedNames.h) and cut to kNameSize - 1 characters: many inserts
  // place one block on one layer.
  const char* blockName_ = "BLOCK";
  const char* layerName_ = "LAYER";
  double x_ = 0.0;
  double y_ = 0.0;
  double z_ = 0.0;
  double rotation_ = 0.0;
  double scale_ = 1.0;
  double yStretch_ = 1.0;
  int columns_ = 1;
  int rows_ = 1;
  WorldPoint columnStep_;
  WorldPoint rowStep_;
  const Layer* layer_ = nullptr;
  int colourNumber_ = DXFGeometrie::kByLayer;
  std::string linetype_;
  std::int16_t lineWeight_ = LineWeight::kByLayer;
  bool paperSpace_ = false;
};
