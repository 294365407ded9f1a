// The lines of a hatch pattern, cut to the hatch's even-odd region.
#include "entities/HatchPattern.h"

#include <algorithm>
#include <cmath>

namespace {

// Edge visits (an edge met by a line) at most for one hatch.
constexpr double kMaxWork = 1e7;

struct Frame {
  WorldPoint along;   // unit direction of the lines
  WorldPoint across;  // unit normal
};

double dot(WorldPoint a, WorldPoint b) { return a.x * b.x + a.y * b.y; }
WorldPoint minus(WorldPoint a, WorldPoint b) { return {a.x - b.x, a.y - b.y}; }

// A ring edge seen in a line family's frame, from its base point: across (s) and along (t)
// for both ends.
struct FrameEdge {
  double sp, sq, tp, tq;
  double low() const { return std::min(sp, sq); }
  double high() const { return std::max(sp, sq); }
};

std::vector<FrameEdge> edgesInFrame(const std::vector<Ring>& rings, WorldPoint base,
                                    const Frame& f) {
  std::vector<FrameEdge> edges;
  for (const Ring& ring : rings) {
    for (std::size_t i = 0; i < ring.size(); ++i) {
      const WorldPoint p = minus(ring[i], base);
      const WorldPoint q = minus(ring[(i + 1) % ring.size()], base);
      edges.push_back({dot(p, f.across), dot(q, f.across), dot(p, f.along), dot(q, f.along)});
    }
  }
  std::sort(edges.begin(), edges.end(),
            [](const FrameEdge& a, const FrameEdge& b) { return a.low() < b.low(); });
  return edges;
}

// Appends the dashes of the stretch [t0, t1] of the line through `origin`; false when
// the budget is spent.
bool addDashes(std::vector<PatternStroke>& out, long budget, WorldPoint origin, const Frame& f,
               double t0, double t1, const std::vector<double>& dashes) {
  auto point = [&](double t) {
    return WorldPoint{origin.x + t * f.along.x, origin.y + t * f.along.y};
  };
  double period = 0.0;
  for (double d : dashes) period += std::fabs(d);
  if (dashes.empty() || !(period > 0.0)) {
    if (static_cast<long>(out.size()) >= budget) return false;
    out.push_back({point(t0), point(t1)});
    return true;
  }
  if (std::none_of(dashes.begin(), dashes.end(), [](double d) { return d >= 0.0; })) return true;
  // The pattern repeats from the line's origin, period by period (counted, so that far
  // from the origin a period below the numbers' precision still ends the loop).
  const double first = std::floor(t0 / period);
  const double periods = std::ceil(t1 / period) - first;
  if (!(periods <= static_cast<double>(budget))) return false;
  for (double k = 0; k < periods; k += 1.0) {
    double position = (first + k) * period;
    for (double d : dashes) {
      const double length = std::fabs(d);
      const double from = std::max(position, t0);
      const double to = std::min(position + length, t1);
      if ((d > 0.0 && from < to) || (d == 0.0 && position >= t0 && position <= t1)) {
        if (static_cast<long>(out.size()) >= budget) return false;
        out.push_back({point(d > 0.0 ? from : position), point(d > 0.0 ? to : position)});
      }
      position += length;
    }
  }
  return true;
}

}  // namespace

std::optional<std::vector<PatternStroke>> patternStrokes(const std::vector<PatternLine>& lines,
                                                         const std::vector<Ring>& rings,
                                                         long budget, bool dashed) {
  std::vector<PatternStroke> out;
  double work = 0.0;
  static const std::vector<double> solid;
  for (const PatternLine& line : lines) {
    const double radians = line.angle * M_PI / 180.0;
    const Frame f{{std::cos(radians), std::sin(radians)}, {-std::sin(radians), std::cos(radians)}};
    const double spacing = dot(line.offset, f.across);
    const double shift = dot(line.offset, f.along);
    const std::vector<FrameEdge> edges = edgesInFrame(rings, line.base, f);
    if (edges.empty() || !std::isfinite(spacing)) continue;
    double low = INFINITY;
    double high = -INFINITY;
    for (const FrameEdge& e : edges) {
      low = std::min(low, e.low());
      high = std::max(high, e.high());
    }
    // Lines that all fall on one another draw nothing useful.
    if (!(high >= low) || std::fabs(spacing) <= 1e-9 * std::max(1.0, high - low)) continue;
    // Line k lies at k * spacing across; the lines are taken from low to high.
    const double first = std::ceil(low / std::fabs(spacing));
    const double last = std::floor(high / std::fabs(spacing));
    if (!(last >= first)) continue;
    if (last - first + 1.0 > static_cast<double>(budget)) return std::nullopt;
    const long count = static_cast<long>(last - first) + 1;
    std::vector<FrameEdge> active;
    std::size_t next = 0;
    for (long i = 0; i < count; ++i) {
      const double level = (first + static_cast<double>(i)) * std::fabs(spacing);
      const double k =
          spacing > 0 ? first + static_cast<double>(i) : -(first + static_cast<double>(i));
      while (next < edges.size() && edges[next].low() <= level) active.push_back(edges[next++]);
      std::erase_if(active, [level](const FrameEdge& e) { return e.high() <= level; });
      work += static_cast<double>(active.size());
      if (work > kMaxWork) return std::nullopt;
      // Where line k enters and leaves the rings, along it from its own origin; a line
      // through a corner counts it once (half-open edges).
      std::vector<double> at;
      for (const FrameEdge& e : active) {
        if ((e.sp > level) == (e.sq > level)) continue;
        at.push_back(e.tp + (e.tq - e.tp) * (level - e.sp) / (e.sq - e.sp) - k * shift);
      }
      std::sort(at.begin(), at.end());
      const WorldPoint origin{line.base.x + k * line.offset.x, line.base.y + k * line.offset.y};
      for (std::size_t j = 0; j + 1 < at.size(); j += 2) {
        if (!(at[j + 1] > at[j])) continue;
        if (!addDashes(out, budget, origin, f, at[j], at[j + 1], dashed ? line.dashes : solid)) {
          return std::nullopt;
        }
      }
    }
  }
  return out;
}
