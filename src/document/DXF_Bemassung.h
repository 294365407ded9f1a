// A DIMENSION: drawn through the anonymous block the CAD program made for it.
#pragma once

#include <array>
#include <iosfwd>
#include <string>

#include "document/DocumentLists.h"
#include "dxf/GroupTable.h"

// The viewer computes no dimension graphics: it draws, re-layers and explodes the block
// named by the dimension, placed at the group 12/22 point. The other values are kept so
// that the dimension survives a save.
class DXF_Bemassung {
 public:
  static constexpr int kNameSize = 50;
  static constexpr int kEndOfFile = -37;
  static constexpr int kBlockNotFound = -20;
  // Number of the point groups 10 to 16 (each with its 20s and 30s).
  static constexpr int kPoints = 7;

  // Block "BLOCK", layer "LAYER", text "<>", all points 0, type 32.
  DXF_Bemassung();
  DXF_Bemassung(const DXF_Bemassung& other) = default;
  DXF_Bemassung& operator=(const DXF_Bemassung& other) = default;

  // Marks the dimension as read from a file that stores texts in UTF-8 (release 2007 and
  // later): its text is converted to Windows-1252 while reading.
  void markAsUtf8() { utf8_ = true; }

  // Reads the groups after the line "DIMENSION" up to and including the next group code 0;
  // 0 or kEndOfFile.
  int read(DxfLineReader& in);
  // Writes the record from "DIMENSION" to its closing "  0"; returns 0.
  int write(std::ostream& out) const;

  // Index of the last block named exactly blockName, or kBlockNotFound.
  int findBlock(const BlockList& blocks) const;

  // Draws the dimension's block moved to (p12, p22) and then placed by (s, dx, dy, a);
  // kBlockNotFound when the block is missing, else 0.
  int draw(DrawingArea& area, const BlockList& blocks, double s, double dx, double dy, double a,
           PlacementBudget* budget = nullptr) const;
  int drawOnDevice(DeviceContext& dc, const BlockList& blocks, double s, double minX, double minY,
                   double maxX, double maxY, double dx, double dy, double a,
                   PlacementBudget* budget = nullptr) const;

  // Takes the layer's name and gives the layer to every entity and polyline of the block;
  // kBlockNotFound when the block is missing, else 1.
  int applyLayer(const BlockList& blocks, const Layer& layer);
  // Gives the first layer named like the dimension to the block's entities and polylines
  // on layer "0"; kBlockNotFound when the block is missing, else 1.
  int relayer(const BlockList& blocks, const LayerList& layers) const;

  const char* blockName() const { return blockName_; }
  const char* layerName() const { return layerName_; }
  // The layer of that name the dimension was attached to, or null; the block's content on
  // layer "0" takes it.
  const Layer* layer() const { return layer_; }
  void assignLayer(const Layer* layer) { layer_ = layer; }
  // Group 1: the dimension text as read ("<>" for the measured value).
  const std::string& text() const { return text_; }
  // Point i (0 for groups 10/20 to 6 for 16/26); out-of-range indices give 0.
  double pointX(int i) const;
  double pointY(int i) const;
  double length() const { return length40_; }
  double angle() const { return angle50_; }
  // Group 70, the dimension type.
  int type() const { return type70_; }

 private:
  // Points written before the type (70) and the text (1); the others come after them.
  static constexpr int kPointsBeforeText = 3;
  // The group table of the reals, in the order written: the points 10, 20, 30 to 16, 26,
  // 36, then the length 40 and the angle 50.
  template <class Self>
  static std::array<RealGroupOf<Self>, 3 * kPoints + 2> groupTable(Self& dimension);

  char blockName_[kNameSize];
  char layerName_[kNameSize];
  std::string text_ = "<>";
  double x_[kPoints] = {};
  double y_[kPoints] = {};
  double z_[kPoints] = {};
  double length40_ = 0.0;
  double angle50_ = 0.0;
  int type70_ = 32;
  const Layer* layer_ = nullptr;
  bool utf8_ = false;
};
