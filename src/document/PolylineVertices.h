// The vertices of a polyline, kept as compact arrays.
#pragma once

#include <cstddef>
#include <vector>

#include "entities/Punkt.h"

// Each vertex costs its coordinates and bulge; the widths (groups 40 and 41) take room only
// once a vertex of the polyline has one. A file of long polylines thus takes little more
// memory than its text.
class PolylineVertices {
 public:
  struct Vertex {
    double x = 0.0;
    double y = 0.0;
    double bulge = 0.0;
  };

  std::size_t size() const { return points_.size(); }
  bool empty() const { return points_.empty(); }
  const Vertex& operator[](std::size_t index) const { return points_[index]; }
  Vertex& operator[](std::size_t index) { return points_[index]; }
  Vertex& back() { return points_.back(); }
  double startWidth(std::size_t index) const {
    return widths_.empty() ? 0.0 : widths_[index].start;
  }
  double endWidth(std::size_t index) const { return widths_.empty() ? 0.0 : widths_[index].end; }
  // True when some vertex has a width of its own.
  bool anyWidth() const { return !widths_.empty(); }
  // True when the segment from the vertex has a width at either end (groups 40 and 41).
  bool isWide(std::size_t index) const;

  // The vertex as a point with its bulge and widths.
  Punkt point(std::size_t index) const;

  // Appends a vertex at (x, y), bulge and widths 0.
  void add(double x, double y) {
    points_.push_back({x, y, 0.0});
    if (!widths_.empty()) widths_.emplace_back();
  }
  void setWidths(std::size_t index, double start, double end);
  // Appends every vertex of `more`.
  void append(const PolylineVertices& more);
  // Empties the arrays; keeps their room unless it holds more than `keptCapacity` vertices.
  void clear(std::size_t keptCapacity);
  // Gives back the room beyond the vertices held.
  void shrinkToFit();

  // Moves every vertex as a point's transform does; widths grow with |s|, and a mirror
  // (negative s) turns every arc the other way round.
  void transform(double s, double a, double dx, double dy, double dz);

 private:
  struct Widths {
    double start = 0.0;
    double end = 0.0;
  };

  std::vector<Vertex> points_;
  // Empty, or one entry per vertex.
  std::vector<Widths> widths_;
};
