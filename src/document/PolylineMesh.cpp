// The edges of the two mesh kinds a POLYLINE can hold: polyface meshes and M x N polygon
// meshes.
#include "document/PolylineMesh.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

#include "dxf/GroupLines.h"

namespace polylinemesh {

namespace {

constexpr int kFirstFaceCode = 71;
constexpr int kLastFaceCode = 74;

}  // namespace

int VertexRecord::read(DxfLineReader& in, int endOfFile) {
  *this = VertexRecord{};
  for (;;) {
    const int code = in.readGroupCode(GroupCodeVariant::Standard);
    if (in.eof()) return endOfFile;
    if (code == 0) return 0;
    switch (code) {
      case 10: x = in.readReal(); break;
      case 20: y = in.readReal(); break;
      case 70: flags = static_cast<std::int32_t>(parseInt(in.readLine())); break;
      default:
        if (code >= kFirstFaceCode && code <= kLastFaceCode) {
          face[static_cast<std::size_t>(code - kFirstFaceCode)] =
              static_cast<std::int32_t>(parseInt(in.readLine()));
        } else {
          in.readLine();
        }
        break;
    }
  }
}

std::vector<Edge> polyfaceEdges(const std::vector<Face>& faces, std::size_t positionCount) {
  std::vector<Edge> edges;
  std::set<std::pair<std::uint32_t, std::uint32_t>> seen;
  for (const Face& face : faces) {
    // The corners in use, each with whether the edge starting there is shown.
    std::vector<std::pair<std::uint32_t, bool>> corners;
    for (const std::int32_t number : face) {
      const std::int64_t position = std::llabs(static_cast<std::int64_t>(number));
      if (position == 0 || static_cast<std::size_t>(position) > positionCount) continue;
      corners.emplace_back(static_cast<std::uint32_t>(position - 1), number > 0);
    }
    const std::size_t count = corners.size();
    // Two corners make one edge, not the same edge there and back.
    const std::size_t edgeCount = count == 2 ? 1 : (count < 2 ? 0 : count);
    for (std::size_t i = 0; i < edgeCount; ++i) {
      const auto [from, shown] = corners[i];
      const std::uint32_t to = corners[(i + 1) % count].first;
      if (!shown || from == to) continue;
      if (seen.insert({std::min(from, to), std::max(from, to)}).second) edges.push_back({from, to});
    }
  }
  return edges;
}

std::vector<Edge> gridEdges(std::int32_t m, std::int32_t n, bool closedInM, bool closedInN,
                            std::size_t vertexCount) {
  std::vector<Edge> edges;
  if (m < 1 || n < 1 || static_cast<std::size_t>(m) * static_cast<std::size_t>(n) != vertexCount) {
    return edges;
  }
  const auto at = [n](std::int32_t row, std::int32_t column) {
    return static_cast<std::uint32_t>(row * n + column);
  };
  for (std::int32_t row = 0; row < m; ++row) {
    for (std::int32_t column = 0; column + 1 < n; ++column) {
      edges.push_back({at(row, column), at(row, column + 1)});
    }
    if (closedInN && n > 2) edges.push_back({at(row, n - 1), at(row, 0)});
  }
  for (std::int32_t column = 0; column < n; ++column) {
    for (std::int32_t row = 0; row + 1 < m; ++row) {
      edges.push_back({at(row, column), at(row + 1, column)});
    }
    if (closedInM && m > 2) edges.push_back({at(m - 1, column), at(0, column)});
  }
  return edges;
}

}  // namespace polylinemesh
