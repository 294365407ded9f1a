// The boundary paths of a HATCH, read from its groups and flattened into closed rings.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "entities/EvenOddRegion.h"

// The group pairs of one entity in file order, read one after another. HATCH uses the
// same codes for different things in different places (10/20 are the elevation, then
// vertices, then seed points), so its groups are taken in order rather than by code.
class GroupCursor {
 public:
  using Pair = std::pair<int, std::string>;
  explicit GroupCursor(const std::vector<Pair>& pairs) : pairs_(pairs) {}

  bool done() const { return next_ >= pairs_.size(); }
  // The code of the next pair, or -1 at the end.
  int peek() const { return done() ? -1 : pairs_[next_].first; }
  // The code of the pair after the next, or -1.
  int peekSecond() const { return next_ + 1 < pairs_.size() ? pairs_[next_ + 1].first : -1; }
  // The next pair's value, and the cursor moves past it.
  double real();
  int integer();
  // The next pair's value when its code is `code`, else `otherwise` (nothing is taken).
  double realIf(int code, double otherwise);
  int integerIf(int code, int otherwise);
  void skip() { ++next_; }

 private:
  const std::vector<Pair>& pairs_;
  std::size_t next_ = 0;
};

// Arcs and ellipse arcs are cut into chords no further than this part of their radius
// from the curve (about a hundred chords per full circle).
constexpr double kRelativeChordError = 5e-4;
// No path takes more points than this; a longer one keeps its first ones.
constexpr std::size_t kMaxPathPoints = 200000;

// Reads `count` boundary paths (each from its group 92 on) and returns each as a ring:
// polyline paths with their bulges, and edge paths of lines, circular arcs, elliptic arcs
// and splines joined in their order. Clockwise arcs (group 73 = 0) store complementary
// angles (360 - angle), as CAD programs write them. Paths with fewer than three points are
// left out.
std::vector<Ring> readBoundaryPaths(GroupCursor& cursor, int count);

// The points of an elliptic arc from parameter t0 sweeping `sweep` radians (negative:
// clockwise), both ends included: centre + major * cos t + minor * sin t.
void appendEllipticArc(Ring& ring, WorldPoint centre, WorldPoint major, WorldPoint minor, double t0,
                       double sweep);
// The points of the arc from `from` to `to` with the DXF bulge (tan of a quarter of the
// included angle, positive counter-clockwise), `from` excluded, `to` included.
void appendBulgeArc(Ring& ring, WorldPoint from, WorldPoint to, double bulge);
