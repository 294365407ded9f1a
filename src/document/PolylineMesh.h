// The edges of the two mesh kinds a POLYLINE can hold: polyface meshes and M x N polygon
// meshes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class DxfLineReader;

namespace polylinemesh {

// POLYLINE flags (group 70) of the mesh kinds, and the flag that closes a polygon mesh in
// its N direction (the closed flag 1 closes it in M).
enum PolylineFlag : std::int32_t {
  kPolygonMesh = 16,
  kClosedInN = 32,
  kPolyfaceMesh = 64,
};

// VERTEX flags (group 70): a polyface mesh's positions carry both, its faces only
// kFaceRecord; a polygon mesh's vertices carry kMeshVertex.
enum VertexFlag : std::int32_t {
  kMeshVertex = 64,
  kFaceRecord = 128,
};

// One face of a polyface mesh: up to four 1-based position numbers (groups 71 to 74), 0
// where unused; a negative number hides the edge that starts at that corner.
using Face = std::array<std::int32_t, 4>;

// A VERTEX record of a mesh as read: its point, flags and face numbers.
struct VertexRecord {
  double x = 0.0;
  double y = 0.0;
  std::int32_t flags = 0;
  Face face{};

  // A face record (flag kFaceRecord without kMeshVertex) rather than a position.
  bool isFace() const { return (flags & kFaceRecord) != 0 && (flags & kMeshVertex) == 0; }
  // Reads the groups after "VERTEX" up to the next group code 0; 0 or `endOfFile`.
  int read(DxfLineReader& in, int endOfFile);
};

// An edge between two vertices (0-based).
struct Edge {
  std::uint32_t from;
  std::uint32_t to;
};

// The visible edges of `faces` over `positionCount` positions, each edge shared by faces
// once. Corners numbering no position (0, or beyond the count) are left out; a face of
// two corners is the one edge between them.
std::vector<Edge> polyfaceEdges(const std::vector<Face>& faces, std::size_t positionCount);

// The edges of an M x N polygon mesh whose vertices are stored row by row (M rows of N):
// along each row, closed when `closedInN`, and along each column, closed when `closedInM`.
// Nothing when the count does not hold M x N vertices.
std::vector<Edge> gridEdges(std::int32_t m, std::int32_t n, bool closedInM, bool closedInN,
                            std::size_t vertexCount);

}  // namespace polylinemesh
