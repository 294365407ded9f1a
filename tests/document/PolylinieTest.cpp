// Tests of polylines: reading the three record kinds, building segments, closing, writing.
#include <cmath>
#include <numbers>
#include <iomanip>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "dxf/GroupLines.h"
#include "entities/Kreisbogen.h"
#include "entities/Linie.h"
#include "document/Polylinie.h"
#include "support/RecordingCanvas.h"

namespace {

int readInto(Polylinie& polyline, const std::string& text) {
  auto in = DxfLineReader::fromString(text);
  return polyline.read(in);
}

std::string vertex(double x, double y, double bulge = 0.0) {
  std::ostringstream out;
  out << "VERTEX\n  8\nL\n 10\n" << x << "\n 20\n" << y << "\n 30\n0.0\n";
  if (bulge != 0.0) out << " 42\n" << bulge << "\n";
  out << "  0\n";
  return out.str();
}

std::string polylineRecord(const std::string& layer, int flags, const std::string& vertices) {
  return "  8\n" + layer + "\n 66\n     1\n 70\n" + std::to_string(flags) + "\n  0\n" + vertices +
         "SEQEND\n  8\n" + layer + "\n  0\n";
}

TEST(PolylinieReading, PolylineVerticesAndBulges) {
  Polylinie polyline;
  ASSERT_EQ(
      readInto(polyline, polylineRecord("L", 0, vertex(0, 0, 1) + vertex(2, 0) + vertex(2, 5))), 0);
  ASSERT_EQ(polyline.vertexCount(), 3);
  EXPECT_DOUBLE_EQ(polyline.vertexAt(0).bulge(), 1.0);
  EXPECT_STREQ(polyline.layerName(), "L");
  ASSERT_EQ(polyline.segmentCount(), 2);
  const PolylineSegment arcSegment = polyline.segmentAt(0);
  const DXFGeometrie* arc = &*arcSegment;
  ASSERT_STREQ(arc->typeName(), "ARC");
  const auto& half = static_cast<const Kreisbogen&>(*arc);
  EXPECT_NEAR(half.cx(), 1.0, 1e-9);
  EXPECT_NEAR(half.r(), 1.0, 1e-9);
  EXPECT_STREQ(polyline.segmentAt(1)->typeName(), "LINE");
  EXPECT_STREQ(polyline.segmentAt(1)->colour(), "#000000");
  EXPECT_STREQ(polyline.segmentAt(1)->layerName(), "L");
}

TEST(PolylinieReading, CoincidingVerticesGiveNoSegment) {
  Polylinie polyline;
  ASSERT_EQ(readInto(polyline, polylineRecord("L", 0, vertex(0, 0) + vertex(0, 0) + vertex(5, 0))),
            0);
  EXPECT_EQ(polyline.segmentCount(), 1);
}

// A piece of 0.005 units is 0.13 mm in a drawing made in inches: it is drawn.
TEST(PolylinieReading, ShortPiecesAreKept) {
  Polylinie polyline;
  ASSERT_EQ(readInto(polyline,
                     polylineRecord("L", 0, vertex(0, 0) + vertex(0.003, 0.004) + vertex(5, 0))),
            0);
  ASSERT_EQ(polyline.segmentCount(), 2);
  const PolylineSegment pieceSegment = polyline.segmentAt(0);
  const auto& piece = static_cast<const Linie&>(*pieceSegment);
  EXPECT_DOUBLE_EQ(piece.x2(), 0.003);
  EXPECT_DOUBLE_EQ(piece.y2(), 0.004);
}

TEST(PolylinieReading, SmallBulgesGiveStraightSegments) {
  Polylinie straight;
  ASSERT_EQ(readInto(straight, polylineRecord("L", 0, vertex(0, 0, 0.0005) + vertex(5, 0))), 0);
  EXPECT_STREQ(straight.segmentAt(0)->typeName(), "LINE");
  Polylinie curved;
  ASSERT_EQ(readInto(curved, polylineRecord("L", 0, vertex(0, 0, -0.002) + vertex(5, 0))), 0);
  EXPECT_STREQ(curved.segmentAt(0)->typeName(), "ARC");
}

TEST(PolylinieClosing, FlagAndSilhouetteLayersClose) {
  const std::string square = vertex(0, 0) + vertex(1, 0) + vertex(1, 1);
  Polylinie open;
  ASSERT_EQ(readInto(open, polylineRecord("silhouette", 0, square)), 0);
  EXPECT_EQ(open.segmentCount(), 2);
  Polylinie flagged;
  ASSERT_EQ(readInto(flagged, polylineRecord("L", 1, square)), 0);
  EXPECT_EQ(flagged.segmentCount(), 3);
  Polylinie silhouette;
  ASSERT_EQ(readInto(silhouette, polylineRecord("SILHOUETTE", 0, square)), 0);
  EXPECT_EQ(silhouette.segmentCount(), 3);
  Polylinie rex;
  ASSERT_EQ(readInto(rex, polylineRecord("REX_4", 0, square)), 0);
  EXPECT_EQ(rex.segmentCount(), 3);
}

TEST(PolylinieClosing, ClosingSegmentUsesTheLastBulge) {
  Polylinie polyline;
  ASSERT_EQ(readInto(polyline, polylineRecord("L", 1, vertex(0, 0) + vertex(2, 0, 1))), 0);
  ASSERT_EQ(polyline.segmentCount(), 2);
  EXPECT_STREQ(polyline.segmentAt(1)->typeName(), "ARC");
  Polylinie empty;
  ASSERT_EQ(readInto(empty, polylineRecord("L", 1, "")), 0);
  EXPECT_EQ(empty.segmentCount(), 0);
}

TEST(PolylinieLightweight, FlagsAfterTheCountAndBulgesAfterTheirVertex) {
  Polylinie polyline;
  ASSERT_EQ(readInto(polyline,
                     "100\nAcDbEntity\n  8\nLW\n100\nAcDbPolyline\n 90\n        3\n 70\n     1\n"
                     " 43\n0.0\n 10\n0.0\n 20\n0.0\n 42\n1.0\n 10\n2.0\n 20\n0.0\n 10\n2.0\n"
                     " 20\n3.0\n 42\n-0.5\n  0\nLINE\n"),
            0);
  EXPECT_STREQ(polyline.layerName(), "LW");
  EXPECT_EQ(polyline.flags(), 1);
  ASSERT_EQ(polyline.vertexCount(), 3);
  EXPECT_DOUBLE_EQ(polyline.vertexAt(0).bulge(), 1.0);
  EXPECT_DOUBLE_EQ(polyline.vertexAt(1).bulge(), 0.0);
  EXPECT_DOUBLE_EQ(polyline.vertexAt(2).bulge(), -0.5);
  ASSERT_EQ(polyline.segmentCount(), 3);
  EXPECT_STREQ(polyline.segmentAt(0)->typeName(), "ARC");
  EXPECT_STREQ(polyline.segmentAt(2)->typeName(), "ARC");
}

TEST(PolylinieLightweight, HugeCountReadsOnlyTheVerticesThere) {
  Polylinie polyline;
  ASSERT_EQ(readInto(polyline, "  8\n0\n 90\n2000000000\n 10\n1\n 20\n1\n 10\n4\n 20\n5\n  0\n"),
            0);
  EXPECT_EQ(polyline.vertexCount(), 2);
  EXPECT_EQ(polyline.segmentCount(), 1);
}

TEST(PolylinieLightweight, CountLimitsTheVertices) {
  Polylinie leader;
  ASSERT_EQ(
      readInto(leader, "  8\n0\n 76\n2\n 10\n0\n 20\n0\n 10\n1\n 20\n1\n 10\n9\n 20\n9\n  0\n"), 0);
  EXPECT_EQ(leader.vertexCount(), 2);
}

TEST(PolylinieLightweight, ZeroCountEndsWithTheRecord) {
  Polylinie empty;
  auto in = DxfLineReader::fromString("  8\n0\n 90\n0\n  0\nLINE\n  8\n0\n  0\n");
  ASSERT_EQ(empty.read(in), 0);
  EXPECT_STREQ(in.readLine(), "LINE");
}

TEST(PolylinieLightweight, PairsBeyondTheCountArePassedOverWhole) {
  for (const std::string countCode : {" 90\n", " 76\n"}) {
    Polylinie polyline;
    ASSERT_EQ(readInto(polyline, "  8\n0\n" + countCode +
                                     "2\n 10\n0\n 20\n0\n 10\n1\n 20\n2\n 42\n0.5\n"
                                     " 10\n9\n 20\n8\n 42\n-1\n 10\n7\n 20\n6\n  0\n"),
              0)
        << countCode;
    ASSERT_EQ(polyline.vertexCount(), 2) << countCode;
    EXPECT_DOUBLE_EQ(polyline.vertexAt(1).x(), 1.0) << countCode;
    EXPECT_DOUBLE_EQ(polyline.vertexAt(1).y(), 2.0) << countCode;
    EXPECT_DOUBLE_EQ(polyline.vertexAt(1).bulge(), 0.5) << countCode;
  }
}

// The data ends inside an LWPOLYLINE's declared vertex list, or after it.
TEST(PolylinieLightweight, EndOfDataInsideOrAfterTheVertexList) {
  const struct {
    const char* text;
    int expected;
  } cases[] = {
      {"  8\n0\n 90\n2\n", Polylinie::kEndOfFileVertex},
      {"  8\n0\n 90\n2\n 10\n1\n 20\n1\n 10\n2\n", Polylinie::kEndOfFileVertex},
      {"  8\n0\n 76\n3\n 10\n1\n 20\n1\n 42\n0.5\n", Polylinie::kEndOfFileVertex},
      {"  8\n0\n 90\n1\n 10\n1\n 20\n1\n", Polylinie::kEndOfFileHead},
      {"  8\n0\n 90\n1\n 10\n1\n 20\n1\n 42\n0.5\n 43\n0\n", Polylinie::kEndOfFileHead},
      {"  8\n0\n 90\n1\n 10\n1\n 20\n1\n 10\n2\n 20\n2\n", Polylinie::kEndOfFileHead},
      {"  8\n0\n 90\n0\n", Polylinie::kEndOfFileHead},
  };
  for (const auto& c : cases) {
    Polylinie polyline;
    EXPECT_EQ(readInto(polyline, c.text), c.expected) << c.text;
  }
}

TEST(PolylinieReading, EndOfDataCodes) {
  Polylinie head;
  EXPECT_EQ(readInto(head, "  8\n0\n 70\n1\n"), Polylinie::kEndOfFileHead);
  Polylinie between;
  EXPECT_EQ(readInto(between, "  8\n0\n  0\n" + vertex(0, 0)), Polylinie::kEndOfFileVertices);
  Polylinie inVertex;
  EXPECT_EQ(readInto(inVertex, "  8\n0\n  0\nVERTEX\n 10\n1\n"), -31);
  Polylinie lightweight;
  EXPECT_EQ(readInto(lightweight, "  8\n0\n 90\n4\n 10\n1\n 20\n"), Polylinie::kEndOfFileVertex);
  Polylinie seqend;
  EXPECT_EQ(readInto(seqend, "  8\n0\n  0\nSEQEND\n  8\n0\n"), Polylinie::kEndOfFileHead);
}

TEST(PolylinieWriting, RoundTripKeepsVerticesBulgesAndFlags) {
  Polylinie original;
  ASSERT_EQ(readInto(original,
                     "  8\nLW\n 90\n3\n 70\n1\n 10\n0\n 20\n0\n 42\n0.5\n 10\n4\n 20\n0\n"
                     " 10\n4\n 20\n3\n  0\n"),
            0);
  std::ostringstream out;
  out << std::fixed << std::setprecision(4);
  ASSERT_EQ(original.write(out), 0);
  const std::string text = out.str();
  const std::string head =
      "POLYLINE\n  8\nLW\n 66\n1\n 10\n0\n 20\n0\n 30\n0\n 70\n1\n  0\nVERTEX\n  8\nLW\n";
  EXPECT_EQ(text.compare(0, head.size(), head), 0) << text;
  EXPECT_NE(text.find(" 42\n0.5000\n"), std::string::npos);
  Polylinie again;
  ASSERT_EQ(readInto(again, text.substr(text.find('\n') + 1)), 0);
  ASSERT_EQ(again.vertexCount(), 3);
  EXPECT_EQ(again.flags(), 1);
  EXPECT_DOUBLE_EQ(again.vertexAt(0).bulge(), 0.5);
  EXPECT_DOUBLE_EQ(again.vertexAt(2).y(), 3.0);
  EXPECT_EQ(again.segmentCount(), original.segmentCount());
}

TEST(PolylinieCopy, KeepsVertexOrderSoArcsStayArcs) {
  Polylinie original;
  ASSERT_EQ(readInto(original, polylineRecord("L", 0, vertex(0, 0, 1) + vertex(2, 0))), 0);
  const Polylinie copy(original);
  ASSERT_EQ(copy.vertexCount(), 2);
  EXPECT_DOUBLE_EQ(copy.vertexAt(0).bulge(), 1.0);
  EXPECT_DOUBLE_EQ(copy.vertexAt(1).x(), 2.0);
  EXPECT_STREQ(copy.segmentAt(0)->typeName(), "ARC");
}

TEST(PolylinieTransform, MirrorTurnsTheBulges) {
  Polylinie polyline;
  ASSERT_EQ(readInto(polyline, polylineRecord("L", 0, vertex(0, 0, 1) + vertex(2, 0))), 0);
  polyline.transform(-1, 0, 0, 0, 0);
  EXPECT_DOUBLE_EQ(polyline.vertexAt(0).bulge(), -1.0);
  const PolylineSegment arcSegment = polyline.segmentAt(0);
  const auto& arc = static_cast<const Kreisbogen&>(*arcSegment);
  // The half circle below the chord now lies above it: its middle is at y = 1.
  EXPECT_NEAR(arc.pointAt(0.5).y(), 1.0, 1e-9);
  EXPECT_NEAR(arc.startAngle(), 0.0, 1e-9);
  EXPECT_NEAR(arc.endAngle(), std::numbers::pi, 1e-9);
}

TEST(PolylinieLayers, AssignGivesTheSegmentsTheLayer) {
  Polylinie polyline;
  ASSERT_EQ(readInto(polyline, polylineRecord("red", 0, vertex(0, 0) + vertex(2, 0))), 0);
  Layer red("RED");
  red.setColourNumber("1");
  red.deriveColourAndStyle();
  polyline.assignLayer(&red);
  EXPECT_STREQ(polyline.layerName(), "RED");
  EXPECT_EQ(polyline.segmentAt(0)->layer(), &red);
  EXPECT_STREQ(polyline.segmentAt(0)->layerName(), "RED");
  EXPECT_STREQ(polyline.segmentAt(0)->colour(), "#FF0000");
}

TEST(PolylinieDrawing, SegmentsAreDrawnLastFirst) {
  Polylinie polyline;
  ASSERT_EQ(
      readInto(polyline, polylineRecord("L", 0, vertex(0, 0) + vertex(10, 0) + vertex(10, 10))), 0);
  testsupport::RecordingDrawingArea area;
  polyline.draw(area, 1.0, 0, 0, 0);
  const auto lines = area.log.named("wc_line");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].str(), "wc_line 10 0 10 10");
  EXPECT_EQ(lines[1].str(), "wc_line 0 0 10 0");
}

}  // namespace
