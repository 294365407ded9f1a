// Tests of solids: corner order of the fill, extrusion mirror, background restore.
#include <string>

#include <gtest/gtest.h>

#include "EntityTesting.h"
#include "entities/Linie.h"
#include "entities/Solid.h"
#include "support/RecordingCanvas.h"

namespace {

using entitytesting::makeLayer;
using entitytesting::readFrom;
using entitytesting::written;
using testsupport::RecordingDeviceContext;
using testsupport::RecordingDrawingArea;

Solid square(double x0, double y0, double x1, double y1, double x2, double y2, double x3,
             double y3) {
  Solid solid;
  solid.setCorner(0, x0, y0);
  solid.setCorner(1, x1, y1);
  solid.setCorner(2, x2, y2);
  solid.setCorner(3, x3, y3);
  return solid;
}

TEST(SolidDraw, FillsTheZigzagCornersAsAQuadAndRestoresWhite) {
  // The file lists the square's corners zigzag: the third lies opposite the second.
  Layer red = makeLayer("L", "1");
  Solid solid = square(0, 0, 10, 0, 0, 10, 10, 10);
  solid.assignLayer(&red);
  RecordingDrawingArea area;
  DXFGeometrie::resetPenCache();
  solid.draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.lines(),
            (std::vector<std::string>{
                "set_drawing_foreground #FF0000", "set_drawing_background #FF0000",
                "wc_fill_polygon 0 0 10 0 10 10 0 10 0 0", "set_drawing_background #FFFFFF"}));
}

TEST(SolidDraw, CornersAroundTheOutlineInFileOrderFillABowTie) {
  RecordingDrawingArea area;
  square(0, 0, 10, 0, 10, 10, 0, 10).draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.named("wc_fill_polygon")[0].str(), "wc_fill_polygon 0 0 10 0 0 10 10 10 0 0");
}

TEST(SolidFile, WithoutFourthCornerATriangle) {
  Solid solid;
  ASSERT_EQ(readFrom(solid, " 10\n0\n 20\n0\n 11\n10\n 21\n0\n 12\n0\n 22\n10\n  0\n"), 0);
  RecordingDrawingArea area;
  solid.draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.named("wc_fill_polygon")[0].str(), "wc_fill_polygon 0 0 10 0 0 10 0 10 0 0");
}

TEST(SolidDraw, PlacedLikeALineOfTheSameInsert) {
  RecordingDrawingArea area;
  area.setWorld(0, 0, 200, 100, 200, 100);
  area.containerSize = {200, 100};
  square(1, 1, 2, 1, 2, 2, 1, 2).draw(area, 2, 100, 0, 0);
  Linie(1, 1, 2, 2).draw(area, 2, 100, 0, 0);
  ASSERT_EQ(area.log.count("wc_fill_polygon"), 1);
  ASSERT_EQ(area.log.count("wc_line"), 1);
  const auto polygon = area.log.named("wc_fill_polygon")[0].args;
  const auto line = area.log.named("wc_line")[0].args;
  EXPECT_DOUBLE_EQ(polygon[0], 102.0);
  EXPECT_DOUBLE_EQ(polygon[1], 2.0);
  EXPECT_DOUBLE_EQ(line[0], polygon[0]);
  EXPECT_DOUBLE_EQ(line[1], polygon[1]);
}

TEST(SolidDraw, InvisibleSolidDrawsNothing) {
  Layer off = makeLayer("L", "1");
  off.setVisible(0);
  Solid solid = square(0, 0, 1, 0, 1, 1, 0, 1);
  solid.assignLayer(&off);
  RecordingDrawingArea area;
  RecordingDeviceContext dc;
  solid.draw(area, 1, 0, 0, 0);
  solid.drawOnDevice(dc, 1, 0, 0, 1, 1, 0, 0, 0);
  EXPECT_TRUE(area.log.calls.empty());
  EXPECT_TRUE(dc.log().calls.empty());
}

TEST(SolidDevice, OpaquePolygonThenHollowAgain) {
  RecordingDeviceContext dc;
  dc.width = 100;
  dc.height = 100;
  DXFGeometrie::resetPenCache();
  square(0, 0, 10, 0, 10, 10, 0, 10).drawOnDevice(dc, 1, 0, 0, 10, 10, 0, 0, 0);
  EXPECT_EQ(dc.log().lines(), (std::vector<std::string>{
                                  "set_line_style 0", "set_foreground_color BYLAYER",
                                  "set_background_color BYLAYER", "set_background_mode 2",
                                  "polygon 0 100 100 100 0 0 100 0 0 100", "set_fill_style 7"}));
}

TEST(SolidFile, DownwardExtrusionMirrorsX) {
  Solid solid;
  ASSERT_EQ(readFrom(solid, " 10\n1\n 11\n2\n 12\n3\n 13\n4\n 21\n5\n230\n-1\n  0\n"), 0);
  EXPECT_DOUBLE_EQ(solid.cornerX(0), -1.0);
  EXPECT_DOUBLE_EQ(solid.cornerX(3), -4.0);
  EXPECT_DOUBLE_EQ(solid.cornerY(1), 5.0);
  EXPECT_NE(written(solid).find(" 10\n-1.0000\n"), std::string::npos);
  EXPECT_EQ(written(solid).find("230"), std::string::npos);
}

TEST(SolidFile, IndentedExtrusionAndUpwardOnesLeaveX) {
  Solid solid;
  ASSERT_EQ(readFrom(solid, " 10\n1\n210\n0\n220\n0\n230\n1\n  0\n"), 0);
  EXPECT_DOUBLE_EQ(solid.cornerX(0), 1.0);
  Solid indented;
  ASSERT_EQ(readFrom(indented, " 10\n1\n230\n-1\n  0\n"), 0);
  EXPECT_DOUBLE_EQ(indented.cornerX(0), -1.0);
}

TEST(SolidFile, WritesTheTwelvePairsInOrder) {
  Solid solid = square(1, 2, 3, 4, 5, 6, 7, 8);
  EXPECT_EQ(written(solid),
            "SOLID\n  8\n0\n 10\n1.0000\n 20\n2.0000\n 30\n0.0000\n 11\n3.0000\n 21\n4.0000\n"
            " 31\n0.0000\n 12\n5.0000\n 22\n6.0000\n 32\n0.0000\n 13\n7.0000\n 23\n8.0000\n"
            " 33\n0.0000\n  0\n");
  Solid truncated;
  EXPECT_EQ(readFrom(truncated, " 10\n1\n"), Solid::kEndOfFile);
}

TEST(SolidFile, CopyKeepsTheColourNumber) {
  Solid solid;
  ASSERT_EQ(readFrom(solid, " 62\n3\n 12\n9\n  0\n"), 0);
  const Solid copy(solid);
  EXPECT_STREQ(copy.colourNumber(), "3");
  EXPECT_STREQ(copy.colour(), "#149E0A");
  EXPECT_DOUBLE_EQ(copy.cornerX(2), 9.0);
  EXPECT_DOUBLE_EQ(copy.cornerX(7), 0.0);
}

TEST(SolidGeometry, StretchWithoutClampingMoveScaleTransform) {
  Solid solid = square(8, 8, 2, 2, 8, 2, 2, 8);
  solid.stretchX(5, -10);
  EXPECT_DOUBLE_EQ(solid.cornerX(0), -2.0);
  EXPECT_DOUBLE_EQ(solid.cornerX(1), 2.0);
  solid.stretchY(5, 1);
  EXPECT_DOUBLE_EQ(solid.cornerY(0), 9.0);
  solid.moveX(1);
  solid.scaleY(2, 0);
  EXPECT_DOUBLE_EQ(solid.cornerX(1), 3.0);
  EXPECT_DOUBLE_EQ(solid.cornerY(1), 4.0);
  solid.transform(-1, 0, 0, 0, 0);
  EXPECT_DOUBLE_EQ(solid.cornerX(1), 3.0);
  EXPECT_DOUBLE_EQ(solid.cornerY(1), -4.0);
}

}  // namespace
