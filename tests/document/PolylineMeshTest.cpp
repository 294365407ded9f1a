// Tests of the meshes a POLYLINE holds: a polyface mesh draws the visible edges of its faces,
// a polygon mesh the rows and columns of its grid; saving and exploding keep the picture.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "document/DrawingExtents.h"
#include "document/PolylineMesh.h"

namespace {

using namespace documenttesting;
using polylinemesh::Edge;
using polylinemesh::Face;

std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs(const std::vector<Edge>& edges) {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> result;
  for (const Edge& edge : edges) result.emplace_back(edge.from, edge.to);
  return result;
}

struct PolyfaceCase {
  const char* name;
  std::vector<Face> faces;
  std::size_t positions;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> edges;
};

class PolyfaceEdges : public testing::TestWithParam<PolyfaceCase> {};

TEST_P(PolyfaceEdges, AreTheVisibleSidesOfTheFacesOnce) {
  const PolyfaceCase& c = GetParam();
  EXPECT_EQ(pairs(polylinemesh::polyfaceEdges(c.faces, c.positions)), c.edges);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PolyfaceEdges,
    testing::Values(
        PolyfaceCase{"quadrilateral", {{1, 2, 3, 4}}, 4, {{0, 1}, {1, 2}, {2, 3}, {3, 0}}},
        PolyfaceCase{"triangle", {{1, 2, 3, 0}}, 3, {{0, 1}, {1, 2}, {2, 0}}},
        // A negative number hides the edge that starts at its corner.
        PolyfaceCase{"hiddenSecondEdge", {{1, -2, 3, 4}}, 4, {{0, 1}, {2, 3}, {3, 0}}},
        // Two faces sharing the edge 2-3 draw it once.
        PolyfaceCase{"sharedEdge",
                     {{1, 2, 3, 0}, {3, 2, 4, 0}},
                     4,
                     {{0, 1}, {1, 2}, {2, 0}, {1, 3}, {3, 2}}},
        PolyfaceCase{"twoCorners", {{2, 3, 0, 0}}, 3, {{1, 2}}},
        // Numbers beyond the positions are left out; the rest still make a triangle.
        PolyfaceCase{"numberBeyondPositions", {{1, 2, 9, 3}}, 3, {{0, 1}, {1, 2}, {2, 0}}},
        PolyfaceCase{"allHidden", {{-1, -2, -3, 0}}, 3, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct GridCase {
  const char* name;
  int m, n;
  bool closedInM, closedInN;
  std::size_t vertices;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> edges;
};

class GridEdges : public testing::TestWithParam<GridCase> {};

TEST_P(GridEdges, JoinRowsAndColumns) {
  const GridCase& c = GetParam();
  EXPECT_EQ(pairs(polylinemesh::gridEdges(c.m, c.n, c.closedInM, c.closedInN, c.vertices)),
            c.edges);
}

// Vertices of a 2 x 3 mesh, row by row: 0 1 2 / 3 4 5.
INSTANTIATE_TEST_SUITE_P(
    Cases, GridEdges,
    testing::Values(
        GridCase{"open2x3",
                 2,
                 3,
                 false,
                 false,
                 6,
                 {{0, 1}, {1, 2}, {3, 4}, {4, 5}, {0, 3}, {1, 4}, {2, 5}}},
        GridCase{"closedInN",
                 2,
                 3,
                 false,
                 true,
                 6,
                 {{0, 1}, {1, 2}, {2, 0}, {3, 4}, {4, 5}, {5, 3}, {0, 3}, {1, 4}, {2, 5}}},
        GridCase{"closedInM3x2",
                 3,
                 2,
                 true,
                 false,
                 6,
                 {{0, 1}, {2, 3}, {4, 5}, {0, 2}, {2, 4}, {4, 0}, {1, 3}, {3, 5}, {5, 1}}},
        GridCase{"countMismatch", 2, 3, false, false, 5, {}}),
    [](const auto& info) { return std::string(info.param.name); });

std::string meshVertex(double x, double y, double z, int flags) {
  std::ostringstream out;
  out << "  0\nVERTEX\n  8\n0\n 10\n"
      << x << "\n 20\n"
      << y << "\n 30\n"
      << z << "\n 70\n"
      << flags << "\n";
  return out.str();
}

std::string faceRecord(const std::vector<int>& numbers) {
  std::string record = "  0\nVERTEX\n  8\n0\n 10\n0\n 20\n0\n 30\n0\n 70\n128\n";
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    record += " " + std::to_string(71 + i) + "\n" + std::to_string(numbers[i]) + "\n";
  }
  return record;
}

// A box seen from above: positions (2,1) (6,1) (6,4) (2,4) at two heights. The bottom face
// shows its four sides, the top face three (its second is hidden); the side face adds
// nothing: its lower and upper edges belong to those faces already, its upright ones have
// no length seen from above.
std::string polyface(const std::string& layer = "0") {
  const int position = polylinemesh::kMeshVertex | polylinemesh::kFaceRecord;
  return "  0\nPOLYLINE\n  8\n" + layer +
         "\n 62\n3\n 66\n1\n 10\n0\n 20\n0\n 30\n0\n 70\n64\n"
         " 71\n8\n 72\n3\n" +
         meshVertex(2, 1, 0, position) + meshVertex(6, 1, 0, position) +
         meshVertex(6, 4, 0, position) + meshVertex(2, 4, 0, position) +
         meshVertex(2, 1, 5, position) + meshVertex(6, 1, 5, position) +
         meshVertex(6, 4, 5, position) + meshVertex(2, 4, 5, position) + faceRecord({1, 2, 3, 4}) +
         faceRecord({5, -6, 7, 8}) + faceRecord({1, 2, 6, 5}) + "  0\nSEQEND\n  8\n0\n";
}

// A 2 x 3 polygon mesh over x = 0, 1, 3 and y = 0, 2, closed in N.
std::string polygonMesh() {
  const int v = polylinemesh::kMeshVertex;
  return "  0\nPOLYLINE\n  8\n0\n 62\n3\n 66\n1\n 10\n0\n 20\n0\n 30\n0\n 70\n48\n"
         " 71\n2\n 72\n3\n" +
         meshVertex(0, 0, 0, v) + meshVertex(1, 0, 0, v) + meshVertex(3, 0, 1, v) +
         meshVertex(0, 2, 0, v) + meshVertex(1, 2, 0, v) + meshVertex(3, 2, 1, v) +
         "  0\nSEQEND\n  8\n0\n";
}

std::string colouredLine(double x1, double y1, double x2, double y2) {
  return line(x1, y1, x2, y2) + " 62\n3\n";
}

struct MeshCase {
  const char* name;
  std::string mesh;
  // The same picture as plain lines, from the DXF definition of the mesh.
  std::string lines;
};

class MeshPicture : public testing::TestWithParam<MeshCase> {};

TEST_P(MeshPicture, IsItsEdgesAsLinesAndSurvivesSavingAndExploding) {
  const MeshCase& c = GetParam();
  auto document = readOk(dxfFile(c.mesh));
  const auto drawn = picture(*document);
  EXPECT_EQ(drawn, picture(*readOk(dxfFile(c.lines))));
  // Saved in the same kind, not as loose lines.
  auto reread = readOk(writtenText(*document));
  EXPECT_EQ(reread->polylines().count(), 1);
  EXPECT_EQ(picture(*reread), drawn);
  document->explodeAll();
  EXPECT_EQ(document->polylines().count(), 0);
  EXPECT_EQ(picture(*document), drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MeshPicture,
    testing::Values(
        MeshCase{"polyface", polyface(),
                 colouredLine(2, 1, 6, 1) + colouredLine(6, 1, 6, 4) + colouredLine(6, 4, 2, 4) +
                     colouredLine(2, 4, 2, 1) + colouredLine(2, 1, 6, 1) +
                     colouredLine(6, 4, 2, 4) + colouredLine(2, 4, 2, 1)},
        MeshCase{"polygonMesh", polygonMesh(),
                 colouredLine(0, 0, 1, 0) + colouredLine(1, 0, 3, 0) + colouredLine(3, 0, 0, 0) +
                     colouredLine(0, 2, 1, 2) + colouredLine(1, 2, 3, 2) +
                     colouredLine(3, 2, 0, 2) + colouredLine(0, 0, 0, 2) +
                     colouredLine(1, 0, 1, 2) + colouredLine(3, 0, 3, 2)}),
    [](const auto& info) { return std::string(info.param.name); });

// Placed by a mirrored, turned and scaled insert, exploding draws what the insert drew.
TEST(MeshInBlock, MirroredInsertAndExplodedDrawAlike) {
  for (const std::string& mesh : {polyface(), polygonMesh()}) {
    const std::string mirrored =
        "  0\nINSERT\n  8\n0\n  2\nM\n 10\n10\n 20\n5\n 41\n-2\n 42\n2\n 50\n30\n";
    auto document = readOk(dxfFile(mirrored, block("M", mesh)));
    const auto drawn = picture(*document);
    EXPECT_FALSE(drawn.empty());
    document->explodeAll();
    EXPECT_EQ(picture(*document), drawn);
  }
}

// Face records carry no point: the extents are those of the positions alone.
TEST(MeshExtents, LeaveOutTheFaceRecords) {
  auto document = readOk(dxfFile(polyface()));
  const DrawingExtents::Box box = DrawingExtents(*document).compute();
  ASSERT_FALSE(box.empty);
  EXPECT_DOUBLE_EQ(box.minX, 2.0);
  EXPECT_DOUBLE_EQ(box.minY, 1.0);
  EXPECT_DOUBLE_EQ(box.maxX, 6.0);
  EXPECT_DOUBLE_EQ(box.maxY, 4.0);
}

}  // namespace
