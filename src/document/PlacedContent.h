// The entities that inserts and dimensions put on the drawing, as placed copies.
#pragma once

#include <functional>
#include <memory>

#include "document/DXF_Block.h"
#include "document/DocumentLists.h"
#include "document/PlacementBudget.h"

// Walks a block reached through an insert or a dimension, with the blocks nested in it,
// and hands every entity and polyline segment found there to a sink as a copy placed by
// the chain of placements that leads to it (innermost first). Drawing and exploding share
// this walk, so an insert is drawn exactly where the explode puts its entities.
//
// An insert whose y scale differs from its x scale stretches its block's y values first:
// circles and arcs found there become ellipses, texts turn and grow with it. A MINSERT places its
// block once per cell of its grid.
//
// Entities on layer "0" inside a block take the layer of the insert that places them, and
// BYBLOCK colours take the insert's colour, the innermost insert deciding unless it is on
// layer "0" (or BYBLOCK) itself; a dimension's block takes the dimension's layer alike. When
// drawing, an insert on a frozen layer shows nothing, and one on a layer that is only off
// hides the content that takes its layer.
//
// A block already on the chain (a block that inserts itself, directly or through others)
// is not entered again, nesting stops at kMaxDepth levels, and every block entered and
// every copy placed spends a unit of the pass's budget, so no drawing makes the walk
// endless or exponential; what was left out is counted on the budget.
class PlacedContent {
 public:
  static constexpr int kMaxDepth = DXF_Block::kMaxDepth;

  enum class Purpose {
    // Blocks found by exact name, hidden entities left out, dimension blocks moved to
    // their dimension's group 12/22 point.
    Draw,
    // Blocks found without regard to case, hidden entities included, dimension blocks
    // taken as they are.
    Explode,
  };

  // Gets each placed copy.
  using Sink = std::function<void(std::unique_ptr<DXFGeometrie> placed)>;

  // `budget` is shared by every walk of one pass over a document; without one the walk
  // has a budget of its own of PlacementBudget::kDrawFloor units.
  PlacedContent(const BlockList& blocks, Purpose purpose, PlacementBudget* budget = nullptr);

  // The content of the insert's block placed by the insert; -20 when that block is
  // missing, else 0.
  int ofInsert(const DXF_Insert& insert, const Sink& sink);
  // The content of the dimension's block; -20 when that block is missing, else 0.
  int ofDimension(const DXF_Bemassung& dimension, const Sink& sink);

 private:
  struct Placement {
    double scale = 1.0;
    double angle = 0.0;
    double dx = 0.0;
    double dy = 0.0;
    // Multiplies y values before the rest of the placement.
    double yStretch = 1.0;
    // What layer-0 entities and BYBLOCK colours become inside; null: they stay.
    const Layer* layer = nullptr;
    const char* colour = nullptr;
    // The linetype BYBLOCK lines inside take; null: none (they are drawn solid).
    const char* linetype = nullptr;
    // The line weight BYBLOCK lines inside take.
    std::int16_t lineWeight = LineWeight::kDefault;
  };

  // The placement of an insert inside the current chain.
  Placement insertPlacement(const DXF_Insert& insert) const;
  // Walks `block` once for every grid cell of the insert.
  void enterGrid(const DXF_Block& block, const DXF_Insert& insert, const Sink& sink);

  const DXF_Block* find(const char* name) const;
  // Walks `block` under `placement` unless it is already on the chain or too deep.
  void enter(const DXF_Block& block, const Placement& placement, const Sink& sink);
  void walk(const DXF_Block& block, const Sink& sink);
  void emit(const DXFGeometrie& source, const Sink& sink);
  // Layer "0" and BYBLOCK of `source` resolved by the innermost insert, into its copy.
  void takeFromInsert(const DXFGeometrie& source, DXFGeometrie& copy) const;
  Placement dimensionPlacement(const DXF_Bemassung& dimension) const;

  const BlockList& blocks_;
  Purpose purpose_;
  const DXF_Block* chain_[kMaxDepth] = {};
  Placement placements_[kMaxDepth];
  int depth_ = 0;
  std::unique_ptr<PlacementBudget> ownBudget_;
  PlacementBudget* budget_;
};
