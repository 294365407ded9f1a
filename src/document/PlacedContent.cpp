// The entities that inserts and dimensions put on the drawing, as placed copies.
#include "document/PlacedContent.h"

#include <cstring>

#include "document/DXF_Block.h"
#include "document/EntityCopy.h"

PlacedContent::PlacedContent(const BlockList& blocks, Purpose purpose)
    : blocks_(blocks), purpose_(purpose) {}

const DXF_Block* PlacedContent::find(const char* name) const {
  const int index = DXF_Block::indexIn(blocks_, name, purpose_ == Purpose::Explode);
  return index >= 0 ? blocks_.at(index) : nullptr;
}

int PlacedContent::ofInsert(const DXF_Insert& insert, const Sink& sink) {
  const DXF_Block* block = find(insert.blockName());
  if (!block) return DXF_Insert::kBlockNotFound;
  const Layer* layer = insert.layer();
  if (purpose_ == Purpose::Draw && (insert.inPaperSpace() || (layer && !layer->visible()))) {
    return 0;
  }
  enter(*block, insertPlacement(insert), sink);
  return 0;
}

PlacedContent::Placement PlacedContent::insertPlacement(const DXF_Insert& insert) const {
  Placement placement{insert.scale(), insert.rotation(), insert.x(), insert.y()};
  const Placement* outer = depth_ > 0 ? &placements_[depth_ - 1] : nullptr;
  const bool onLayerZero = std::strcmp(insert.layerName(), "0") == 0;
  placement.layer = onLayerZero && outer && outer->layer ? outer->layer : insert.layer();
  const int number = insert.colourNumber();
  if (number == DXFGeometrie::kByBlock) {
    placement.colour = outer ? outer->colour : nullptr;
  } else if (number == DXFGeometrie::kByLayer) {
    placement.colour = placement.layer ? placement.layer->colour() : nullptr;
  } else {
    placement.colour = DXFGeometrie::colourOfNumber(number);
  }
  return placement;
}

int PlacedContent::ofDimension(const DXF_Bemassung& dimension, const Sink& sink) {
  const DXF_Block* block = find(dimension.blockName());
  if (!block) return DXF_Bemassung::kBlockNotFound;
  enter(*block, dimensionPlacement(dimension), sink);
  return 0;
}

PlacedContent::Placement PlacedContent::dimensionPlacement(const DXF_Bemassung& dimension) const {
  Placement placement;
  if (purpose_ == Purpose::Draw) {
    placement.dx = dimension.pointX(2);
    placement.dy = dimension.pointY(2);
  }
  return placement;
}

void PlacedContent::enter(const DXF_Block& block, const Placement& placement,
                          const Sink& sink) {
  if (depth_ >= kMaxDepth) return;
  for (int i = 0; i < depth_; ++i) {
    if (chain_[i] == &block) return;
  }
  chain_[depth_] = &block;
  placements_[depth_] = placement;
  ++depth_;
  walk(block, sink);
  --depth_;
}

void PlacedContent::walk(const DXF_Block& block, const Sink& sink) {
  const EntityList& entities = block.entities();
  for (int i = entities.count() - 1; i >= 0; --i) emit(*entities.at(i), sink);
  const PolylineList& polylines = block.polylines();
  for (int i = polylines.count() - 1; i >= 0; --i) {
    const Polylinie& polyline = *polylines.at(i);
    for (int k = 0; k < polyline.segmentCount(); ++k) emit(*polyline.segmentAt(k), sink);
  }
  const InsertList& inserts = block.inserts();
  for (int i = inserts.count() - 1; i >= 0; --i) {
    const DXF_Insert& insert = *inserts.at(i);
    const DXF_Block* nested = find(insert.blockName());
    const Layer* layer = insert.layer();
    const bool hidden = purpose_ == Purpose::Draw && layer && !layer->visible() &&
                        std::strcmp(insert.layerName(), "0") != 0;
    if (nested && !hidden) enter(*nested, insertPlacement(insert), sink);
  }
  const DimensionList& dimensions = block.dimensions();
  for (int i = dimensions.count() - 1; i >= 0; --i) {
    const DXF_Bemassung& dimension = *dimensions.at(i);
    if (const DXF_Block* nested = find(dimension.blockName())) {
      enter(*nested, dimensionPlacement(dimension), sink);
    }
  }
}

void PlacedContent::takeFromInsert(const DXFGeometrie& source, DXFGeometrie& copy) const {
  if (depth_ == 0) return;
  const Placement& inner = placements_[depth_ - 1];
  if (inner.layer && std::strcmp(source.layerName(), "0") == 0) copy.assignLayer(inner.layer);
  const int number = parseInt(source.colourNumber());
  if (number == DXFGeometrie::kByBlock) {
    if (inner.colour) copy.setColour(inner.colour);
  } else if (number != DXFGeometrie::kByLayer) {
    copy.setColour(source.colour());
  }
}

void PlacedContent::emit(const DXFGeometrie& source, const Sink& sink) {
  if (placed_ >= kMaxPlaced) return;
  std::unique_ptr<DXFGeometrie> copy = EntityCopy::of(source);
  if (!copy) return;
  takeFromInsert(source, *copy);
  if (purpose_ == Purpose::Draw && !copy->visible()) return;
  ++placed_;
  for (int i = depth_ - 1; i >= 0; --i) {
    const Placement& p = placements_[i];
    copy->transform(p.scale, p.angle, p.dx, p.dy, 0.0);
  }
  sink(std::move(copy));
}
