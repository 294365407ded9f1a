// Tests of points: the POINT entity, the polyline vertex and the copy rules.
#include <string>

#include <gtest/gtest.h>

#include "EntityTesting.h"
#include "entities/Linie.h"
#include "entities/Punkt.h"
#include "support/RecordingCanvas.h"

namespace {

using entitytesting::makeLayer;
using entitytesting::readFrom;
using entitytesting::written;
using testsupport::RecordingDeviceContext;
using testsupport::RecordingDrawingArea;

TEST(PunktFile, VertexWithBulgeAndAFreshOneWithout) {
  Punkt vertex;
  ASSERT_EQ(readFrom(vertex, "  8\nP\n 10\n1\n 20\n2\n 42\n0.5\n 70\n0\n  0\nVERTEX\n"), 0);
  EXPECT_DOUBLE_EQ(vertex.x(), 1.0);
  EXPECT_DOUBLE_EQ(vertex.y(), 2.0);
  EXPECT_DOUBLE_EQ(vertex.z(), 0.0);
  EXPECT_DOUBLE_EQ(vertex.bulge(), 0.5);
  Punkt next;
  ASSERT_EQ(readFrom(next, " 10\n3\n 20\n4\n  0\nSEQEND\n"), 0);
  EXPECT_DOUBLE_EQ(next.bulge(), 0.0);
}

TEST(PunktFile, ColourGroupIsIgnoredAndTheLayerColourTaken) {
  Punkt point;
  ASSERT_EQ(readFrom(point, "  8\nL\n 62\n1\n 10\n5\n  0\n"), 0);
  EXPECT_STREQ(point.colour(), "BYLAYER");
  EXPECT_STREQ(point.colourNumber(), "256");
  EXPECT_DOUBLE_EQ(point.x(), 5.0);
  Layer blue = makeLayer("L", "5");
  point.assignLayer(&blue);
  EXPECT_STREQ(point.colour(), "#0000FF");
  EXPECT_EQ(point.ownColour(), 0);
}

TEST(PunktFile, WritesNeitherColourNorBulge) {
  Layer blue = makeLayer("L", "5");
  Punkt point;
  ASSERT_EQ(readFrom(point, "  8\nL\n 10\n1\n 20\n2\n 30\n3\n 42\n1\n  0\n"), 0);
  point.assignLayer(&blue);
  point.setColour("#FF0000");
  EXPECT_EQ(written(point), "POINT\n  8\nL\n 10\n1.0000\n 20\n2.0000\n 30\n3.0000\n  0\n");
}

TEST(PunktFile, EndOfFile) {
  Punkt point;
  EXPECT_EQ(readFrom(point, " 10\n1\n 20\n"), Punkt::kEndOfFile);
}

TEST(PunktGeometry, WindowTestIsStrict) {
  EXPECT_EQ(Punkt(0, 5).touchesWindow(0, 0, 10, 10), 0);
  EXPECT_EQ(Punkt(5, 10).touchesWindow(0, 0, 10, 10), 0);
  EXPECT_EQ(Punkt(5, 5).touchesWindow(0, 0, 10, 10), 1);
}

TEST(PunktGeometry, StretchWithoutClampingAndScale) {
  Punkt point(15, 15);
  point.stretchX(10, -20);
  point.stretchY(10, -20);
  EXPECT_DOUBLE_EQ(point.x(), -5.0);
  EXPECT_DOUBLE_EQ(point.y(), -5.0);
  point.scaleXY(2, 1, 0);
  EXPECT_DOUBLE_EQ(point.x(), -9.0);
  EXPECT_DOUBLE_EQ(point.y(), -10.0);
}

TEST(PunktGeometry, NegativeScaleMirrorsTopToBottom) {
  Punkt point(3, 4, 2, nullptr);
  point.setBulge(0.5);
  point.transform(-1, 0, 0, 0, 0);
  EXPECT_DOUBLE_EQ(point.x(), 3.0);
  EXPECT_DOUBLE_EQ(point.y(), -4.0);
  EXPECT_DOUBLE_EQ(point.z(), 2.0);
  EXPECT_DOUBLE_EQ(point.bulge(), 0.5);
}

TEST(PunktCopy, CopyOfAHiddenPointIsVisible) {
  Layer off = makeLayer("L", "1");
  off.setVisible(0);
  Punkt point(1, 2, &off);
  point.setBulge(0.25);
  const Punkt copy(point);
  EXPECT_EQ(copy.visible(), 1);
  EXPECT_STREQ(copy.colour(), "#FF0000");
  EXPECT_DOUBLE_EQ(copy.bulge(), 0.25);
  RecordingDrawingArea area;
  point.draw(area, 1, 0, 0, 0);
  EXPECT_TRUE(area.log.calls.empty());
  copy.draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.count("wc_dot"), 1);
}

TEST(PunktDraw, ColourOnlyAndNoCulling) {
  Layer red = makeLayer("L", "1", "DASHED");
  RecordingDrawingArea area;
  DXFGeometrie::resetPenCache();
  Punkt(-500, 2, &red).draw(area, 2, 1, 1, 0);
  EXPECT_EQ(area.log.lines(),
            (std::vector<std::string>{"set_drawing_foreground #FF0000", "wc_dot -999 5"}));
}

TEST(PunktDevice, DotCarriesItsColourAndLeavesThePenCache) {
  Layer red = makeLayer("L", "1");
  RecordingDeviceContext dc;
  dc.width = 100;
  dc.height = 100;
  DXFGeometrie::resetPenCache();
  Punkt(2, 3, &red).drawOnDevice(dc, 1, 0, 0, 10, 10, 0, 0, 0);
  EXPECT_EQ(dc.log().lines(), (std::vector<std::string>{"dot 20 70 #FF0000"}));
  EXPECT_STREQ(DXFGeometrie::penColourCache(), "#0F0F0F");
}

}  // namespace
