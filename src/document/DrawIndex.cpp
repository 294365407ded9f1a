// The spatial index of what a drawing paints: collecting the boxes, packing and querying.
#include "document/DrawIndex.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "document/DXF_Zeichnung.h"
#include "document/DrawingExtents.h"

namespace {

constexpr std::uint32_t kFanOut = 16;

float down(double value) {
  const auto f = static_cast<float>(value);
  return static_cast<double>(f) > value ? std::nextafter(f, -INFINITY) : f;
}

float up(double value) {
  const auto f = static_cast<float>(value);
  return static_cast<double>(f) < value ? std::nextafter(f, INFINITY) : f;
}

DrawingExtents::Box entityBox(const DXFGeometrie& entity) {
  return DrawingExtents::ofEntity(entity, DrawingExtents::EndlessReach::Everywhere);
}

DrawBox centreless(const DrawingExtents::Box& box) {
  return DrawBox::outward(box.minX, box.minY, box.maxX, box.maxY);
}

DrawBox unite(const DrawBox& a, const DrawBox& b) {
  return {std::min(a.minX, b.minX), std::min(a.minY, b.minY), std::max(a.maxX, b.maxX),
          std::max(a.maxY, b.maxY)};
}

float centreX(const DrawBox& box) { return box.minX * 0.5F + box.maxX * 0.5F; }
float centreY(const DrawBox& box) { return box.minY * 0.5F + box.maxY * 0.5F; }

// Sort-tile-recursive order of `order` (indices into boxes): vertical slices by centre x,
// each sorted by centre y, so consecutive runs of kFanOut are compact tiles.
template <class BoxOf>
void tileOrder(std::vector<std::uint32_t>& order, BoxOf boxOf) {
  const std::size_t count = order.size();
  const auto groups = static_cast<double>((count + kFanOut - 1) / kFanOut);
  const auto slices = static_cast<std::size_t>(std::ceil(std::sqrt(groups)));
  const std::size_t perSlice =
      slices == 0 ? count : ((count + slices - 1) / slices + kFanOut - 1) / kFanOut * kFanOut;
  std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
    return centreX(boxOf(a)) < centreX(boxOf(b));
  });
  for (std::size_t start = 0; start < count; start += perSlice) {
    const auto end = order.begin() + static_cast<std::ptrdiff_t>(std::min(count, start + perSlice));
    std::sort(
        order.begin() + static_cast<std::ptrdiff_t>(start), end,
        [&](std::uint32_t a, std::uint32_t b) { return centreY(boxOf(a)) < centreY(boxOf(b)); });
  }
}

}  // namespace

DrawBox DrawBox::outward(double minX, double minY, double maxX, double maxY) {
  return {down(minX), down(minY), up(maxX), up(maxY)};
}

DrawIndex::DrawIndex(const DXF_Zeichnung& document) {
  collect(document);
  build();
}

void DrawIndex::collect(const DXF_Zeichnung& document) {
  auto add = [this](const DrawingExtents::Box& box, DrawKind kind, int object, int part) {
    if (!box.empty) items_.push_back({centreless(box), kind, object, part});
  };
  DrawingExtents extents(document, DrawingExtents::EndlessReach::Everywhere);
  forEachInDrawOrder(
      document.drawOrder(), document.entities(), document.polylines(), document.inserts(),
      document.dimensions(),
      [&](const DXFGeometrie& entity, int i) { add(entityBox(entity), DrawKind::Entity, i, 0); },
      [&](const Polylinie& polyline, int i) {
        if (polyline.isWide() || !polyline.continuousPath().empty()) {
          add(DrawingExtents::ofPolyline(polyline), DrawKind::WholePolyline, i, 0);
          return;
        }
        // The segments in the order the polyline draws them.
        for (int k = polyline.segmentCount() - 1; k >= 0; --k) {
          add(entityBox(*polyline.segmentAt(k)), DrawKind::PolylineSegment, i, k);
        }
      },
      [&](const DXF_Insert& insert, int i) {
        add(extents.ofInsert(insert), DrawKind::Insert, i, 0);
      },
      [&](const DXF_Bemassung& dimension, int i) {
        add(extents.ofDimension(dimension), DrawKind::Dimension, i, 0);
      });
}

void DrawIndex::build() {
  entries_.resize(items_.size());
  std::iota(entries_.begin(), entries_.end(), 0U);
  tileOrder(entries_, [this](std::uint32_t i) -> const DrawBox& { return items_[i].box; });
  for (std::size_t start = 0; start < entries_.size(); start += kFanOut) {
    Node leaf;
    leaf.first = static_cast<std::uint32_t>(start);
    leaf.count =
        static_cast<std::uint32_t>(std::min<std::size_t>(kFanOut, entries_.size() - start));
    leaf.leaf = true;
    leaf.box = items_[entries_[start]].box;
    for (std::uint32_t k = 1; k < leaf.count; ++k)
      leaf.box = unite(leaf.box, items_[entries_[start + k]].box);
    nodes_.push_back(leaf);
  }
  // Each level packs the one below into parents of kFanOut until one root is left.
  std::size_t levelStart = 0;
  while (nodes_.size() - levelStart > 1) {
    const std::size_t levelEnd = nodes_.size();
    std::vector<std::uint32_t> order(levelEnd - levelStart);
    std::iota(order.begin(), order.end(), static_cast<std::uint32_t>(levelStart));
    tileOrder(order, [this](std::uint32_t i) -> const DrawBox& { return nodes_[i].box; });
    std::vector<Node> level(order.size());
    for (std::size_t k = 0; k < order.size(); ++k) level[k] = nodes_[order[k]];
    std::copy(level.begin(), level.end(), nodes_.begin() + static_cast<std::ptrdiff_t>(levelStart));
    for (std::size_t start = levelStart; start < levelEnd; start += kFanOut) {
      Node parent;
      parent.first = static_cast<std::uint32_t>(start);
      parent.count = static_cast<std::uint32_t>(std::min<std::size_t>(kFanOut, levelEnd - start));
      parent.box = nodes_[start].box;
      for (std::uint32_t k = 1; k < parent.count; ++k)
        parent.box = unite(parent.box, nodes_[start + k].box);
      nodes_.push_back(parent);
    }
    levelStart = levelEnd;
  }
}

void DrawIndex::query(const DrawBox& area, std::vector<std::uint32_t>& found) const {
  found.clear();
  if (nodes_.empty()) return;
  std::vector<std::uint32_t> stack{static_cast<std::uint32_t>(nodes_.size() - 1)};
  while (!stack.empty()) {
    const Node& node = nodes_[stack.back()];
    stack.pop_back();
    if (!node.box.meets(area)) continue;
    if (area.holds(node.box)) {
      gatherAll(node, found);
    } else if (node.leaf) {
      for (std::uint32_t k = 0; k < node.count; ++k) {
        const std::uint32_t item = entries_[node.first + k];
        if (items_[item].box.meets(area)) found.push_back(item);
      }
    } else {
      for (std::uint32_t k = 0; k < node.count; ++k) stack.push_back(node.first + k);
    }
  }
  sortFound(found, items_.size());
}

void DrawIndex::gatherAll(const Node& node, std::vector<std::uint32_t>& found) const {
  if (node.leaf) {
    found.insert(found.end(), entries_.begin() + node.first,
                 entries_.begin() + node.first + node.count);
    return;
  }
  for (std::uint32_t k = 0; k < node.count; ++k) gatherAll(nodes_[node.first + k], found);
}

void DrawIndex::sortFound(std::vector<std::uint32_t>& found, std::size_t itemCount) {
  // A large share of the drawing is put in order faster by marking than by sorting.
  if (found.size() * 16 < itemCount) {
    std::sort(found.begin(), found.end());
    return;
  }
  std::vector<bool> marked(itemCount, false);
  for (const std::uint32_t item : found) marked[item] = true;
  found.clear();
  for (std::size_t i = 0; i < itemCount; ++i) {
    if (marked[i]) found.push_back(static_cast<std::uint32_t>(i));
  }
}

std::size_t DrawIndex::memoryUse() const {
  return items_.capacity() * sizeof(DrawItem) + entries_.capacity() * sizeof(std::uint32_t) +
         nodes_.capacity() * sizeof(Node);
}
