// The work one pass over a document may spend on block content, and what it left out.
#include "document/PlacementBudget.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <unordered_map>

#include "document/DXF_Block.h"
#include "document/DXF_Zeichnung.h"

namespace {

long objectsIn(const EntityList& e, const PolylineList& p, const InsertList& i,
               const DimensionList& d) {
  return static_cast<long>(e.count()) + p.count() + i.count() + d.count();
}

// Placed copies that inserts and dimensions ask for, block by block, counted once per block
// (in floating point: fan-outs ask for more than any integer holds).
class WantedCopies {
 public:
  explicit WantedCopies(const BlockList& blocks) : blocks_(blocks) {}

  double ofNamed(const char* name, int depth) {
    const int index = blocks_.indexOf(name, false);
    if (index < 0 || depth >= DXF_Block::kMaxDepth) return 0.0;
    const DXF_Block* block = blocks_.at(index);
    const auto known = counts_.find(block);
    if (known != counts_.end()) return known->second;
    counts_[block] = 0.0;  // a block that inserts itself adds nothing more
    // One unit for entering the block and each copy's cost, as the budget counts.
    double count = 1.0;
    for (int i = 0; i < block->entities().count(); ++i) {
      count += static_cast<double>(block->entities().at(i)->placementCost());
    }
    for (int i = 0; i < block->polylines().count(); ++i) {
      count += block->polylines().at(i)->segmentCount();
    }
    for (int i = 0; i < block->inserts().count(); ++i) {
      count += ofNamed(block->inserts().at(i)->blockName(), depth + 1);
    }
    for (int i = 0; i < block->dimensions().count(); ++i) {
      count += ofNamed(block->dimensions().at(i)->blockName(), depth + 1);
    }
    counts_[block] = count;
    return count;
  }

 private:
  const BlockList& blocks_;
  std::unordered_map<const DXF_Block*, double> counts_;
};

}  // namespace

double placedCopiesWanted(const DXF_Zeichnung& document) {
  WantedCopies wanted(document.blocks());
  double count = 0.0;
  for (int i = 0; i < document.inserts().count(); ++i) {
    count += wanted.ofNamed(document.inserts().at(i)->blockName(), 0);
  }
  for (int i = 0; i < document.dimensions().count(); ++i) {
    count += wanted.ofNamed(document.dimensions().at(i)->blockName(), 0);
  }
  return count;
}

PlacementCut cutOf(const DXF_Zeichnung& document, const PlacementBudget& budget, double wanted) {
  PlacementCut cut;
  cut.refused = budget.refused();
  cut.tooDeep = budget.tooDeep();
  cut.limit = budget.units();
  if (cut.refused > 0) cut.wanted = wanted >= 0.0 ? wanted : placedCopiesWanted(document);
  return cut;
}

long PlacementBudget::unitsFor(const DXF_Zeichnung& document, long floor) {
  long objects = objectsIn(document.entities(), document.polylines(), document.inserts(),
                           document.dimensions());
  const BlockList& blocks = document.blocks();
  for (int i = 0; i < blocks.count(); ++i) {
    const DXF_Block& block = *blocks.at(i);
    objects +=
        1 + objectsIn(block.entities(), block.polylines(), block.inserts(), block.dimensions());
  }
  return std::max(floor, objects * kPerObject);
}

std::string PlacementCut::sentence() const {
  if (!cut()) return {};
  char text[240];
  std::string result;
  if (refused > 0 && wanted > static_cast<double>(limit)) {
    // With a decimal point whatever the locale, like every number the program shows.
    char copies[32];
    const auto end =
        std::to_chars(copies, copies + sizeof copies - 1, wanted, std::chars_format::general, 3);
    *end.ptr = '\0';
    std::snprintf(text, sizeof text,
                  "The drawing was cut: its blocks place %s copies, more than the %ld "
                  "this viewer draws; the rest is left out.",
                  copies, limit);
    result = text;
  } else if (refused > 0) {
    // Blocks that insert each other place a number of copies that depends on the road
    // taken to them; the count misses some of them.
    std::snprintf(text, sizeof text,
                  "The drawing was cut: its blocks place more copies than the %ld this "
                  "viewer draws; the rest is left out.",
                  limit);
    result = text;
  }
  if (tooDeep > 0) {
    std::snprintf(text, sizeof text, "%s%ld block%s nested deeper than %d levels %s left out.",
                  result.empty() ? "" : " ", tooDeep, tooDeep == 1 ? "" : "s", DXF_Block::kMaxDepth,
                  tooDeep == 1 ? "is" : "are");
    result += text;
  }
  return result;
}
