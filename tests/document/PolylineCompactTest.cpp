// Tests of polylines kept as compact vertices, with segments made when asked for: vertex
// order, bulges, widths, closing, looks, long polylines and the round trip through saving.
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/DXF_Zeichnung.h"
#include "document/Polylinie.h"
#include "document/PolylineVertices.h"
#include "dxf/GroupLines.h"
#include "DocumentTesting.h"

namespace {

using documenttesting::dxfFile;
using documenttesting::layerEntry;
using documenttesting::readOk;
using documenttesting::writtenText;

struct Vertex {
  double x, y, bulge, startWidth, endWidth;
};

// A POLYLINE record with VERTEX records, or an LWPOLYLINE record, from its type name line on.
std::string polylineText(bool lightweight, const std::string& layer, int flags,
                         const std::vector<Vertex>& vertices, const std::string& looks = "") {
  std::ostringstream out;
  out.precision(17);
  if (lightweight) {
    out << "  0\nLWPOLYLINE\n  8\n"
        << layer << "\n"
        << looks << " 90\n"
        << vertices.size() << "\n 70\n"
        << flags << "\n";
    for (const Vertex& v : vertices) {
      out << " 10\n" << v.x << "\n 20\n" << v.y << "\n";
      if (v.startWidth != 0.0) out << " 40\n" << v.startWidth << "\n";
      if (v.endWidth != 0.0) out << " 41\n" << v.endWidth << "\n";
      if (v.bulge != 0.0) out << " 42\n" << v.bulge << "\n";
    }
    return out.str();
  }
  out << "  0\nPOLYLINE\n  8\n" << layer << "\n" << looks << " 66\n1\n 70\n" << flags << "\n";
  for (const Vertex& v : vertices) {
    out << "  0\nVERTEX\n  8\n" << layer << "\n 10\n" << v.x << "\n 20\n" << v.y << "\n";
    if (v.startWidth != 0.0) out << " 40\n" << v.startWidth << "\n";
    if (v.endWidth != 0.0) out << " 41\n" << v.endWidth << "\n";
    if (v.bulge != 0.0) out << " 42\n" << v.bulge << "\n";
  }
  out << "  0\nSEQEND\n  8\n" << layer << "\n";
  return out.str();
}

// The polylines' vertices and segments as text, for comparing two documents.
std::string outlineOf(const DXF_Zeichnung& document) {
  std::ostringstream out;
  out.precision(12);
  for (int i = 0; i < document.polylines().count(); ++i) {
    const Polylinie& polyline = *document.polylines().at(i);
    out << polyline.layerName() << " flags " << polyline.flags() << ":";
    for (int k = 0; k < polyline.vertexCount(); ++k) {
      const Punkt v = polyline.vertexAt(k);
      out << " (" << v.x() << " " << v.y() << " " << v.bulge() << " " << v.startWidth() << " "
          << v.endWidth() << ")";
    }
    for (int k = 0; k < polyline.segmentCount(); ++k) {
      const PolylineSegment segment = polyline.segmentAt(k);
      const Punkt start = segment->pointAt(0.0);
      const Punkt end = segment->pointAt(1.0);
      out << " " << segment->typeName() << "[" << start.x() << " " << start.y() << " - " << end.x()
          << " " << end.y() << "]";
    }
    out << "\n";
  }
  return out.str();
}

struct ShapeCase {
  const char* name;
  int flags;
  std::vector<Vertex> vertices;
  // Kinds of the segments, in order, and the vertices each joins.
  std::vector<const char*> kinds;
  std::vector<std::pair<int, int>> ends;
};

const std::vector<ShapeCase>& shapeCases() {
  static const std::vector<ShapeCase> cases = {
      {"open lines",
       0,
       {{0, 0, 0, 0, 0}, {10, 0, 0, 0, 0}, {10, 5, 0, 0, 0}},
       {"LINE", "LINE"},
       {{0, 1}, {1, 2}}},
      {"closed with arcs",
       1,
       {{0, 0, 0.5, 0, 0}, {10, 0, 0, 0, 0}, {10, 5, -1, 0, 0}, {0, 5, 0, 0, 0}},
       {"ARC", "LINE", "ARC", "LINE"},
       {{0, 1}, {1, 2}, {2, 3}, {3, 0}}},
      // The bulge of a vertex on top of the next one is lost with its segment.
      {"coincident vertices left out",
       1,
       {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {3, 4, 0.25, 0, 0}, {3, 4, -0.5, 0, 0}, {6, 0, 0, 0, 0}},
       {"LINE", "ARC", "LINE"},
       {{1, 2}, {3, 4}, {4, 0}}},
      {"widths on one vertex",
       0,
       {{0, 0, 0, 0, 0}, {10, 0, 0, 2, 4}, {20, 0, 0, 0, 0}},
       {"LINE", "LINE"},
       {{0, 1}, {1, 2}}},
  };
  return cases;
}

// Each shape, read as POLYLINE and as LWPOLYLINE, keeps its vertices in order with their
// bulges and widths, makes its segments between the right vertices, and comes back the same
// after saving and reading again.
TEST(PolylineCompact, ShapesKeepVerticesSegmentsAndRoundTrip) {
  for (const ShapeCase& shape : shapeCases()) {
    for (bool lightweight : {false, true}) {
      SCOPED_TRACE(std::string(shape.name) + (lightweight ? " LWPOLYLINE" : " POLYLINE"));
      auto document = readOk(dxfFile(polylineText(lightweight, "EDGE", shape.flags, shape.vertices),
                                     "", layerEntry("EDGE", 3)));
      ASSERT_EQ(document->polylines().count(), 1);
      const Polylinie& polyline = *document->polylines().at(0);
      ASSERT_EQ(polyline.vertexCount(), static_cast<int>(shape.vertices.size()));
      for (int k = 0; k < polyline.vertexCount(); ++k) {
        const Vertex& expected = shape.vertices[static_cast<std::size_t>(k)];
        const Punkt v = polyline.vertexAt(k);
        EXPECT_DOUBLE_EQ(v.x(), expected.x) << k;
        EXPECT_DOUBLE_EQ(v.y(), expected.y) << k;
        EXPECT_DOUBLE_EQ(v.bulge(), expected.bulge) << k;
        EXPECT_DOUBLE_EQ(v.startWidth(), expected.startWidth) << k;
        EXPECT_DOUBLE_EQ(v.endWidth(), expected.endWidth) << k;
      }
      EXPECT_EQ(polyline.isClosed(), (shape.flags & Polylinie::kClosedFlag) != 0);
      ASSERT_EQ(polyline.segmentCount(), static_cast<int>(shape.kinds.size()));
      // Each segment joins its two vertices (an arc runs counter-clockwise, so it may start
      // at either).
      for (int k = 0; k < polyline.segmentCount(); ++k) {
        const PolylineSegment segment = polyline.segmentAt(k);
        const auto [from, to] = shape.ends[static_cast<std::size_t>(k)];
        EXPECT_STREQ(segment->typeName(), shape.kinds[static_cast<std::size_t>(k)]) << k;
        EXPECT_STREQ(segment->layerName(), "EDGE");
        const Punkt start = segment->pointAt(0.0);
        const Punkt end = segment->pointAt(1.0);
        const Vertex& a = shape.vertices[static_cast<std::size_t>(from)];
        const Vertex& b = shape.vertices[static_cast<std::size_t>(to)];
        const auto near = [](const Punkt& p, const Vertex& v) {
          return std::hypot(p.x() - v.x, p.y() - v.y) < 1e-9;
        };
        EXPECT_TRUE((near(start, a) && near(end, b)) || (near(start, b) && near(end, a))) << k;
      }
      EXPECT_EQ(polyline.isWide(), shape.vertices[1].startWidth != 0.0);

      const std::string saved = writtenText(*document);
      auto again = readOk(saved);
      EXPECT_EQ(outlineOf(*again), outlineOf(*document));
      EXPECT_EQ(writtenText(*again), saved);
    }
  }
}

// A wide segment becomes filled triangles, a thin one stays a line: only the vertex with
// widths makes a band.
TEST(PolylineCompact, OnlyTheSegmentWithWidthsBecomesABand) {
  const ShapeCase& shape = shapeCases()[3];
  auto document = readOk(dxfFile(polylineText(true, "EDGE", 0, shape.vertices)));
  std::vector<std::string> kinds;
  document->polylines().at(0)->forEachPiece(
      [&](const DXFGeometrie& piece) { kinds.push_back(piece.typeName()); });
  // The thin segment, then the band's triangles, then the band's own centre segment.
  ASSERT_GE(kinds.size(), 4U);
  EXPECT_EQ(kinds.front(), "LINE");
  for (std::size_t i = 1; i + 1 < kinds.size(); ++i) EXPECT_EQ(kinds[i], "SOLID") << i;
  EXPECT_NE(kinds.back(), "SOLID");
}

// Segments made at any time carry the polyline's layer and colours, also after the layer
// changes; a colour of its own stays.
TEST(PolylineCompact, SegmentsFollowThePolylinesLooks) {
  const std::vector<Vertex> square = {{0, 0, 0, 0, 0}, {1, 0, 0.5, 0, 0}, {1, 1, 0, 0, 0}};
  auto document = readOk(dxfFile(
      polylineText(false, "RED", 1, square) + polylineText(true, "RED", 0, square, " 62\n5\n"), "",
      layerEntry("RED", 1)));
  ASSERT_EQ(document->polylines().count(), 2);
  const Layer* red = document->findLayer("RED");
  ASSERT_NE(red, nullptr);
  const Polylinie& byLayer = *document->polylines().at(0);
  const Polylinie& blue = *document->polylines().at(1);
  for (int k = 0; k < byLayer.segmentCount(); ++k) {
    EXPECT_EQ(byLayer.segmentAt(k)->layer(), red) << k;
    EXPECT_STREQ(byLayer.segmentAt(k)->colour(), "#FF0000") << k;
    EXPECT_STREQ(blue.segmentAt(k)->colour(), "#0000FF") << k;
  }

  Layer green("RED");
  green.setColourNumber("3");
  green.setLinetypeName("CONTINUOUS");
  green.deriveColourAndStyle();
  ASSERT_EQ(document->applyLayer(&green, "red"), 1);
  ASSERT_STRNE(green.colour(), red->colour());
  EXPECT_STREQ(byLayer.segmentAt(2)->colour(), green.colour());
  EXPECT_EQ(byLayer.segmentAt(2)->layer(), &green);
  EXPECT_STREQ(blue.segmentAt(0)->colour(), "#0000FF");
}

// A polyline of many vertices keeps them all, in order, and makes every segment between
// neighbours, also after a copy and a move.
TEST(PolylineCompact, ManyVerticesInOrder) {
  constexpr int kCount = 50000;
  std::vector<Vertex> vertices;
  for (int i = 0; i < kCount; ++i) {
    vertices.push_back({i * 0.5, (i % 3) * 1.25, i % 4 == 1 ? 0.3 : 0.0, 0, 0});
  }
  for (bool lightweight : {false, true}) {
    auto document = readOk(dxfFile(polylineText(lightweight, "0", 1, vertices)));
    ASSERT_EQ(document->polylines().count(), 1);
    const Polylinie copy(*document->polylines().at(0));
    document->polylines().at(0)->transform(1.0, 0.0, 100.0, -50.0, 0.0);
    const Polylinie& moved = *document->polylines().at(0);
    ASSERT_EQ(copy.vertexCount(), kCount);
    ASSERT_EQ(copy.segmentCount(), kCount);  // closed: one more than the gaps
    for (int k : {0, 1, 2, 4999, 31417, kCount - 1}) {
      EXPECT_DOUBLE_EQ(copy.vertexAt(k).x(), k * 0.5) << k;
      EXPECT_DOUBLE_EQ(copy.vertexAt(k).bulge(), k % 4 == 1 ? 0.3 : 0.0) << k;
      EXPECT_DOUBLE_EQ(moved.vertexAt(k).x(), k * 0.5 + 100.0) << k;
      const PolylineSegment segment = copy.segmentAt(k);
      EXPECT_STREQ(segment->typeName(), k % 4 == 1 ? "ARC" : "LINE") << k;
      const int next = (k + 1) % kCount;
      EXPECT_NEAR(segment->pointAt(0.0).x(), k * 0.5, 1e-9) << k;
      EXPECT_NEAR(segment->pointAt(1.0).x(), next * 0.5, 1e-9) << k;
      EXPECT_NEAR(moved.segmentAt(k)->pointAt(1.0).y(), (next % 3) * 1.25 - 50.0, 1e-9) << k;
    }
  }
}

// The widths take room only once a vertex has one, and stay in step with the vertices.
TEST(PolylineVertices, WidthsOnlyWherePresentAndInStep) {
  PolylineVertices vertices;
  vertices.add(0, 0);
  vertices.setWidths(0, 0.0, 0.0);
  EXPECT_FALSE(vertices.anyWidth());
  vertices.add(1, 0);
  vertices.setWidths(1, 0.5, 1.5);
  vertices.add(2, 0);
  ASSERT_TRUE(vertices.anyWidth());
  EXPECT_FALSE(vertices.isWide(0));
  EXPECT_TRUE(vertices.isWide(1));
  EXPECT_FALSE(vertices.isWide(2));
  EXPECT_DOUBLE_EQ(vertices.endWidth(2), 0.0);
  vertices.setWidths(2, -0.5, 0.0);  // drawn as wide as its size
  EXPECT_TRUE(vertices.isWide(2));
  vertices.setWidths(2, 0.0, 0.0);

  PolylineVertices thin;
  thin.add(7, 7);
  thin.append(vertices);
  ASSERT_EQ(thin.size(), 4U);
  EXPECT_DOUBLE_EQ(thin.point(2).startWidth(), 0.5);
  EXPECT_DOUBLE_EQ(thin.point(2).x(), 1.0);
  EXPECT_DOUBLE_EQ(thin.point(0).endWidth(), 0.0);

  thin[2].bulge = 0.25;
  thin.transform(-2.0, 0.0, 0.0, 0.0, 0.0);
  EXPECT_DOUBLE_EQ(thin.point(2).startWidth(), 1.0);
  EXPECT_DOUBLE_EQ(thin.point(2).endWidth(), 3.0);
  EXPECT_DOUBLE_EQ(thin[2].bulge, -0.25);
}

}  // namespace
