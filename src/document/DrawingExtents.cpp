// The box of what a drawing shows, for files whose header gives no usable extents.
#include "document/DrawingExtents.h"

#include <cmath>
#include <cstring>
#include <numbers>

#include "document/DXFText.h"
#include "document/DXF_Zeichnung.h"
#include "entities/Solid.h"
#include "entities/QuarterTurns.h"

namespace {

// The box around a box placed as the entities' transform places points, after its y
// values were stretched by yStretch.
DrawingExtents::Box placed(const DrawingExtents::Box& box, double s, double a, double dx, double dy,
                           double yStretch = 1.0) {
  DrawingExtents::Box result;
  if (box.empty) return result;
  const auto [c, n] = cosSinOfDegrees(a);
  const double xs[] = {box.minX, box.maxX};
  const double ys[] = {box.minY * yStretch, box.maxY * yStretch};
  for (double x : xs) {
    for (double y : ys) result.add(std::fabs(s) * (c * x - n * y) + dx, s * (n * x + c * y) + dy);
  }
  return result;
}

// Far enough to cover any view, near enough that a float holds it and the half of it.
constexpr double kEndlessReach = 1e30;
// No letter is narrower than a quarter of its height (an "I" is more than a third).
constexpr double kNarrowestLetter = 4.0;

bool isEndless(const DXFGeometrie& entity) {
  const char* type = entity.typeName();
  return std::strcmp(type, "XLINE") == 0 || std::strcmp(type, "RAY") == 0;
}

}  // namespace

void DrawingExtents::Box::add(double x, double y) {
  // A point so far out that the box's width would overflow makes no extents: a window
  // around it could not be fitted, and the rest of the drawing would not be shown.
  constexpr double kFarthest = 1e150;
  if (!(std::fabs(x) <= kFarthest) || !(std::fabs(y) <= kFarthest)) return;
  if (empty) {
    minX = maxX = x;
    minY = maxY = y;
    empty = false;
    return;
  }
  minX = std::fmin(minX, x);
  maxX = std::fmax(maxX, x);
  minY = std::fmin(minY, y);
  maxY = std::fmax(maxY, y);
}

void DrawingExtents::Box::add(const Box& other) {
  if (other.empty) return;
  add(other.minX, other.minY);
  add(other.maxX, other.maxY);
}

DrawingExtents::DrawingExtents(const DXF_Zeichnung& document, EndlessReach endless)
    : document_(document), endless_(endless) {}

DrawingExtents::Box DrawingExtents::compute() {
  return ofObjects(document_.entities(), document_.polylines(), document_.inserts(),
                   document_.dimensions(), 0);
}

DrawingExtents::Box DrawingExtents::cornersOf(const DXFGeometrie& entity) {
  Box box;
  if (!entity.visible()) return box;
  const char* type = entity.typeName();
  if (std::strcmp(type, "TEXT") == 0) {
    const auto& text = static_cast<const DXFText&>(entity);
    box.add(text.x(), text.y());
    box.add(text.x2(), text.y2());
  } else if (std::strcmp(type, "SOLID") == 0) {
    const auto& solid = static_cast<const Solid&>(entity);
    for (int i = 0; i < Solid::kCorners; ++i) box.add(solid.cornerX(i), solid.cornerY(i));
  } else {
    const Punkt low = entity.minCorner();
    const Punkt high = entity.maxCorner();
    box.add(low.x(), low.y());
    box.add(high.x(), high.y());
  }
  return box;
}

DrawingExtents::Box DrawingExtents::ofEntity(const DXFGeometrie& entity, EndlessReach endless) {
  Box box = cornersOf(entity);
  // A line without an end may cross any part of the view.
  if (endless == EndlessReach::Everywhere && !box.empty && isEndless(entity)) {
    box.add(-kEndlessReach, -kEndlessReach);
    box.add(kEndlessReach, kEndlessReach);
    return box;
  }
  if (box.empty || std::strcmp(entity.typeName(), "TEXT") != 0) return box;
  // Without measuring the font here, every letter is taken as wide as the text is high,
  // which no font exceeds much, and the line may run either way from the anchor, reaching
  // a height below and above.
  const auto& text = static_cast<const DXFText&>(entity);
  const double characters = static_cast<double>(text.text().size()) + 1.0;
  double height = std::fabs(text.height());
  double direction = text.rotation();
  const double span = std::hypot(text.x2() - text.x(), text.y2() - text.y());
  if (text.fillsItsSpan() && span > 0.0) {
    // Its letters run from one point to the other; aligned, they grow with the span, up
    // to kNarrowestLetter times as high as the span's share of one letter.
    direction = std::atan2(text.y2() - text.y(), text.x2() - text.x()) * 180.0 / std::numbers::pi;
    if (text.hAlign() == DXFText::kHAlignAligned) {
      height = std::fmax(height, kNarrowestLetter * span / characters);
    }
  }
  // Stretched letters are as much wider.
  const double stretch =
      std::isfinite(text.widthFactor()) ? std::fmax(1.0, text.widthFactor()) : 1.0;
  const double length = std::fmax(height * stretch * characters, text.fillsItsSpan() ? span : 0.0);
  const auto [c, s] = cosSinOfDegrees(direction);
  for (const double along : {-length, length}) {
    for (const double across : {-height, 1.5 * height}) {
      box.add(text.x2() + c * along - s * across, text.y2() + s * along + c * across);
    }
  }
  return box;
}

DrawingExtents::Box DrawingExtents::ofPolyline(const Polylinie& polyline) {
  Box box;
  if (polyline.isWide()) {
    polyline.forEachPiece([&box](const DXFGeometrie& piece) { box.add(cornersOf(piece)); });
    return box;
  }
  for (int k = 0; k < polyline.segmentCount(); ++k) box.add(cornersOf(*polyline.segmentAt(k)));
  return box;
}

DrawingExtents::Box DrawingExtents::ofObjects(const EntityList& entities,
                                              const PolylineList& polylines,
                                              const InsertList& inserts,
                                              const DimensionList& dimensions, int depth) {
  Box box;
  for (int i = 0; i < entities.count(); ++i) box.add(ofEntity(*entities.at(i), endless_));
  for (int i = 0; i < polylines.count(); ++i) box.add(ofPolyline(*polylines.at(i)));
  for (int i = 0; i < inserts.count(); ++i) box.add(ofInsert(*inserts.at(i), depth));
  for (int i = 0; i < dimensions.count(); ++i) box.add(ofDimension(*dimensions.at(i), depth));
  return box;
}

DrawingExtents::Box DrawingExtents::ofInsert(const DXF_Insert& insert) {
  return ofInsert(insert, 0);
}

DrawingExtents::Box DrawingExtents::ofDimension(const DXF_Bemassung& dimension) {
  return ofDimension(dimension, 0);
}

DrawingExtents::Box DrawingExtents::ofInsert(const DXF_Insert& insert, int depth) {
  if (insert.hidesItsBlock()) return {};
  const Box block = ofBlockNamed(insert.blockName(), depth);
  Box box;
  // The grid's corner cells hold every other cell between them.
  for (int row : {0, insert.rows() - 1}) {
    for (int column : {0, insert.columns() - 1}) {
      const WorldPoint offset = insert.cellOffset(column, row);
      box.add(placed(block, insert.scale(), insert.rotation(), insert.x() + offset.x,
                     insert.y() + offset.y, insert.yStretch()));
    }
  }
  return box;
}

DrawingExtents::Box DrawingExtents::ofDimension(const DXF_Bemassung& dimension, int depth) {
  return placed(ofBlockNamed(dimension.blockName(), depth), 1.0, 0.0, dimension.pointX(2),
                dimension.pointY(2));
}

DrawingExtents::Box DrawingExtents::ofBlockNamed(const char* name, int depth) {
  const int index = document_.blocks().indexOf(name, false);
  if (index < 0 || depth >= DXF_Block::kMaxDepth) return {};
  return ofBlock(*document_.blocks().at(index), depth + 1);
}

DrawingExtents::Box DrawingExtents::ofBlock(const DXF_Block& block, int depth) {
  const auto known = blockBoxes_.find(&block);
  if (known != blockBoxes_.end()) return known->second;
  blockBoxes_.emplace(&block, Box{});
  const Box box =
      ofObjects(block.entities(), block.polylines(), block.inserts(), block.dimensions(), depth);
  blockBoxes_[&block] = box;
  return box;
}
