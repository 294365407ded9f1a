// The entities that inserts and dimensions put on the drawing, as placed copies.
#include "document/PlacedContent.h"

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
  enter(*block, {insert.scale(), insert.rotation(), insert.x(), insert.y()}, sink);
  return 0;
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
    if (const DXF_Block* nested = find(insert.blockName())) {
      enter(*nested, {insert.scale(), insert.rotation(), insert.x(), insert.y()}, sink);
    }
  }
  const DimensionList& dimensions = block.dimensions();
  for (int i = dimensions.count() - 1; i >= 0; --i) {
    const DXF_Bemassung& dimension = *dimensions.at(i);
    if (const DXF_Block* nested = find(dimension.blockName())) {
      enter(*nested, dimensionPlacement(dimension), sink);
    }
  }
}

void PlacedContent::emit(const DXFGeometrie& source, const Sink& sink) {
  if (placed_ >= kMaxPlaced) return;
  if (purpose_ == Purpose::Draw && !source.visible()) return;
  std::unique_ptr<DXFGeometrie> copy = EntityCopy::of(source);
  if (!copy) return;
  ++placed_;
  for (int i = depth_ - 1; i >= 0; --i) {
    const Placement& p = placements_[i];
    copy->transform(p.scale, p.angle, p.dx, p.dy, 0.0);
  }
  sink(std::move(copy));
}
