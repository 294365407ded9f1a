// The vertices of a polyline, kept as compact arrays.
#include "document/PolylineVertices.h"

#include <cmath>

bool PolylineVertices::isWide(std::size_t index) const {
  // A negative width draws as wide as its size.
  return !widths_.empty() && (widths_[index].start != 0.0 || widths_[index].end != 0.0);
}

Punkt PolylineVertices::point(std::size_t index) const {
  const Vertex& vertex = points_[index];
  Punkt point(vertex.x, vertex.y);
  point.setBulge(vertex.bulge);
  point.setWidths(startWidth(index), endWidth(index));
  return point;
}

void PolylineVertices::setWidths(std::size_t index, double start, double end) {
  if (widths_.empty() && start == 0.0 && end == 0.0) return;
  widths_.resize(points_.size());
  widths_[index] = {start, end};
}

void PolylineVertices::append(const PolylineVertices& more) {
  if (more.empty()) return;
  std::vector<Vertex> points;
  points.reserve(points_.size() + more.points_.size());
  points.insert(points.end(), points_.begin(), points_.end());
  points.insert(points.end(), more.points_.begin(), more.points_.end());
  if (!widths_.empty() || !more.widths_.empty()) {
    std::vector<Widths> widths(points.size());
    for (std::size_t i = 0; i < widths_.size(); ++i) widths[i] = widths_[i];
    for (std::size_t i = 0; i < more.widths_.size(); ++i)
      widths[points_.size() + i] = more.widths_[i];
    widths_.swap(widths);
  }
  points_.swap(points);
}

void PolylineVertices::clear(std::size_t keptCapacity) {
  points_.clear();
  widths_.clear();
  if (points_.capacity() > keptCapacity) std::vector<Vertex>().swap(points_);
  if (widths_.capacity() > keptCapacity) std::vector<Widths>().swap(widths_);
}

void PolylineVertices::shrinkToFit() {
  points_.shrink_to_fit();
  widths_.shrink_to_fit();
}

void PolylineVertices::transform(double s, double a, double dx, double dy, double dz) {
  for (std::size_t i = 0; i < points_.size(); ++i) {
    Vertex& vertex = points_[i];
    Punkt placed(vertex.x, vertex.y);
    placed.transform(s, a, dx, dy, dz);
    vertex.x = placed.x();
    vertex.y = placed.y();
    if (s < 0) vertex.bulge = -vertex.bulge;
  }
  for (Widths& widths : widths_) {
    widths.start *= std::fabs(s);
    widths.end *= std::fabs(s);
  }
}
