// Painting through the spatial index: the visible box, level of detail, painting order.
#include "document/IndexedDrawing.h"

#include <cmath>
#include <numbers>
#include <cstring>
#include <vector>

#include "document/DXFText.h"
#include "document/TextWidths.h"
#include "document/DXF_Zeichnung.h"
#include "entities/QuarterTurns.h"
#include "dxf/LineWeight.h"

namespace {

// Pixels around the visible part still searched, for anti-aliasing and the widest pens
// reaching in.
const double kMarginPixels = 2.0 + LineWeight::widestScreenPixels() / 2.0;
// Items painted between two looks at the cancel flag.
constexpr std::size_t kCancelStride = 1024;
// Height of the line standing for a text above its baseline, per text height.
constexpr double kBarHeight = 0.35;
constexpr const char* kNoColour = "#000000";

// The area's mapping from world to its pixels: x and y each scale and shift on their own.
struct AxisMap {
  double scaleX = 0.0;
  double shiftX = 0.0;
  double scaleY = 0.0;
  double shiftY = 0.0;

  explicit AxisMap(const DrawingArea& area) {
    const DevicePoint origin = area.wc_to_dc(0.0, 0.0);
    const DevicePoint unit = area.wc_to_dc(1.0, 1.0);
    scaleX = unit.x - origin.x;
    scaleY = unit.y - origin.y;
    shiftX = origin.x;
    shiftY = origin.y;
  }
  bool usable() const {
    return std::isfinite(scaleX) && std::isfinite(scaleY) && scaleX != 0.0 && scaleY != 0.0 &&
           std::isfinite(shiftX) && std::isfinite(shiftY);
  }
  double worldX(double pixel) const { return (pixel - shiftX) / scaleX; }
  double worldY(double pixel) const { return (pixel - shiftY) / scaleY; }
};

// The world box seen through the container, a few pixels wider.
DrawBox visibleBox(const DrawingArea& area, const AxisMap& map) {
  const PixelSize container = area.container_size();
  const PixelPosition position = area.position_in_container();
  const double left = -position.x - kMarginPixels;
  const double right = container.width - position.x + kMarginPixels;
  const double top = -position.y - kMarginPixels;
  const double bottom = container.height - position.y + kMarginPixels;
  const double x1 = map.worldX(left);
  const double x2 = map.worldX(right);
  const double y1 = map.worldY(top);
  const double y2 = map.worldY(bottom);
  return DrawBox::outward(std::fmin(x1, x2), std::fmin(y1, y2), std::fmax(x1, x2),
                          std::fmax(y1, y2));
}

// One pixel per dot: a dot whose pixel a dot of this paint already set is left out.
class DotPixels {
 public:
  explicit DotPixels(const DrawingArea& area)
      : size_(area.container_size()),
        position_(area.position_in_container()),
        set_(static_cast<std::size_t>(std::max(size_.width, 0)) *
             static_cast<std::size_t>(std::max(size_.height, 0))) {}

  // True the first time the pixel of the area point is asked for.
  bool claim(DevicePoint p) {
    const double x = std::floor(p.x + position_.x);
    const double y = std::floor(p.y + position_.y);
    if (!(x >= 0.0 && y >= 0.0 && x < size_.width && y < size_.height)) return false;
    const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(size_.width) +
                           static_cast<std::size_t>(x);
    if (set_[at]) return false;
    set_[at] = true;
    return true;
  }

 private:
  PixelSize size_;
  PixelPosition position_;
  std::vector<bool> set_;
};

const char* colourOf(const DXF_Zeichnung& document, const DrawItem& item) {
  switch (item.kind) {
    case DrawKind::Entity: return document.entities().at(item.object)->colour();
    // Every segment of a polyline has the polyline's looks.
    case DrawKind::PolylineSegment:
    case DrawKind::WholePolyline: return document.polylines().at(item.object)->looks().colour();
    case DrawKind::Insert: {
      const Layer* layer = document.inserts().at(item.object)->layer();
      return layer ? layer->colour() : kNoColour;
    }
    case DrawKind::Dimension: break;
  }
  return kNoColour;
}

void drawInFull(const DXF_Zeichnung& document, const DrawItem& item, DrawingArea& area,
                PlacementBudget& budget) {
  switch (item.kind) {
    case DrawKind::Entity: document.entities().at(item.object)->draw(area, 1.0, 0, 0, 0); break;
    case DrawKind::PolylineSegment:
      document.polylines().at(item.object)->segmentAt(item.part)->draw(area, 1.0, 0, 0, 0);
      break;
    case DrawKind::WholePolyline:
      document.polylines().at(item.object)->draw(area, 1.0, 0, 0, 0);
      break;
    case DrawKind::Insert:
      document.inserts().at(item.object)->draw(area, document.blocks(), 1.0, 0, 0, 0, &budget);
      break;
    case DrawKind::Dimension:
      document.dimensions().at(item.object)->draw(area, document.blocks(), 1.0, 0, 0, 0, &budget);
      break;
  }
}

const DXFText* textOf(const DXF_Zeichnung& document, const DrawItem& item) {
  if (item.kind != DrawKind::Entity) return nullptr;
  const DXFGeometrie* entity = document.entities().at(item.object);
  return std::strcmp(entity->typeName(), "TEXT") == 0 ? static_cast<const DXFText*>(entity)
                                                      : nullptr;
}

// A text too low to read: a line as long as its letters (the face's advance widths), through
// their middle; a text that fills its span, along the span.
void drawTextBar(const DXFText& text, DrawingArea& area) {
  const double height = text.height();
  WorldPoint origin{text.x2(), text.y2()};
  double degrees = text.drawnDirection();
  double start = 0.0;
  double length = 0.0;
  if (text.fillsItsSpan()) {
    origin = {text.x(), text.y()};
    degrees = std::atan2(text.y2() - text.y(), text.x2() - text.x()) * 180.0 / std::numbers::pi;
    length = std::hypot(text.x2() - text.x(), text.y2() - text.y());
  } else {
    const double widthFactor = text.widthFactor() > 0.0 ? text.widthFactor() : 1.0;
    length = TextWidths::of(text.text(), std::fabs(height), widthFactor);
    const TextHAlign h = DXFText::anchorHAlign(text.hAlign());
    if (h == TextHAlign::Centre) start = -length / 2.0;
    if (h == TextHAlign::Right) start = -length;
  }
  double middle = kBarHeight * height;
  if (DXFText::anchorVAlign(text.hAlign(), text.vAlign()) == TextVAlign::Top) middle -= height;
  // The letters of a mirrored text hang below its baseline.
  if (text.isMirrored()) middle = -middle;
  const auto turn = cosSinOfDegrees(degrees);
  const double c = turn.cos;
  const double s = turn.sin;
  const auto at = [&](double along) {
    return WorldPoint{origin.x + c * along - s * middle, origin.y + s * along + c * middle};
  };
  const WorldPoint from = at(start);
  const WorldPoint to = at(start + length);
  area.set_line_style(0);
  area.set_line_width(LineWeight::kThinPixels);
  area.set_drawing_foreground(text.colour());
  area.wc_line(from.x, from.y, to.x, to.y);
  DXFGeometrie::resetPenCache();
}

}  // namespace

IndexedDrawing::IndexedDrawing(const DXF_Zeichnung& document)
    : document_(document), index_(document), patterns_(document.linePatterns()) {}

bool IndexedDrawing::paint(DrawingArea& area, const PaintOptions& options) const {
  const AxisMap map(area);
  if (!map.usable()) return true;
  std::vector<std::uint32_t> found;
  index_.query(visibleBox(area, map), found);
  DXFGeometrie::resetPenCache();
  const LinePatterns* const previousPatterns = area.linePatterns();
  area.setLinePatterns(&patterns_);
  PlacementBudget budget = options.budget ? PlacementBudget(options.budget->units())
                                          : PlacementBudget::forDrawing(document_);
  const bool complete =
      paintFound(area, options, found, std::fabs(map.scaleX), std::fabs(map.scaleY), budget);
  if (options.budget) options.budget->addLeftOutOf(budget);
  area.setLinePatterns(previousPatterns);
  return complete;
}

bool IndexedDrawing::paintFound(DrawingArea& area, const PaintOptions& options,
                                const std::vector<std::uint32_t>& found, double pixelsX,
                                double pixelsY, PlacementBudget& budget) const {
  DotPixels dots(area);
  const std::vector<DrawItem>& items = index_.items();
  for (std::size_t n = 0; n < found.size(); ++n) {
    if (options.cancelled && n % kCancelStride == 0 &&
        options.cancelled->load(std::memory_order_relaxed)) {
      return false;
    }
    const DrawItem& item = items[found[n]];
    if (!options.levelOfDetail) {
      drawInFull(document_, item, area, budget);
      continue;
    }
    const DrawBox& box = item.box;
    if ((box.maxX - box.minX) * pixelsX < 1.0 && (box.maxY - box.minY) * pixelsY < 1.0) {
      const DevicePoint centre =
          area.wc_to_dc(0.5 * (box.minX + box.maxX), 0.5 * (box.minY + box.maxY));
      if (!dots.claim(centre)) continue;
      area.set_drawing_foreground(colourOf(document_, item));
      area.wc_dot(0.5 * (box.minX + box.maxX), 0.5 * (box.minY + box.maxY));
      DXFGeometrie::resetPenCache();
      continue;
    }
    const DXFText* text = textOf(document_, item);
    if (text && text->visible() && std::fabs(text->height()) * pixelsY < kThinTextPixels) {
      drawTextBar(*text, area);
      continue;
    }
    drawInFull(document_, item, area, budget);
  }
  return true;
}
