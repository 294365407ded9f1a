// A DIMENSION: drawn through the anonymous block the CAD program made for it.
#include "document/DXF_Bemassung.h"

#include <ostream>
#include <span>

#include "document/DXF_Block.h"
#include "document/PlacedContent.h"
#include "dxf/TextCodes.h"

DXF_Bemassung::DXF_Bemassung() {
  copyField(blockName_, "BLOCK");
  copyField(layerName_, "LAYER");
}

template <class Self>
std::array<RealGroupOf<Self>, 3 * DXF_Bemassung::kPoints + 2> DXF_Bemassung::groupTable(
    Self& dimension) {
  std::array<RealGroupOf<Self>, 3 * kPoints + 2> table{};
  for (int i = 0; i < kPoints; ++i) {
    table[3 * i] = {10 + i, &dimension.x_[i]};
    table[3 * i + 1] = {20 + i, &dimension.y_[i]};
    table[3 * i + 2] = {30 + i, &dimension.z_[i]};
  }
  table[3 * kPoints] = {40, &dimension.length40_};
  table[3 * kPoints + 1] = {50, &dimension.angle50_};
  return table;
}

int DXF_Bemassung::read(DxfLineReader& in) {
  x_[2] = y_[2] = z_[2] = 0.0;
  angle50_ = 0.0;
  bool layerSeen = false;
  const auto reals = groupTable(*this);
  for (;;) {
    const char* line = in.readLine();
    if (in.eof()) return kEndOfFile;
    const int code = groupCode(line, GroupCodeVariant::LinetypeDimension);
    if (code == 0) return 0;
    if (readListedGroup(in, code, reals)) continue;
    if (code == 1) {
      const char* text = in.readTextLine();
      text_ = utf8_ ? TextCodes::windows1252FromUtf8(text) : text;
    } else if (code == 2) {
      copyField(blockName_, in.readLine());
    } else if (code == 8 && !layerSeen) {
      copyField(layerName_, in.readLine());
      layerSeen = true;
    } else if (code == 70) {
      type70_ = parseInt(in.readLine());
    } else {
      in.readLine();
    }
  }
}

int DXF_Bemassung::write(std::ostream& out) const {
  const auto reals = groupTable(*this);
  const std::span<const RealGroup<const double>> all(reals);
  out << "DIMENSION\n  8\n" << layerName_ << "\n  2\n" << blockName_ << '\n';
  writeListedGroups(out, all.first(3 * kPointsBeforeText));
  out << " 70\n" << type70_ << "\n 1\n" << TextCodes::valueLine(text_) << '\n';
  writeListedGroups(out, all.subspan(3 * kPointsBeforeText));
  out << "  0\n";
  return 0;
}

double DXF_Bemassung::pointX(int i) const { return i >= 0 && i < kPoints ? x_[i] : 0.0; }
double DXF_Bemassung::pointY(int i) const { return i >= 0 && i < kPoints ? y_[i] : 0.0; }

int DXF_Bemassung::findBlock(const BlockList& blocks) const {
  const int index = blocks.indexOf(blockName_, false);
  return index >= 0 ? index : kBlockNotFound;
}

int DXF_Bemassung::draw(DrawingArea& area, const BlockList& blocks, double s, double dx, double dy,
                        double a, PlacementBudget* budget) const {
  PlacedContent content(blocks, PlacedContent::Purpose::Draw, budget);
  return content.ofDimension(
      *this, [&](std::unique_ptr<DXFGeometrie> placed) { placed->draw(area, s, dx, dy, a); });
}

int DXF_Bemassung::drawOnDevice(DeviceContext& dc, const BlockList& blocks, double s, double minX,
                                double minY, double maxX, double maxY, double dx, double dy,
                                double a, PlacementBudget* budget) const {
  PlacedContent content(blocks, PlacedContent::Purpose::Draw, budget);
  return content.ofDimension(*this, [&](std::unique_ptr<DXFGeometrie> placed) {
    placed->drawOnDevice(dc, s, minX, minY, maxX, maxY, dx, dy, a);
  });
}

int DXF_Bemassung::applyLayer(const BlockList& blocks, const Layer& layer) {
  const int index = findBlock(blocks);
  if (index < 0) return kBlockNotFound;
  // The block's content on the dimension's layer or on layer "0" follows it; content on
  // layers of its own (definition points) stays there.
  const std::string before = layerName_;
  copyField(layerName_, layer.name());
  layer_ = &layer;
  blocks.at(index)->giveLayerWhereNamed(layer, before.c_str());
  blocks.at(index)->giveLayerWhereNamed(layer, "0");
  return 1;
}

int DXF_Bemassung::relayer(const BlockList& blocks, const LayerList& layers) const {
  const int index = findBlock(blocks);
  if (index < 0) return kBlockNotFound;
  if (const Layer* layer = firstLayerNamed(layers, layerName_)) {
    blocks.at(index)->giveLayerWhereNamed(*layer, "0");
  }
  return 1;
}
