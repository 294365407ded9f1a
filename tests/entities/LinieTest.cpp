// Tests of lines: geometry queries, intersections, transforms, drawing, reading, writing.
#include <cmath>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "EntityTesting.h"
#include "entities/Kreis.h"
#include "entities/Kreisbogen.h"
#include "entities/Linie.h"
#include "support/RecordingCanvas.h"

namespace {

using entitytesting::makeLayer;
using entitytesting::readFrom;
using entitytesting::written;
using testsupport::RecordingDeviceContext;
using testsupport::RecordingDrawingArea;

TEST(LinieGeometry, StretchClampsOnlyInX) {
  Linie line(15, 15, 5, 30);
  line.stretchX(10, -20);
  EXPECT_DOUBLE_EQ(line.x1(), 10.0);
  EXPECT_DOUBLE_EQ(line.x2(), 5.0);
  Linie far(30, 0, 0, 0);
  far.stretchX(10, -20);
  EXPECT_DOUBLE_EQ(far.x1(), 10.0);
  line.stretchY(10, -20);
  EXPECT_DOUBLE_EQ(line.y1(), -5.0);
  EXPECT_DOUBLE_EQ(line.y2(), 10.0);
}

TEST(LinieGeometry, PointAtClampsTheParameter) {
  const Linie line(0, 0, 10, 4);
  EXPECT_DOUBLE_EQ(line.pointAt(0.5).x(), 5.0);
  EXPECT_DOUBLE_EQ(line.pointAt(0.5).y(), 2.0);
  EXPECT_DOUBLE_EQ(line.pointAt(1.5).x(), 10.0);
  EXPECT_DOUBLE_EQ(line.pointAt(-1).x(), 0.0);
}

TEST(LinieGeometry, ParameterOfUsesXOrElseY) {
  EXPECT_DOUBLE_EQ(Linie(2, 0, 2, 4).parameterOf(Punkt(7, 1), nullptr), 0.25);
  EXPECT_DOUBLE_EQ(Linie(0, 0, 10, 0).parameterOf(Punkt(20, 3), nullptr), 2.0);
  EXPECT_DOUBLE_EQ(Linie(1, 1, 1, 1).parameterOf(Punkt(5, 5), nullptr), 0.0);
}

TEST(LinieGeometry, SignedDistance) {
  const Linie line(0, 0, 10, 0);
  EXPECT_DOUBLE_EQ(line.distanceTo(Punkt(0, 1)), 1.0);
  EXPECT_DOUBLE_EQ(line.distanceTo(Punkt(0, -1)), -1.0);
  EXPECT_DOUBLE_EQ(Linie(3, 3, 3, 3).distanceTo(Punkt(100, -7)), 1.0);
}

TEST(LinieGeometry, TouchesWindowByEndsOnOneSide) {
  EXPECT_EQ(Linie(-5, 0, -1, 5).touchesWindow(0, 0, 10, 10), 0);
  EXPECT_EQ(Linie(0, 11, 5, 12).touchesWindow(0, 0, 10, 10), 0);
  EXPECT_EQ(Linie(-5, 5, 15, 5).touchesWindow(0, 0, 10, 10), 1);
  // Crossing the corner region without entering the window still counts.
  EXPECT_EQ(Linie(-5, 8, 2, 15).touchesWindow(0, 0, 10, 10), 1);
}

TEST(LinieTransform, NegativeScaleMirrorsTopToBottom) {
  Linie line(3, 4, 1, 0);
  line.transform(-1, 0, 0, 0, 5);
  EXPECT_DOUBLE_EQ(line.x1(), 3.0);
  EXPECT_DOUBLE_EQ(line.y1(), -4.0);
  EXPECT_DOUBLE_EQ(line.z1(), 0.0);
}

TEST(LinieIntersectLine, CrossingStrictlyInsideBoth) {
  Punkt first;
  Punkt second;
  ASSERT_EQ(Linie(0, 0, 10, 10).intersectLine(Linie(0, 10, 10, 0), first, second), 1);
  EXPECT_NEAR(first.x(), 5.0, 1e-12);
  EXPECT_NEAR(first.y(), 5.0, 1e-12);
}

TEST(LinieIntersectLine, CrossingAtAnEndPointDoesNotCount) {
  Punkt first;
  Punkt second;
  EXPECT_EQ(Linie(0, 0, 10, 10).intersectLine(Linie(10, 10, 20, 0), first, second), 0);
  EXPECT_EQ(Linie(0, 0, 10, 0).intersectLine(Linie(5, 0, 5, 5), first, second), 0);
}

TEST(LinieIntersectLine, CollinearHorizontalAndVertical) {
  Punkt first;
  Punkt second;
  ASSERT_EQ(Linie(0, 0, 10, 0).intersectLine(Linie(5, 0, 20, 0), first, second), 1);
  EXPECT_DOUBLE_EQ(first.x(), 5.0);
  EXPECT_DOUBLE_EQ(first.y(), 0.0);
  // Only the second end lies inside: it is copied into the first point.
  ASSERT_EQ(Linie(2, 0, 2, 10).intersectLine(Linie(2, -5, 2, 4), first, second), 1);
  EXPECT_DOUBLE_EQ(first.y(), 4.0);
  ASSERT_EQ(Linie(0, 0, 10, 0).intersectLine(Linie(2, 0, 8, 0), first, second), 2);
  EXPECT_DOUBLE_EQ(second.x(), 8.0);
}

TEST(LinieIntersectLine, ParallelAndDegenerateLinesGiveNothing) {
  Punkt first;
  Punkt second;
  EXPECT_EQ(Linie(0, 0, 10, 10).intersectLine(Linie(0, 1, 10, 11), first, second), 0);
  // Collinear but slanted overlap is not detected as such.
  EXPECT_EQ(Linie(0, 0, 10, 10).intersectLine(Linie(5, 5, 20, 20), first, second), 0);
  EXPECT_EQ(Linie(3, 3, 3, 3).intersectLine(Linie(0, 0, 10, 10), first, second), 0);
}

TEST(LinieIntersectCircle, SecantGivesTwoPoints) {
  Punkt first;
  Punkt second;
  ASSERT_EQ(Linie(-5, 0, 5, 0).intersectCircle(Kreis(0, 0, 2), first, second), 2);
  EXPECT_NEAR(std::fabs(first.x()), 2.0, 1e-12);
  EXPECT_NEAR(first.x(), -second.x(), 1e-12);
}

TEST(LinieIntersectCircle, EndOnTheCircleDoesNotCount) {
  Punkt first;
  Punkt second;
  ASSERT_EQ(Linie(0, 0, 5, 0).intersectCircle(Kreis(0, 0, 2), first, second), 1);
  EXPECT_NEAR(first.x(), 2.0, 1e-12);
  EXPECT_EQ(Linie(2, 0, 5, 0).intersectCircle(Kreis(0, 0, 2), first, second), 0);
}

TEST(LinieIntersectCircle, TangentAndMissGiveNothing) {
  Punkt first(9, 9);
  Punkt second;
  EXPECT_EQ(Linie(-5, 2, 5, 2).intersectCircle(Kreis(0, 0, 2), first, second), 0);
  EXPECT_EQ(Linie(-5, 3, 5, 3).intersectCircle(Kreis(0, 0, 2), first, second), 0);
  EXPECT_DOUBLE_EQ(first.x(), 9.0);
}

TEST(LinieIntersectArc, OnlyPointsStrictlyInsideTheArc) {
  Punkt first;
  Punkt second;
  const Kreisbogen upper(0, 0, 2, 0, std::numbers::pi);
  ASSERT_EQ(Linie(0, -5, 0, 5).intersectArc(upper, first, second), 1);
  EXPECT_NEAR(first.y(), 2.0, 1e-12);
  // A horizontal line through the arc's ends meets it only at the ends.
  EXPECT_EQ(Linie(-5, 0, 5, 0).intersectArc(upper, first, second), 0);
}

TEST(LinieDraw, CullsWhenBothEndsLieBeyondOneEdge) {
  RecordingDrawingArea area;
  DXFGeometrie::resetPenCache();
  Linie(-20, 50, -10, 60).draw(area, 1, 0, 0, 0);
  Linie(50, 150, 60, 120).draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.count("wc_line"), 0);
  EXPECT_EQ(area.log.count("set_line_style"), 0);
  Linie(-1000, 50, 1000, 50).draw(area, 1, 0, 0, 0);
  Linie(-10, 0, 0, 100).draw(area, 1, 0, 0, 0);  // touches the viewport at an end exactly
  EXPECT_EQ(area.log.count("wc_line"), 2);
}

TEST(LinieDraw, CullsAgainstTheScrolledContainer) {
  RecordingDrawingArea area;
  area.setWorld(0, 0, 100, 100, 400, 400);
  area.containerSize = {100, 100};
  area.position = {-200, -200};  // shows pixels 200..300 of the area
  DXFGeometrie::resetPenCache();
  Linie(10, 10, 20, 20).draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.count("wc_line"), 0);
  Linie(50, 50, 60, 40).draw(area, 1, 0, 0, 0);
  ASSERT_EQ(area.log.count("wc_line"), 1);
}

TEST(LinieDraw, PlacedCoordinatesGoToTheArea) {
  RecordingDrawingArea area;
  DXFGeometrie::resetPenCache();
  Linie(1, 1, 2, 1).draw(area, 2, 10, 20, 0);
  const auto lines = area.log.named("wc_line");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].str(), "wc_line 12 22 14 22");
}

TEST(LinieDraw, InvisibleLineDrawsNothing) {
  Layer off = makeLayer("L", "1");
  off.setVisible(0);
  const Linie line(10, 10, 20, 20, &off);
  RecordingDrawingArea area;
  RecordingDeviceContext dc;
  line.draw(area, 1, 0, 0, 0);
  line.drawOnDevice(dc, 1, 0, 0, 100, 100, 0, 0, 0);
  EXPECT_TRUE(area.log.calls.empty());
  EXPECT_TRUE(dc.log().calls.empty());
}

TEST(LinieDraw, NonFiniteLineIsNotHandedOn) {
  RecordingDrawingArea area;
  Linie(NAN, 0, 10, 10).draw(area, 1, 0, 0, 0);
  Linie(-INFINITY, 50, INFINITY, 50).draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.count("wc_line"), 0);
}

TEST(LinieDevice, FittedAndFlipped) {
  RecordingDeviceContext dc;
  dc.width = 200;
  dc.height = 400;
  DXFGeometrie::resetPenCache();
  Linie(0, 0, 10, 5).drawOnDevice(dc, 1, 0, 0, 100, 100, 0, 0, 0);
  EXPECT_EQ(dc.log().lines(),
            (std::vector<std::string>{"set_orientation 16", "set_line_style 0",
                                      "set_foreground_color BYLAYER", "line 0 200 20 190"}));
}

TEST(LinieFile, ReadsCoordinatesAndWritesThemBack) {
  Linie line;
  ASSERT_EQ(
      readFrom(line, "  5\n2A\n  8\n0\n 10\n0\n 20\n0\n 30\n0\n 11\n10\n 21\n5\n 31\n0\n  0\n"), 0);
  EXPECT_EQ(written(line),
            "LINE\n  8\n0\n 10\n0.0000\n 20\n0.0000\n 30\n0.0000\n 11\n10.0000\n 21\n5.0000\n"
            " 31\n0.0000\n  0\n");
}

TEST(LinieFile, CopyKeepsColourNumberButNotOwnColour) {
  Layer blue = makeLayer("L", "5");
  Linie line;
  ASSERT_EQ(readFrom(line, "  8\nL\n 62\n1\n 10\n4\n  0\n"), 0);
  line.assignLayer(&blue);
  ASSERT_EQ(line.ownColour(), 1);
  const Linie copy(line);
  EXPECT_STREQ(copy.colourNumber(), "1");
  EXPECT_STREQ(copy.colour(), "#FF0000");
  EXPECT_EQ(copy.ownColour(), 0);
  EXPECT_EQ(copy.layer(), &blue);
  EXPECT_DOUBLE_EQ(copy.x1(), 4.0);
}

}  // namespace
