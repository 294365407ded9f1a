// Line and polygon clipping against the addressable box of the Cairo painter.
#include "toolkit/paint/DeviceClip.h"

#include <cmath>

bool DeviceClip::clipSegment(DevicePoint& a, DevicePoint& b, double& cutAtStart) const {
  // Liang-Barsky: the segment is a + t (b - a), 0 <= t <= 1, narrowed edge by edge.
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  double t0 = 0.0;
  double t1 = 1.0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x + limit_, limit_ - a.x, a.y + limit_, limit_ - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;  // parallel to this edge and outside it
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
  }
  const DevicePoint start{a.x + t0 * dx, a.y + t0 * dy};
  const DevicePoint end{a.x + t1 * dx, a.y + t1 * dy};
  cutAtStart = t0 * std::hypot(dx, dy);
  a = start;
  b = end;
  return true;
}

std::vector<DevicePoint> DeviceClip::clipPolygon(const DevicePoint* points, int count) const {
  std::vector<DevicePoint> current(points, points + (count > 0 ? count : 0));
  // Sutherland-Hodgman against the four edges; each edge is "coordinate * sign <= limit".
  struct Edge {
    bool useX;
    double sign;
  };
  const Edge edges[4] = {{true, 1.0}, {true, -1.0}, {false, 1.0}, {false, -1.0}};
  for (const Edge& edge : edges) {
    if (current.empty()) break;
    auto value = [&](const DevicePoint& p) { return (edge.useX ? p.x : p.y) * edge.sign; };
    std::vector<DevicePoint> next;
    next.reserve(current.size() + 4);
    for (std::size_t i = 0; i < current.size(); ++i) {
      const DevicePoint& from = current[i];
      const DevicePoint& to = current[(i + 1) % current.size()];
      const bool fromIn = value(from) <= limit_;
      const bool toIn = value(to) <= limit_;
      if (fromIn) next.push_back(from);
      if (fromIn != toIn) {
        const double t = (limit_ - value(from)) / (value(to) - value(from));
        next.push_back({from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)});
      }
    }
    current = std::move(next);
  }
  return current;
}
