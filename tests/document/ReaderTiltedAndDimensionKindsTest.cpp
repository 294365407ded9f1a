// Tests of reading curves in tilted planes (seen from above as ellipses), ellipses in a
// drawing, and the newer dimension kinds that carry their geometry in a block.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "support/InkImage.h"
#include "entities/Ellipse.h"
#include "entities/Linie.h"

namespace {

using namespace documenttesting;

const double kRootHalf = std::sqrt(0.5);

// N = (0, -1, 1) / sqrt 2. By the arbitrary-axis rule the plane's x axis is world x and
// its y axis (0, 1, 1) / sqrt 2: seen from above, plane y values shrink by sqrt 2.
const std::string kTilted = "210\n0\n220\n-1\n230\n1\n";

TEST(ReaderTiltedPlanes, PolylineArcBecomesAnEllipticalArc) {
  // The half circle from (0, 0) to (2, 0) with bulge 1 runs counter-clockwise in its plane,
  // through (1, -1); its straight piece goes on to (2, 2).
  auto document = readOk(dxfFile(
      "  0\nLWPOLYLINE\n  8\n0\n 90\n3\n 10\n0\n 20\n0\n 42\n1\n 10\n2\n 20\n0\n 10\n2\n 20\n2\n" +
      kTilted));
  ASSERT_EQ(document->polylines().count(), 1);
  const Polylinie& polyline = *document->polylines().at(0);
  ASSERT_EQ(polyline.segmentCount(), 2);
  const PolylineSegment curvedSegment = polyline.segmentAt(0);
  const DXFGeometrie& curved = *curvedSegment;
  ASSERT_STREQ(curved.typeName(), "ELLIPSE");
  const EllipseArc& arc = static_cast<const Ellipse&>(curved).arc();
  EXPECT_NEAR(arc.centre.x, 1, 1e-12);
  EXPECT_NEAR(arc.centre.y, 0, 1e-12);
  EXPECT_NEAR(std::hypot(arc.major.x, arc.major.y), 1, 1e-12);
  EXPECT_NEAR(arc.ratio, kRootHalf, 1e-12);
  EXPECT_NEAR(curved.pointAt(0.5).x(), 1, 1e-9);
  EXPECT_NEAR(curved.pointAt(0.5).y(), -kRootHalf, 1e-9);
  const PolylineSegment straightSegment = polyline.segmentAt(1);
  const auto& straight = static_cast<const Linie&>(*straightSegment);
  EXPECT_NEAR(straight.x2(), 2, 1e-12);
  EXPECT_NEAR(straight.y2(), 2 * kRootHalf, 1e-12);
  // Saved, the elliptical arc is written as its chords: every vertex lies on it, and the
  // polyline still runs from (0, 0) to the end of the straight piece.
  auto again = readOk(writtenText(*document));
  ASSERT_EQ(again->polylines().count(), 1);
  const Polylinie& saved = *again->polylines().at(0);
  ASSERT_GT(saved.vertexCount(), 10);
  EXPECT_NEAR(saved.vertexAt(0).x(), 0, 1e-4);
  EXPECT_NEAR(saved.vertexAt(saved.vertexCount() - 1).y(), 2 * kRootHalf, 1e-4);
  for (int i = 0; i + 1 < saved.vertexCount(); ++i) {
    const double x = saved.vertexAt(i).x() - 1;
    const double y = saved.vertexAt(i).y() / kRootHalf;
    EXPECT_NEAR(x * x + y * y, 1.0, 1e-3) << i;
    EXPECT_EQ(saved.vertexAt(i).bulge(), 0.0);
  }
  // Its picture equals the picture of its exploded copy.
  const auto drawn = picture(*document);
  document->explodeAll();
  EXPECT_EQ(picture(*document), drawn);
}

// A wide arc in a tilted plane: its band follows the elliptical arc's chords, and the saved
// file gives every chord the band's width, so the saved drawing looks the same.
TEST(ReaderTiltedPlanes, WideEllipticalArcKeepsItsBandWhenSaved) {
  auto document = readOk(dxfFile(
      "  0\nLWPOLYLINE\n  8\n0\n 90\n2\n 43\n0.25\n 10\n0\n 20\n0\n 42\n1\n 10\n2\n 20\n0\n" +
      kTilted));
  auto again = readOk(writtenText(*document));
  ASSERT_EQ(again->polylines().count(), 1);
  const Polylinie& saved = *again->polylines().at(0);
  ASSERT_GT(saved.vertexCount(), 10);
  for (int i = 0; i + 1 < saved.vertexCount(); ++i) {
    EXPECT_NEAR(saved.vertexAt(i).startWidth(), 0.25, 1e-12) << i;
    EXPECT_NEAR(saved.vertexAt(i).endWidth(), 0.25, 1e-12) << i;
  }
  // Pictures of 200 pixels per unit: the band is 50 pixels wide; a band around the circular
  // arc through the same ends would reach 60 pixels further down.
  const auto inkOf = [](const DXF_Zeichnung& drawing) {
    testsupport::RecordingDrawingArea area;
    area.setWorld(-0.5, -1.5, 2.5, 1.5, 600, 600);
    area.containerSize = {600, 600};
    DXFGeometrie::resetPenCache();
    drawing.drawAll(area, 1.0);
    return testsupport::InkImage(area);
  };
  const testsupport::InkImage drawn = inkOf(*document);
  EXPECT_GT(drawn.inkCount(), 10000);
  EXPECT_GE(testsupport::InkImage::agreement(drawn, inkOf(*again)), 0.98);
  document->explodeAll();
  EXPECT_GE(testsupport::InkImage::agreement(drawn, inkOf(*document)), 0.98);
}

TEST(ReaderTiltedPlanes, ArcsAndCirclesBecomeEllipsesWithTheirColour) {
  auto document =
      readOk(dxfFile("  0\nARC\n  8\n0\n 62\n1\n 10\n0\n 20\n0\n 40\n2\n 50\n0\n 51\n90\n" +
                     kTilted + "  0\nCIRCLE\n  8\n0\n 10\n5\n 20\n0\n 40\n1\n" + kTilted +
                     "  0\nCIRCLE\n  8\n0\n 10\n5\n 20\n0\n 40\n1\n"));
  ASSERT_EQ(document->entities().count(), 3);
  int ellipses = 0;
  for (int i = 0; i < 3; ++i) {
    const DXFGeometrie& entity = *document->entities().at(i);
    if (std::strcmp(entity.typeName(), "ELLIPSE") != 0) continue;
    ++ellipses;
    const EllipseArc& arc = static_cast<const Ellipse&>(entity).arc();
    if (arc.isFull()) continue;
    // The quarter from (2, 0) to plane (0, 2), which is seen at (0, sqrt 2).
    EXPECT_STREQ(entity.colour(), "#FF0000");
    EXPECT_STREQ(entity.colourNumber(), "1");
    EXPECT_NEAR(entity.pointAt(0.0).x(), 2, 1e-9);
    EXPECT_NEAR(entity.pointAt(1.0).y(), 2 * kRootHalf, 1e-9);
  }
  EXPECT_EQ(ellipses, 2);
  // Saved, the colour stays with the polyline that stands for the arc.
  const std::string text = writtenText(*document);
  EXPECT_NE(text.find("POLYLINE\n  8\n0\n 62\n1\n"), std::string::npos) << text;
}

TEST(ReaderEllipses, EllipseIsReadDrawnAndSavedAsAPolyline) {
  auto document = readOk(dxfFile(
      "  0\nELLIPSE\n  8\n0\n 10\n10\n 20\n20\n 30\n0\n 11\n0\n 21\n5\n 31\n0\n 40\n0.5\n"));
  ASSERT_EQ(document->entities().count(), 1);
  EXPECT_STREQ(document->entities().at(0)->typeName(), "ELLIPSE");
  EXPECT_TRUE(document->skippedKinds().kinds().empty());
  EXPECT_DOUBLE_EQ(document->maxY(), 25.0);
  EXPECT_DOUBLE_EQ(document->minX(), 7.5);
  EXPECT_GT(picture(*document).size(), 4u);
  auto again = readOk(writtenText(*document));
  EXPECT_EQ(again->entities().count(), 0);
  ASSERT_EQ(again->polylines().count(), 1);
  EXPECT_TRUE(again->polylines().at(0)->isClosed());
  EXPECT_NEAR(again->maxY(), 25.0, 1e-4);
  EXPECT_NEAR(again->minX(), 7.5, 1e-3);
}

TEST(ReaderDimensionKinds, ArcAndLargeRadialDimensionsExplodeTheirBlocks) {
  for (const char* kind : {"ARC_DIMENSION", "LARGE_RADIAL_DIMENSION"}) {
    auto document = readOk(dxfFile(std::string("  0\n") + kind + "\n  8\n0\n  2\n*D7\n 70\n5\n",
                                   block("*D7", line(1, 2, 3, 4))));
    EXPECT_EQ(document->dimensions().count(), 1) << kind;
    EXPECT_TRUE(document->skippedKinds().kinds().empty()) << kind;
    document->explodeAll();
    ASSERT_EQ(document->entities().count(), 1) << kind;
    EXPECT_DOUBLE_EQ(static_cast<const Linie&>(*document->entities().at(0)).x2(), 3.0);
  }
}

}  // namespace
