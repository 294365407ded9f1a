// Lines without an end: XLINE and RAY.
#include "entities/ConstructionLine.h"

#include <algorithm>
#include <cmath>
#include <ostream>

#include "entities/Punkt.h"
#include "entities/VisibleWorld.h"

thread_local WorldBox ConstructionLine::savingBox_;

ConstructionLine::ConstructionLine(Reach reach) : reach_(reach) {}

ConstructionLine::ConstructionLine(const ConstructionLine& other)
    : PointMappedEntity(other), reach_(other.reach_), base_(other.base_), through_(other.through_) {
  setColourNumber(other.colourNumber_);
}

ConstructionLine::SavingWindow::SavingWindow(const WorldBox& box) : previous_(savingBox_) {
  savingBox_ = box;
}

ConstructionLine::SavingWindow::~SavingWindow() { savingBox_ = previous_; }

const char* ConstructionLine::typeName() const {
  return reach_ == Reach::BothWays ? "XLINE" : "RAY";
}

WorldPoint ConstructionLine::direction() const {
  const double dx = through_.x - base_.x;
  const double dy = through_.y - base_.y;
  const double length = std::hypot(dx, dy);
  if (!(length > 0.0) || !std::isfinite(length)) return {1.0, 0.0};
  return {dx / length, dy / length};
}

std::optional<std::pair<WorldPoint, WorldPoint>> ConstructionLine::within(
    const WorldBox& box) const {
  if (box.empty()) return std::nullopt;
  const WorldPoint d = direction();
  double low = reach_ == Reach::BothWays ? -INFINITY : 0.0;
  double high = INFINITY;
  // Each axis keeps the parameters whose points lie between its two box edges.
  const auto slab = [&](double p, double step, double min, double max) {
    if (step == 0.0) return p >= min && p <= max;
    const double t1 = (min - p) / step;
    const double t2 = (max - p) / step;
    low = std::max(low, std::min(t1, t2));
    high = std::min(high, std::max(t1, t2));
    return low <= high;
  };
  if (!slab(base_.x, d.x, box.minX, box.maxX) || !slab(base_.y, d.y, box.minY, box.maxY)) {
    return std::nullopt;
  }
  if (!std::isfinite(low) || !std::isfinite(high)) return std::nullopt;
  return std::make_pair(WorldPoint{base_.x + d.x * low, base_.y + d.y * low},
                        WorldPoint{base_.x + d.x * high, base_.y + d.y * high});
}

ConstructionLine ConstructionLine::placed(double s, double a, double dx, double dy) const {
  ConstructionLine line(*this);
  line.mapPoints([=](WorldPoint p) { return place(p.x, p.y, s, a, dx, dy); });
  return line;
}

void ConstructionLine::mapPoints(const std::function<WorldPoint(WorldPoint)>& map) {
  base_ = map(base_);
  through_ = map(through_);
}

int ConstructionLine::touchesWindow(double minX, double minY, double maxX, double maxY) const {
  return within({minX, minY, maxX, maxY}) ? 1 : 0;
}

void ConstructionLine::draw(DrawingArea& area, double s, double dx, double dy, double a) const {
  if (!visible_) return;
  const std::optional<VisibleWorld> visible = visibleWorld(area);
  if (!visible) return;
  const auto seen = placed(s, a, dx, dy).within(visible->window);
  if (!seen) return;
  selectPen(area);
  area.wc_line(seen->first.x, seen->first.y, seen->second.x, seen->second.y);
}

void ConstructionLine::drawOnDevice(DeviceContext& dc, double s, double minX, double minY,
                                    double maxX, double maxY, double dx, double dy,
                                    double a) const {
  if (!visible_) return;
  const double k = fitFactor(dc, minX, minY, maxX, maxY);
  if (!(k > 0.0) || !std::isfinite(k)) return;
  const WorldBox window{minX, maxY - dc.height_resolution() / k, minX + dc.width_resolution() / k,
                        maxY};
  const auto seen = placed(s, a, dx, dy).within(window);
  if (!seen) return;
  dc.set_orientation(DeviceContext::kLineOrientation);
  selectPen(dc);
  dc.line(k * (seen->first.x - minX), k * (maxY - seen->first.y), k * (seen->second.x - minX),
          k * (maxY - seen->second.y));
}

int ConstructionLine::readGroups(DxfLineReader& in) {
  setColourNumber("256");
  WorldPoint direction{1.0, 0.0};
  const int result = readGroupLoop(in, kEndOfFile, true, [&](int code, DxfLineReader& line) {
    switch (code) {
      case 10: base_.x = readDouble(line); return true;
      case 20: base_.y = readDouble(line); return true;
      case 11: direction.x = readDouble(line); return true;
      case 21: direction.y = readDouble(line); return true;
      default: return false;
    }
  });
  if (result != 0) return result;
  const double length = std::hypot(direction.x, direction.y);
  if (length > 0.0 && std::isfinite(length))
    direction = {direction.x / length, direction.y / length};
  else
    direction = {1.0, 0.0};
  through_ = {base_.x + direction.x, base_.y + direction.y};
  deriveColour();
  return 0;
}

int ConstructionLine::writeGroups(std::ostream& out) const {
  const WorldBox box = savingBox_.empty()
                           ? WorldBox{base_.x - 1.0, base_.y - 1.0, base_.x + 1.0, base_.y + 1.0}
                           : savingBox_;
  const auto crossing = within(box);
  if (!crossing) return 0;
  writeHead(out, true, "LINE");
  out << " 10\n"
      << crossing->first.x << "\n 20\n"
      << crossing->first.y << "\n 30\n0\n 11\n"
      << crossing->second.x << "\n 21\n"
      << crossing->second.y << "\n 31\n0\n";
  writeEnd(out);
  return 0;
}

Punkt ConstructionLine::maxCorner() const { return Punkt(base_.x, base_.y); }

Punkt ConstructionLine::minCorner() const { return Punkt(base_.x, base_.y); }
