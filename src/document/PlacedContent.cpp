// The entities that inserts and dimensions put on the drawing, as placed copies.
#include "document/PlacedContent.h"

#include <cstring>
#include <strings.h>

#include "document/DXFText.h"
#include "document/DXF_Block.h"
#include "document/EntityCopy.h"
#include "entities/Ellipse.h"
#include "entities/Kreis.h"
#include "entities/Kreisbogen.h"

namespace {

// The copy as an ellipse when it is a circle or an arc, which a stretch in y turns into
// one; other kinds stay as they are.
std::unique_ptr<DXFGeometrie> stretchable(std::unique_ptr<DXFGeometrie> copy) {
  const char* type = copy->typeName();
  if (std::strcmp(type, "CIRCLE") == 0) {
    return std::make_unique<Ellipse>(static_cast<const Kreis&>(*copy));
  }
  if (std::strcmp(type, "ARC") == 0) {
    return std::make_unique<Ellipse>(static_cast<const Kreisbogen&>(*copy));
  }
  return copy;
}

// The weight BYBLOCK lines inside an insert of weight `weight` take: its own width, its
// layer's, or `outerWeight`, the one the insert itself would take as a BYBLOCK line.
std::int16_t placedLineWeight(std::int16_t weight, const Layer* layer, std::int16_t outerWeight) {
  if (weight >= 0 || weight == LineWeight::kDefault) return weight;
  if (weight == LineWeight::kByBlock) return outerWeight;
  return layer ? layer->lineWeight() : LineWeight::kDefault;
}

}  // namespace

PlacedContent::PlacedContent(const BlockList& blocks, Purpose purpose, PlacementBudget* budget)
    : blocks_(blocks),
      purpose_(purpose),
      ownBudget_(budget ? nullptr : std::make_unique<PlacementBudget>(PlacementBudget::kDrawFloor)),
      budget_(budget ? budget : ownBudget_.get()) {}

const DXF_Block* PlacedContent::find(const char* name) const {
  const int index = blocks_.indexOf(name, purpose_ == Purpose::Explode);
  return index >= 0 ? blocks_.at(index) : nullptr;
}

int PlacedContent::ofInsert(const DXF_Insert& insert, const Sink& sink) {
  const DXF_Block* block = find(insert.blockName());
  if (!block) return DXF_Insert::kBlockNotFound;
  if (purpose_ == Purpose::Draw && insert.hidesItsBlock()) return 0;
  enterGrid(*block, insert, sink);
  return 0;
}

void PlacedContent::enterGrid(const DXF_Block& block, const DXF_Insert& insert, const Sink& sink) {
  const Placement first = insertPlacement(insert);
  const bool grid = insert.rows() * insert.columns() > 1;
  for (int row = 0; row < insert.rows(); ++row) {
    for (int column = 0; column < insert.columns(); ++column) {
      // Each cell of a grid costs a unit of its own: a grid of a block that places nothing
      // must end.
      if (grid && !budget_->take()) return;
      Placement cell = first;
      const WorldPoint offset = insert.cellOffset(column, row);
      cell.dx += offset.x;
      cell.dy += offset.y;
      enter(block, cell, sink);
    }
  }
}

PlacedContent::Placement PlacedContent::insertPlacement(const DXF_Insert& insert) const {
  Placement placement{insert.scale(), insert.rotation(), insert.x(), insert.y(), insert.yStretch()};
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
  const std::string& linetype = insert.linetypeName();
  if (strcasecmp(linetype.c_str(), "BYBLOCK") == 0) {
    placement.linetype = outer ? outer->linetype : nullptr;
  } else if (linetype.empty() || strcasecmp(linetype.c_str(), "BYLAYER") == 0) {
    placement.linetype = placement.layer ? placement.layer->linetypeName() : nullptr;
  } else {
    placement.linetype = linetype.c_str();
  }
  placement.lineWeight = placedLineWeight(insert.lineWeight(), placement.layer,
                                          outer ? outer->lineWeight : LineWeight::kDefault);
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
  const Placement* outer = depth_ > 0 ? &placements_[depth_ - 1] : nullptr;
  const bool onLayerZero = std::strcmp(dimension.layerName(), "0") == 0;
  placement.layer = onLayerZero && outer && outer->layer ? outer->layer : dimension.layer();
  if (purpose_ == Purpose::Draw) {
    placement.dx = dimension.pointX(2);
    placement.dy = dimension.pointY(2);
  }
  return placement;
}

void PlacedContent::enter(const DXF_Block& block, const Placement& placement, const Sink& sink) {
  for (int i = 0; i < depth_; ++i) {
    if (chain_[i] == &block) return;
  }
  if (depth_ >= kMaxDepth) {
    budget_->noteTooDeep();
    return;
  }
  if (!budget_->take()) return;
  chain_[depth_] = &block;
  placements_[depth_] = placement;
  ++depth_;
  walk(block, sink);
  --depth_;
}

void PlacedContent::walk(const DXF_Block& block, const Sink& sink) {
  // In the block's own order, as the drawing paints its objects.
  forEachInDrawOrder(
      block.drawOrder(), block.entities(), block.polylines(), block.inserts(), block.dimensions(),
      [&](const DXFGeometrie& entity, int) { emit(entity, sink); },
      [&](const Polylinie& polyline, int) {
        polyline.forEachPiece([&](const DXFGeometrie& piece) { emit(piece, sink); });
      },
      [&](const DXF_Insert& insert, int) {
        const DXF_Block* nested = find(insert.blockName());
        const Layer* layer = insert.layer();
        const bool hidden = purpose_ == Purpose::Draw && layer && layer->frozen() &&
                            std::strcmp(insert.layerName(), "0") != 0;
        if (nested && !hidden) enterGrid(*nested, insert, sink);
      },
      [&](const DXF_Bemassung& dimension, int) {
        if (const DXF_Block* nested = find(dimension.blockName())) {
          enter(*nested, dimensionPlacement(dimension), sink);
        }
      });
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
  if (strcasecmp(source.linetypeName(), "BYBLOCK") == 0) {
    copy.takeBlockLinetype(inner.linetype ? inner.linetype : "CONTINUOUS");
  }
  if (source.lineWeight() == LineWeight::kByBlock) copy.setLineWeight(inner.lineWeight);
}

void PlacedContent::emit(const DXFGeometrie& source, const Sink& sink) {
  if (budget_->spent()) {
    budget_->take();
    return;
  }
  std::unique_ptr<DXFGeometrie> copy = EntityCopy::of(source);
  if (!copy) return;
  takeFromInsert(source, *copy);
  if (purpose_ == Purpose::Draw && !copy->visible()) return;
  if (!budget_->take(copy->placementCost())) return;
  for (int i = depth_ - 1; i >= 0; --i) {
    const Placement& p = placements_[i];
    if (p.yStretch != 1.0) {
      copy = stretchable(std::move(copy));
      if (std::strcmp(copy->typeName(), "TEXT") == 0) {
        static_cast<DXFText&>(*copy).scaleAcrossY(p.yStretch);
      } else {
        copy->scaleY(p.yStretch, 0.0);
      }
    }
    copy->transform(p.scale, p.angle, p.dx, p.dy, 0.0);
  }
  sink(std::move(copy));
}
