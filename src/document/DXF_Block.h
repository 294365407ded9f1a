// A block definition of the BLOCKS section: a named group of drawing objects.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <unordered_set>
#include <vector>

#include "document/DXF_Bemassung.h"
#include "document/DXF_Insert.h"
#include "document/DocumentLists.h"
#include "document/LayerIndex.h"
#include "document/Polylinie.h"
#include "document/SkippedKinds.h"

class FiniteRecords;
class LinetypeTexts;
class CompositeReader;

// The block owns the objects of its four lists. Its content is kept relative to its base
// point (BLOCK groups 10/20): reading moves it by minus the base point, so that inserts
// place the base point at their insertion point and the block is written with base 0, 0.
class DXF_Block {
 public:
  static constexpr int kNameSize = 50;
  static constexpr int kEndOfFile = -30;
  // Nesting of blocks in blocks is followed at most this deep.
  static constexpr int kMaxDepth = 64;

  // Named "BLOCK", empty.
  DXF_Block();
  explicit DXF_Block(const char* name);
  // Flags, name, and copies of every entity, polyline, insert and dimension; each list is
  // copied from its last element to its first.
  DXF_Block(const DXF_Block& other);
  DXF_Block& operator=(const DXF_Block&) = delete;
  ~DXF_Block() = default;

  // Reads the block's head and body after the line "BLOCK" up to the ENDBLK record and its
  // groups, ending on the next group code 0 line; entities and polylines take the first
  // layer of their name from `layers`, texts are converted from UTF-8 when `utf8Texts`,
  // leaders and the other composite kinds are read by `composites`, objects of kinds the
  // viewer does not know are counted in `skipped`. 0 or a negative code.
  int read(DxfLineReader& in, const LayerIndex& layers, bool utf8Texts,
           const CompositeReader& composites, SkippedKinds& skipped);
  // Writes the record from "BLOCK" through "ENDBLK" and its closing "  0", every object
  // through `records` (left out when a real of it cannot be written), with the texts of
  // complex linetypes as TEXT records, leaving out the inserts in `leftOut`. Returns 0.
  int write(std::ostream& out, FiniteRecords& records, const LinetypeTexts& texts,
            const std::unordered_set<const DXF_Insert*>* leftOut = nullptr) const;

  const char* name() const { return name_; }
  // Group 70.
  std::int32_t flags() const { return flags_; }

  EntityList& entities() { return entities_; }
  const EntityList& entities() const { return entities_; }
  PolylineList& polylines() { return polylines_; }
  const PolylineList& polylines() const { return polylines_; }
  InsertList& inserts() { return inserts_; }
  const InsertList& inserts() const { return inserts_; }
  DimensionList& dimensions() { return dimensions_; }
  const DimensionList& dimensions() const { return dimensions_; }
  // The order the objects were added to the four lists in: the file's order, painted so.
  const DrawOrder& drawOrder() const { return order_; }
  // Takes `order` for lists that hold, one for one, copies of the objects it was noted for.
  void keepDrawOrderOf(const DrawOrder& order) { order_ = order; }
  // The object at `index`, or null outside the list.
  DXFGeometrie* entityAt(int index) const { return entities_.at(index); }
  Polylinie* polylineAt(int index) const { return polylines_.at(index); }
  DXF_Insert* insertAt(int index) const { return inserts_.at(index); }

  // Appends a new insert of block `blockName` to this block.
  void addInsert(const char* blockName, const char* layerName, double x, double y, double z,
                 double rotation, double scale);

  // Gives `layer` to every entity and polyline.
  void giveLayerToAll(const Layer& layer);
  // Gives `layer` to the entities and polylines whose layer name equals `name` exactly;
  // returns how many objects changed.
  int giveLayerWhereNamed(const Layer& layer, const char* name);

  // Calls fn(block) for `start` and for every block reached from it through inserts and
  // dimensions (exact names), each block once and at most kMaxDepth levels deep, so that
  // blocks which insert each other are visited without end.
  template <class Fn>
  static void visitReachable(const BlockList& blocks, DXF_Block& start, Fn fn);

 private:
  // The head's group pairs (name, flags, base point) up to the first group code 0; 0 or
  // kEndOfFile.
  int readHead(DxfLineReader& in);
  // Moves the content by minus the base point, which then is the origin.
  void moveToBase();

  // Notes the objects added to the four lists in order_.
  void recordDrawOrder();

  // Declared before the lists, which note their objects in it.
  DrawOrder order_;
  EntityList entities_{200};
  PolylineList polylines_{50};
  InsertList inserts_{50};
  DimensionList dimensions_{10};
  char name_[kNameSize];
  std::int32_t flags_ = 0;
  double baseX_ = 0.0;
  double baseY_ = 0.0;
};

template <class Fn>
void DXF_Block::visitReachable(const BlockList& blocks, DXF_Block& start, Fn fn) {
  std::unordered_set<const DXF_Block*> visited{&start};
  std::vector<DXF_Block*> level{&start};
  for (int depth = 0; depth <= kMaxDepth && !level.empty(); ++depth) {
    std::vector<DXF_Block*> next;
    for (DXF_Block* block : level) {
      fn(*block);
      auto follow = [&](const char* name) {
        const int index = blocks.indexOf(name, false);
        if (index < 0) return;
        DXF_Block* target = blocks.at(index);
        if (visited.insert(target).second) next.push_back(target);
      };
      for (int i = block->inserts_.count() - 1; i >= 0; --i) {
        follow(block->inserts_.at(i)->blockName());
      }
      for (int i = block->dimensions_.count() - 1; i >= 0; --i) {
        follow(block->dimensions_.at(i)->blockName());
      }
    }
    level = std::move(next);
  }
}
