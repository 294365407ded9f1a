// The lines of a hatch pattern, cut to the hatch's even-odd region.
#include "entities/HatchPattern.h"

#include <algorithm>
#include <cmath>

namespace {

// Lines times ring edges visited at most for one hatch.
constexpr double kMaxWork = 5e7;

struct Frame {
  WorldPoint along;   // unit direction of the lines
  WorldPoint across;  // unit normal
};

double dot(WorldPoint a, WorldPoint b) { return a.x * b.x + a.y * b.y; }
WorldPoint minus(WorldPoint a, WorldPoint b) { return {a.x - b.x, a.y - b.y}; }

// Where the line through `origin` along the frame enters and leaves the rings: sorted
// distances along it; pairs of them bound the inside.
std::vector<double> crossings(const std::vector<Ring>& rings, WorldPoint origin, const Frame& f) {
  std::vector<double> at;
  for (const Ring& ring : rings) {
    for (std::size_t i = 0; i < ring.size(); ++i) {
      const WorldPoint p = minus(ring[i], origin);
      const WorldPoint q = minus(ring[(i + 1) % ring.size()], origin);
      const double sp = dot(p, f.across);
      const double sq = dot(q, f.across);
      // Half-open, so a line through a corner counts it once.
      if ((sp > 0.0) == (sq > 0.0)) continue;
      const double tp = dot(p, f.along);
      const double tq = dot(q, f.along);
      at.push_back(tp + (tq - tp) * sp / (sp - sq));
    }
  }
  std::sort(at.begin(), at.end());
  return at;
}

// Appends the dashes of the stretch [t0, t1] of the line through `origin`; false when
// the budget is spent.
bool addDashes(std::vector<PatternStroke>& out, long budget, WorldPoint origin, const Frame& f,
               double t0, double t1, const std::vector<double>& dashes) {
  auto point = [&](double t) { return WorldPoint{origin.x + t * f.along.x, origin.y + t * f.along.y}; };
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
  std::size_t edgeCount = 0;
  for (const Ring& ring : rings) edgeCount += ring.size();
  double work = 0.0;
  for (const PatternLine& line : lines) {
    const double radians = line.angle * M_PI / 180.0;
    const Frame f{{std::cos(radians), std::sin(radians)}, {-std::sin(radians), std::cos(radians)}};
    const double spacing = dot(line.offset, f.across);
    double low = INFINITY;
    double high = -INFINITY;
    for (const Ring& ring : rings) {
      for (const WorldPoint& p : ring) {
        const double s = dot(minus(p, line.base), f.across);
        low = std::min(low, s);
        high = std::max(high, s);
      }
    }
    if (!(high >= low) || !std::isfinite(spacing)) continue;
    // Lines that all fall on one another draw nothing useful.
    if (std::fabs(spacing) <= 1e-9 * std::max(1.0, high - low)) continue;
    const double first = std::ceil(std::min(low / spacing, high / spacing));
    const double last = std::floor(std::max(low / spacing, high / spacing));
    if (!(last >= first)) continue;
    work += (last - first + 1.0) * static_cast<double>(edgeCount);
    if (work > kMaxWork || last - first + 1.0 > static_cast<double>(budget)) return std::nullopt;
    const long count = static_cast<long>(last - first) + 1;
    for (long i = 0; i < count; ++i) {
      const double k = first + static_cast<double>(i);
      const WorldPoint origin{line.base.x + k * line.offset.x, line.base.y + k * line.offset.y};
      const std::vector<double> at = crossings(rings, origin, f);
      for (std::size_t i = 0; i + 1 < at.size(); i += 2) {
        if (!(at[i + 1] > at[i])) continue;
        static const std::vector<double> solid;
        if (!addDashes(out, budget, origin, f, at[i], at[i + 1], dashed ? line.dashes : solid)) {
          return std::nullopt;
        }
      }
    }
  }
  return out;
}
