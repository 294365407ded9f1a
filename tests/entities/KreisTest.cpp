// Tests of circles: queries, intersections, transforms, culling, native circle or chords.
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

using entitytesting::readFrom;
using entitytesting::written;
using testsupport::RecordingDeviceContext;
using testsupport::RecordingDrawingArea;

TEST(KreisGeometry, PointsParametersAndCorners) {
  const Kreis circle(0, 0, 1);
  EXPECT_NEAR(circle.pointAt(0.25).x(), 0.0, 1e-12);
  EXPECT_NEAR(circle.pointAt(0.25).y(), 1.0, 1e-12);
  EXPECT_NEAR(circle.pointAt(2).x(), 1.0, 1e-12);
  EXPECT_NEAR(circle.pointAt(2).y(), 0.0, 1e-9);
  EXPECT_NEAR(circle.parameterOf(Punkt(0, -1), nullptr), 0.75, 1e-12);
  EXPECT_NEAR(circle.parameterOf(Punkt(-1, 0), nullptr), 0.5, 1e-12);
  EXPECT_DOUBLE_EQ(circle.minCorner().x(), -1.0);
  EXPECT_DOUBLE_EQ(circle.minCorner().y(), -1.0);
  EXPECT_DOUBLE_EQ(circle.maxCorner().x(), 1.0);
  EXPECT_DOUBLE_EQ(circle.maxCorner().y(), 1.0);
  EXPECT_DOUBLE_EQ(circle.distanceTo(Punkt(5, 5)), -1.0);
}

TEST(KreisGeometry, ParameterOfPointsOffTheCircleStaysDefined) {
  const Kreis circle(0, 0, 1);
  EXPECT_DOUBLE_EQ(circle.parameterOf(Punkt(3, 0), nullptr), 0.0);
  EXPECT_DOUBLE_EQ(Kreis(0, 0, 0).parameterOf(Punkt(3, 0), nullptr), 0.0);
}

TEST(KreisGeometry, ScalingTheRadius) {
  Kreis x(0, 0, 1);
  x.scaleX(2, 0);
  EXPECT_DOUBLE_EQ(x.r(), 2.0);
  x.scaleY(2, 0);
  EXPECT_DOUBLE_EQ(x.r(), 4.0);
  Kreis both(1, 1, 1);
  both.scaleXY(2, 1, -1);
  EXPECT_DOUBLE_EQ(both.r(), 2.0);
  EXPECT_DOUBLE_EQ(both.cx(), 3.0);
  EXPECT_DOUBLE_EQ(both.cy(), 1.0);
}

TEST(KreisGeometry, TouchesWindowByItsBox) {
  EXPECT_EQ(Kreis(-2, 5, 1.5).touchesWindow(0, 0, 10, 10), 0);
  EXPECT_EQ(Kreis(-1, 5, 1).touchesWindow(0, 0, 10, 10), 1);
  EXPECT_EQ(Kreis(5, 12, 1).touchesWindow(0, 0, 10, 10), 0);
}

TEST(KreisTransform, NegativeScaleKeepsTheRadiusPositive) {
  Kreis circle(3, 4, 2);
  circle.transform(-1, 0, 0, 0, 0);
  EXPECT_DOUBLE_EQ(circle.cx(), 3.0);
  EXPECT_DOUBLE_EQ(circle.cy(), -4.0);
  EXPECT_DOUBLE_EQ(circle.r(), 2.0);
  circle.transform(-2, 90, 1, 1, 0);
  EXPECT_NEAR(circle.cx(), 2 * 4.0 + 1, 1e-12);
  EXPECT_NEAR(circle.cy(), -2 * 3.0 + 1, 1e-12);
  EXPECT_DOUBLE_EQ(circle.r(), 4.0);
}

TEST(KreisIntersect, TwoCirclesCrossTwice) {
  Punkt first;
  Punkt second;
  ASSERT_EQ(Kreis(0, 0, 1).intersectCircle(Kreis(1, 0, 1), first, second), 2);
  EXPECT_NEAR(first.x(), 0.5, 1e-12);
  EXPECT_NEAR(second.x(), 0.5, 1e-12);
  EXPECT_NEAR(std::fabs(first.y()), std::sqrt(0.75), 1e-12);
  EXPECT_NEAR(first.y(), -second.y(), 1e-12);
}

TEST(KreisIntersect, TouchingSeparateContainedAndConcentricGiveNothing) {
  Punkt first;
  Punkt second;
  EXPECT_EQ(Kreis(0, 0, 1).intersectCircle(Kreis(2, 0, 1), first, second), 0);
  EXPECT_EQ(Kreis(0, 0, 1).intersectCircle(Kreis(5, 0, 1), first, second), 0);
  EXPECT_EQ(Kreis(0, 0, 5).intersectCircle(Kreis(1, 0, 1), first, second), 0);
  EXPECT_EQ(Kreis(0, 0, 1).intersectCircle(Kreis(0, 0, 2), first, second), 0);
  EXPECT_EQ(Kreis(0, 0, 1).intersectCircle(Kreis(0, 0, 1), first, second), 0);
}

TEST(KreisIntersect, ArcCountsOnlyPointsStrictlyOnIt) {
  Punkt first;
  Punkt second;
  const Kreisbogen upper(1, 0, 1, 0, std::numbers::pi);
  ASSERT_EQ(Kreis(0, 0, 1).intersectArc(upper, first, second), 1);
  EXPECT_NEAR(first.y(), std::sqrt(0.75), 1e-12);
  const Kreisbogen lower(1, 0, 1, std::numbers::pi, 2 * std::numbers::pi);
  ASSERT_EQ(Kreis(0, 0, 1).intersectArc(lower, first, second), 1);
  EXPECT_NEAR(first.y(), -std::sqrt(0.75), 1e-12);
}

TEST(KreisIntersect, LineEndsOnTheCircleCount) {
  Punkt first;
  Punkt second;
  ASSERT_EQ(Kreis(0, 0, 2).intersectLine(Linie(2, 0, 5, 0), first, second), 1);
  EXPECT_NEAR(first.x(), 2.0, 1e-12);
  ASSERT_EQ(Kreis(0, 0, 2).intersectLine(Linie(0, -2, 0, 2), first, second), 2);
  EXPECT_NEAR(first.y(), -second.y(), 1e-12);
  Punkt untouched(7, 7);
  EXPECT_EQ(Kreis(0, 0, 2).intersectLine(Linie(3, 0, 5, 0), untouched, second), 0);
  EXPECT_DOUBLE_EQ(untouched.x(), 7.0);
  EXPECT_EQ(Kreis(0, 0, 2).intersectLine(Linie(1, 1, 1, 1), first, second), 0);
}

TEST(KreisDraw, NativeCircleInsideTheLimit) {
  RecordingDrawingArea area;  // world 0..100 onto 100 x 100 pixels
  DXFGeometrie::resetPenCache();
  Kreis(50, 50, 10).draw(area, 1, 0, 0, 0);
  ASSERT_EQ(area.log.count("wc_circle"), 1);
  EXPECT_EQ(area.log.named("wc_circle")[0].str(), "wc_circle 50 50 10");
}

TEST(KreisDraw, RadiusOf400PixelsStaysNative) {
  RecordingDrawingArea area;
  // The world origin lies at pixel (0, 0), so only the radius decides.
  area.setWorld(0, -1000, 1000, 0, 1000, 1000);
  area.containerSize = {1000, 1000};
  DXFGeometrie::resetPenCache();
  Kreis(100, -100, 400).draw(area, 1, 0, 0, 0);  // centre at pixel (100, 100)
  EXPECT_EQ(area.log.count("wc_circle"), 1);
  EXPECT_EQ(area.log.count("wc_line"), 0);
}

TEST(KreisDraw, RadiusOf501PixelsBecomesSixtyChords) {
  RecordingDrawingArea area;
  area.setWorld(0, -1000, 1000, 0, 1000, 1000);
  area.containerSize = {1000, 1000};
  DXFGeometrie::resetPenCache();
  Kreis(100, -100, 501).draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.count("wc_circle"), 0);
  const auto chords = area.log.named("wc_line");
  ASSERT_EQ(chords.size(), 60u);
  // The chords close the circle: the last ends where the first starts.
  EXPECT_NEAR(chords.front().args[0], chords.back().args[2], 1e-9);
  EXPECT_NEAR(chords.front().args[1], chords.back().args[3], 1e-9);
}

TEST(KreisDraw, CentreFarOutsideIsCulledThoughTheRimWouldShow) {
  RecordingDrawingArea area;
  DXFGeometrie::resetPenCache();
  // Radius 10 px: the centre must lie within 11 px of the container.
  Kreis(-11.5, 50, 10).draw(area, 1, 0, 0, 0);
  Kreis(50, 111.5, 10).draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.count("wc_circle"), 0);
  Kreis(-10.5, 50, 10).draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.count("wc_circle"), 1);
}

TEST(KreisDraw, NegativeScaleDrawsAPositiveRadius) {
  RecordingDrawingArea area;
  DXFGeometrie::resetPenCache();
  Kreis(-10, -10, 5).draw(area, -1, 0, 0, 0);
  ASSERT_EQ(area.log.count("wc_circle"), 1);
  EXPECT_EQ(area.log.named("wc_circle")[0].str(), "wc_circle 10 10 5");
}

TEST(KreisDraw, UnusableNumbersDrawNothing) {
  RecordingDrawingArea area;
  Kreis(NAN, 50, 10).draw(area, 1, 0, 0, 0);
  Kreis(50, 50, INFINITY).draw(area, 1, 0, 0, 0);
  EXPECT_TRUE(area.log.calls.empty());
}

TEST(KreisDevice, HollowCircleWithoutChords) {
  RecordingDeviceContext dc;
  dc.width = 1000;
  dc.height = 1000;
  DXFGeometrie::resetPenCache();
  Kreis(50, 50, 40).drawOnDevice(dc, 1, 0, 0, 10, 10, 0, 0, 0);
  EXPECT_EQ(dc.log().lines(),
            (std::vector<std::string>{"set_line_style 0", "set_foreground_color BYLAYER",
                                      "set_background_mode 1", "set_fill_style 7",
                                      "circle 5000 -4000 4000"}));
}

TEST(KreisFile, ReadAndWrite) {
  Kreis circle;
  ASSERT_EQ(readFrom(circle, "  8\nK\n 10\n1.5\n 20\n-2\n 30\n0\n 40\n3\n 62\n3\n  0\n"), 0);
  EXPECT_STREQ(circle.colour(), "#149E0A");
  EXPECT_EQ(written(circle),
            "CIRCLE\n  8\nK\n 62\n3\n 10\n1.5000\n 20\n-2.0000\n 30\n0.0000\n 40\n3.0000\n"
            "  0\n");
  Kreis truncated;
  EXPECT_EQ(readFrom(truncated, " 40\n3\n"), Kreis::kEndOfFile);
}

TEST(KreisFile, CopyResetsTheColourNumber) {
  Kreis circle;
  ASSERT_EQ(readFrom(circle, " 62\n1\n 40\n2\n  0\n"), 0);
  const Kreis copy(circle);
  EXPECT_STREQ(copy.colourNumber(), "256");
  EXPECT_STREQ(copy.colour(), "#FF0000");
  EXPECT_DOUBLE_EQ(copy.r(), 2.0);
}

}  // namespace
