// The area that closed outlines enclose an odd number of times, cut into triangles.
#include "entities/EvenOddRegion.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace {

// A non-horizontal edge, lower end first.
struct Edge {
  WorldPoint low;
  WorldPoint high;
  double xAt(double y) const {
    const double t = (y - low.y) / (high.y - low.y);
    return low.x + t * (high.x - low.x);
  }
};

// A trapezoid still growing upwards: its edges and the bottom corners.
struct OpenTrapezoid {
  int left;
  int right;
  double bottomY;
  double bottomLeft;
  double bottomRight;
};

void emitTrapezoid(std::vector<Triangle>& out, const OpenTrapezoid& t,
                   const std::vector<Edge>& edges, double topY) {
  const WorldPoint a{t.bottomLeft, t.bottomY};
  const WorldPoint b{t.bottomRight, t.bottomY};
  const WorldPoint c{edges[t.right].xAt(topY), topY};
  const WorldPoint d{edges[t.left].xAt(topY), topY};
  if (b.x > a.x) out.push_back({a, b, c});
  if (c.x > d.x) out.push_back({a, c, d});
}

// Height strictly inside (y0, y1) where edges e and f cross, or NAN.
double crossingHeight(const Edge& e, const Edge& f, double y0, double y1) {
  const double d0 = e.xAt(y0) - f.xAt(y0);
  const double d1 = e.xAt(y1) - f.xAt(y1);
  if ((d0 > 0) == (d1 > 0) || d0 == d1) return NAN;
  const double y = y0 + (y1 - y0) * d0 / (d0 - d1);
  return y > y0 && y < y1 ? y : NAN;
}

// Whether p lies inside the ring by the even-odd rule.
bool holds(const Ring& ring, WorldPoint p) {
  bool inside = false;
  for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    const WorldPoint a = ring[i];
    const WorldPoint b = ring[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) / (b.y - a.y) * (b.x - a.x)) {
      inside = !inside;
    }
  }
  return inside;
}

}  // namespace

std::vector<int> nestingDepths(const std::vector<Ring>& rings) {
  std::vector<int> depths(rings.size(), 0);
  for (std::size_t i = 0; i < rings.size(); ++i) {
    if (rings[i].empty()) continue;
    for (std::size_t j = 0; j < rings.size(); ++j) {
      if (j != i && !rings[j].empty() && holds(rings[j], rings[i].front())) ++depths[i];
    }
  }
  return depths;
}

double triangleArea(const Triangle& t) {
  return 0.5 *
         std::fabs((t[1].x - t[0].x) * (t[2].y - t[0].y) - (t[2].x - t[0].x) * (t[1].y - t[0].y));
}

std::vector<Triangle> evenOddTriangles(const std::vector<Ring>& rings) {
  std::vector<Edge> edges;
  std::vector<double> heights;
  for (const Ring& ring : rings) {
    for (std::size_t i = 0; i < ring.size(); ++i) {
      const WorldPoint p = ring[i];
      const WorldPoint q = ring[(i + 1) % ring.size()];
      if (!std::isfinite(p.x + p.y + q.x + q.y)) continue;
      heights.push_back(p.y);
      if (p.y == q.y) continue;
      edges.push_back(p.y < q.y ? Edge{p, q} : Edge{q, p});
    }
  }
  std::vector<Triangle> out;
  if (edges.size() < 2) return out;
  std::sort(heights.begin(), heights.end());
  heights.erase(std::unique(heights.begin(), heights.end()), heights.end());
  std::vector<int> byLow(edges.size());
  for (std::size_t i = 0; i < edges.size(); ++i) byLow[i] = static_cast<int>(i);
  std::sort(byLow.begin(), byLow.end(),
            [&](int a, int b) { return edges[a].low.y < edges[b].low.y; });

  std::vector<int> active;
  std::size_t nextEdge = 0;
  std::map<std::pair<int, int>, OpenTrapezoid> open;
  int splits = 0;
  for (std::size_t h = 0; h + 1 < heights.size(); ++h) {
    double y0 = heights[h];
    const double slabTop = heights[h + 1];
    while (nextEdge < byLow.size() && edges[byLow[nextEdge]].low.y <= y0) {
      active.push_back(byLow[nextEdge++]);
    }
    std::erase_if(active, [&](int e) { return edges[e].high.y <= y0; });
    while (y0 < slabTop) {
      double y1 = slabTop;
      const double middle = 0.5 * (y0 + y1);
      std::sort(active.begin(), active.end(),
                [&](int a, int b) { return edges[a].xAt(middle) < edges[b].xAt(middle); });
      // Neighbours that cross inside the slab: the slab ends at the lowest crossing.
      if (splits < kMaxCrossingSplits) {
        for (std::size_t i = 0; i + 1 < active.size(); ++i) {
          const double y = crossingHeight(edges[active[i]], edges[active[i + 1]], y0, y1);
          if (!std::isnan(y)) y1 = y;
        }
        if (y1 < slabTop) {
          ++splits;
          std::sort(active.begin(), active.end(), [&](int a, int b) {
            const double m = 0.5 * (y0 + y1);
            return edges[a].xAt(m) < edges[b].xAt(m);
          });
        }
      }
      std::map<std::pair<int, int>, OpenTrapezoid> grown;
      for (std::size_t i = 0; i + 1 < active.size(); i += 2) {
        const std::pair<int, int> key{active[i], active[i + 1]};
        const auto found = open.find(key);
        if (found != open.end()) {
          grown.emplace(key, found->second);
          open.erase(found);
        } else {
          grown.emplace(key, OpenTrapezoid{key.first, key.second, y0, edges[key.first].xAt(y0),
                                           edges[key.second].xAt(y0)});
        }
      }
      // Trapezoids whose edges did not go on into this slab end at its bottom.
      for (const auto& [key, trapezoid] : open) emitTrapezoid(out, trapezoid, edges, y0);
      open.swap(grown);
      y0 = y1;
    }
  }
  const double top = heights.back();
  for (const auto& [key, trapezoid] : open) emitTrapezoid(out, trapezoid, edges, top);
  return out;
}
