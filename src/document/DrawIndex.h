// The spatial index of what a drawing paints: one box per drawn object, found by area.
#pragma once

#include <cstdint>
#include <vector>

class DXF_Zeichnung;

// What one index entry paints, in the order the document paints them (the file's order):
// entities, polyline segments, whole polylines (those with widths, their bands joined, and
// those whose linetype runs on around their vertices), inserts and dimensions.
enum class DrawKind : std::uint8_t { Entity, PolylineSegment, WholePolyline, Insert, Dimension };

// A world box in drawing units (floats rounded outwards, so the box never shrinks).
struct DrawBox {
  float minX = 0.0F;
  float minY = 0.0F;
  float maxX = 0.0F;
  float maxY = 0.0F;

  bool meets(const DrawBox& other) const {
    return minX <= other.maxX && other.minX <= maxX && minY <= other.maxY && other.minY <= maxY;
  }
  bool holds(const DrawBox& other) const {
    return minX <= other.minX && other.maxX <= maxX && minY <= other.minY && other.maxY <= maxY;
  }
  static DrawBox outward(double minX, double minY, double maxX, double maxY);
};

struct DrawItem {
  DrawBox box;
  DrawKind kind = DrawKind::Entity;
  int object = 0;  // index in the document's list of that kind
  int part = 0;    // segment of a thin polyline; 0 otherwise
};

// Built once per opened drawing (and again after it changed): a packed R-tree (sort-tile-
// recursive) over the boxes of the visible objects, taken from each object's own extents,
// so kinds added later are indexed without changes here. Hidden objects are left out.
// Queries give item numbers in painting order. Immutable once built: any number of threads
// may query it at once.
class DrawIndex {
 public:
  explicit DrawIndex(const DXF_Zeichnung& document);

  const std::vector<DrawItem>& items() const { return items_; }
  // The numbers of the items whose box meets `area`, ascending (= painting order).
  void query(const DrawBox& area, std::vector<std::uint32_t>& found) const;
  // Bytes held by the index.
  std::size_t memoryUse() const;

 private:
  struct Node {
    DrawBox box;
    std::uint32_t first = 0;  // first child node, or first entry of a leaf
    std::uint32_t count = 0;
    bool leaf = false;
  };

  void collect(const DXF_Zeichnung& document);
  void build();
  void gatherAll(const Node& node, std::vector<std::uint32_t>& found) const;
  static void sortFound(std::vector<std::uint32_t>& found, std::size_t itemCount);

  std::vector<DrawItem> items_;
  std::vector<std::uint32_t> entries_;  // item numbers in leaf order
  std::vector<Node> nodes_;             // the root last
};
