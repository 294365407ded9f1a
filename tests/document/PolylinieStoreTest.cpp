// Tests of how a polyline keeps its vertices and segments: copies, repeated reads, long
// polylines, and the distance limit of the segments near its edge.
#include <cmath>
#include <memory>
#include <random>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "dxf/GroupLines.h"
#include "document/Polylinie.h"

namespace {

int readStored(Polylinie& polyline, const std::string& text) {
  auto in = DxfLineReader::fromString(text);
  return polyline.read(in);
}

std::string lightweight(const std::string& layer, int flags, const std::string& pairs, int count) {
  return "  8\n" + layer + "\n 90\n" + std::to_string(count) + "\n 70\n" + std::to_string(flags) +
         "\n" + pairs + "  0\n";
}

std::string pair(double x, double y, double bulge = 0.0) {
  std::ostringstream out;
  out.precision(17);
  out << " 10\n" << x << "\n 20\n" << y << "\n";
  if (bulge != 0.0) out << " 42\n" << bulge << "\n";
  return out.str();
}

TEST(PolylinieStore, CopiesOutliveAndIgnoreTheirOriginal) {
  auto original = std::make_unique<Polylinie>();
  ASSERT_EQ(readStored(*original, lightweight("L", 1, pair(0, 0, 1) + pair(4, 0) + pair(4, 3), 3)),
            0);
  const Polylinie copy(*original);
  original->transform(2.0, 90.0, 10.0, 10.0, 0.0);
  original.reset();
  ASSERT_EQ(copy.vertexCount(), 3);
  ASSERT_EQ(copy.segmentCount(), 3);
  EXPECT_DOUBLE_EQ(copy.vertexAt(1).x(), 4.0);
  EXPECT_STREQ(copy.segmentAt(0)->typeName(), "ARC");
  EXPECT_STREQ(copy.segmentAt(1)->typeName(), "LINE");
  EXPECT_DOUBLE_EQ(copy.segmentAt(1)->pointAt(1.0).y(), 3.0);
  EXPECT_STREQ(copy.segmentAt(2)->layerName(), "L");
}

TEST(PolylinieStore, ASecondReadAddsToTheFirst) {
  Polylinie polyline;
  ASSERT_EQ(readStored(polyline, lightweight("L", 0, pair(0, 0) + pair(1, 0), 2)), 0);
  const Punkt firstVertex = polyline.vertexAt(0);
  ASSERT_EQ(readStored(polyline, lightweight("L", 0, pair(1, 5) + pair(2, 5), 2)), 0);
  ASSERT_EQ(polyline.vertexCount(), 4);
  EXPECT_DOUBLE_EQ(polyline.vertexAt(0).x(), 0.0);
  EXPECT_DOUBLE_EQ(polyline.vertexAt(3).x(), 2.0);
  // The first read's segment stays; the second read builds over all four vertices.
  ASSERT_EQ(polyline.segmentCount(), 4);
  EXPECT_DOUBLE_EQ(polyline.segmentAt(0)->pointAt(1.0).x(), 1.0);
  EXPECT_DOUBLE_EQ(polyline.segmentAt(2)->pointAt(1.0).y(), 5.0);
  EXPECT_DOUBLE_EQ(polyline.segmentAt(3)->pointAt(1.0).x(), 2.0);
  EXPECT_DOUBLE_EQ(firstVertex.x(), polyline.vertexAt(0).x());
}

TEST(PolylinieStore, LongPolylinesAndTheNextOneReadWhole) {
  std::string vertices;
  for (int i = 0; i < 6000; ++i) {
    vertices +=
        "VERTEX\n  8\nL\n 10\n" + std::to_string(i) + "\n 20\n" + std::to_string(i % 2) + "\n  0\n";
  }
  Polylinie longOne;
  ASSERT_EQ(readStored(longOne, "  8\nL\n 66\n1\n 70\n0\n  0\n" + vertices + "SEQEND\n  0\n"), 0);
  ASSERT_EQ(longOne.vertexCount(), 6000);
  EXPECT_EQ(longOne.segmentCount(), 5999);
  EXPECT_DOUBLE_EQ(longOne.vertexAt(5999).x(), 5999.0);
  EXPECT_DOUBLE_EQ(longOne.segmentAt(5998)->pointAt(0.0).x(), 5998.0);

  Polylinie shortOne;
  ASSERT_EQ(readStored(shortOne, lightweight("S", 0, pair(7, 7) + pair(8, 8), 2)), 0);
  ASSERT_EQ(shortOne.vertexCount(), 2);
  EXPECT_DOUBLE_EQ(shortOne.vertexAt(0).x(), 7.0);
  EXPECT_EQ(longOne.vertexCount(), 6000);
}

TEST(PolylinieStore, FailedReadLeavesThePolylineAsItWas) {
  Polylinie polyline;
  ASSERT_EQ(readStored(polyline, lightweight("L", 0, pair(0, 0) + pair(1, 0), 2)), 0);
  EXPECT_EQ(readStored(polyline, "  8\nL\n 90\n3\n 10\n5\n 20\n5\n 10\n6\n"),
            Polylinie::kEndOfFileVertex);
  EXPECT_EQ(polyline.vertexCount(), 2);
  EXPECT_EQ(polyline.segmentCount(), 1);
}

TEST(PolylinieStore, ClosedPolylineOfOneVertexGetsItsClosingSegment) {
  Polylinie polyline;
  ASSERT_EQ(readStored(polyline, lightweight("L", 1, pair(3, 3), 1)), 0);
  EXPECT_EQ(polyline.segmentCount(), 1);
}

// Segments are made exactly where hypot says the vertices lie more than 0.01 apart, also
// for distances a hair's breadth from the limit, far away from the origin and for values
// whose squares over- or underflow.
TEST(PolylinieStore, SegmentLimitFollowsHypotToTheLastBit) {
  std::mt19937_64 random(9);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const double offsets[] = {0.0, 1e3, -5e7, 1e12};
  for (int i = 0; i < 4000; ++i) {
    const double angle = unit(random) * 6.283185307179586;
    const double distance =
        Polylinie::kMinSegment * (1.0 + (unit(random) - 0.5) * std::ldexp(1.0, -(i % 60)));
    const double x0 = offsets[i % 4];
    const double y0 = offsets[(i / 4) % 4];
    const double x1 = x0 + distance * std::cos(angle);
    const double y1 = y0 + distance * std::sin(angle);
    Polylinie polyline;
    ASSERT_EQ(readStored(polyline, lightweight("L", 0, pair(x0, y0) + pair(x1, y1), 2)), 0);
    ASSERT_EQ(polyline.vertexCount(), 2);
    const double dx = polyline.vertexAt(1).x() - polyline.vertexAt(0).x();
    const double dy = polyline.vertexAt(1).y() - polyline.vertexAt(0).y();
    ASSERT_EQ(polyline.segmentCount(), std::hypot(dx, dy) > Polylinie::kMinSegment ? 1 : 0)
        << dx << " " << dy;
  }
  for (const double extreme : {1e200, 1e-200, 1e300}) {
    Polylinie polyline;
    ASSERT_EQ(readStored(polyline, lightweight("L", 0, pair(0, 0) + pair(extreme, extreme), 2)), 0);
    EXPECT_EQ(polyline.segmentCount(), extreme > 1 ? 1 : 0) << extreme;
  }
}

}  // namespace
