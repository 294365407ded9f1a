// Tests of arcs: angles, bulge arcs, extents, refits, transforms, drawing, reading, writing.
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

double deg(double degrees) { return degrees / 180.0 * std::numbers::pi; }

void expectNear(const Punkt& p, double x, double y, double tolerance = 1e-9) {
  EXPECT_NEAR(p.x(), x, tolerance);
  EXPECT_NEAR(p.y(), y, tolerance);
}

TEST(KreisbogenFile, AnglesAcrossZeroAreReadAndWrittenBack) {
  Kreisbogen arc;
  ASSERT_EQ(readFrom(arc, "  8\n0\n 10\n1\n 20\n2\n 30\n0\n 40\n5\n 50\n350\n 51\n10\n  0\n"), 0);
  EXPECT_NEAR(arc.startAngle(), deg(350), 1e-12);
  EXPECT_NEAR(arc.endAngle(), deg(370), 1e-12);
  EXPECT_EQ(written(arc),
            "ARC\n  8\n0\n 10\n1.0000\n 20\n2.0000\n 30\n0.0000\n 40\n5.0000\n 50\n350.0000\n"
            " 51\n10.0000\n  0\n");
}

TEST(KreisbogenFile, ZeroSweepIsWrittenButNeverDrawn) {
  Kreisbogen arc;
  ASSERT_EQ(readFrom(arc, " 10\n50\n 20\n50\n 40\n10\n 50\n0\n 51\n0\n  0\n"), 0);
  RecordingDrawingArea area;
  DXFGeometrie::resetPenCache();
  arc.draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.count("wc_line") + area.log.count("native_arc"), 0);
  EXPECT_EQ(area.log.count("set_line_style"), 1);  // the pen is still selected
  EXPECT_NE(written(arc).find(" 51\n0.0000\n"), std::string::npos);
}

TEST(KreisbogenFile, EndOfFileAndColour) {
  Kreisbogen arc;
  EXPECT_EQ(readFrom(arc, " 10\n1\n 50\n"), Kreisbogen::kEndOfFile);
  Kreisbogen red;
  ASSERT_EQ(readFrom(red, " 62\n1\n 40\n1\n 51\n90\n  0\n"), 0);
  EXPECT_STREQ(red.colour(), "#FF0000");
}

TEST(KreisbogenGeometry, QuarterArcPointsAndCorners) {
  const Kreisbogen arc(0, 0, 1, 0, deg(90));
  expectNear(arc.pointAt(0.5), std::sqrt(0.5), std::sqrt(0.5));
  expectNear(arc.maxCorner(), 1, 1);
  expectNear(arc.minCorner(), 0, 0);
  const Kreisbogen top(0, 0, 1, deg(45), deg(135));
  EXPECT_NEAR(top.maxCorner().y(), 1.0, 1e-12);
  EXPECT_NEAR(top.maxCorner().x(), std::cos(deg(45)), 1e-12);
  EXPECT_NEAR(top.minCorner().x(), -std::cos(deg(45)), 1e-12);
}

TEST(KreisbogenGeometry, ExtentsAcrossTheAxes) {
  const Kreisbogen acrossZero(0, 0, 2, deg(350), deg(370));
  EXPECT_NEAR(acrossZero.maxCorner().x(), 2.0, 1e-12);
  EXPECT_NEAR(acrossZero.minCorner().x(), 2 * std::cos(deg(10)), 1e-12);
  EXPECT_NEAR(acrossZero.maxCorner().y(), 2 * std::sin(deg(10)), 1e-12);
  EXPECT_NEAR(acrossZero.minCorner().y(), -2 * std::sin(deg(10)), 1e-12);
  const Kreisbogen lower(5, 5, 1, deg(180), deg(360));
  expectNear(lower.minCorner(), 4, 4);
  expectNear(lower.maxCorner(), 6, 5);
  const Kreisbogen left(0, 0, 1, deg(90), deg(270));
  expectNear(left.minCorner(), -1, -1);
  expectNear(left.maxCorner(), 0, 1);
}

TEST(KreisbogenGeometry, ParameterOfWithAndWithoutMarker) {
  const Kreisbogen arc(0, 0, 1, deg(350), deg(370));
  EXPECT_NEAR(arc.parameterOf(Punkt(std::cos(deg(5)), std::sin(deg(5))), nullptr), 0.75, 1e-9);
  const int marker = 0;
  const Punkt off(std::cos(deg(90)), 1);
  EXPECT_DOUBLE_EQ(arc.parameterOf(off, nullptr), 0.0);
  EXPECT_DOUBLE_EQ(arc.parameterOf(off, &marker), -1.0);
  EXPECT_DOUBLE_EQ(arc.parameterOf(Punkt(5, 0), &marker), -1.0);
  EXPECT_DOUBLE_EQ(Kreisbogen(0, 0, 1, 1, 1).parameterOf(Punkt(1, 0), &marker), -1.0);
}

TEST(KreisbogenGeometry, DistanceFromTheCircle) {
  const Kreisbogen arc(1, 1, 2, 0, deg(90));
  EXPECT_DOUBLE_EQ(arc.distanceTo(Punkt(1, 1)), -2.0);
  EXPECT_DOUBLE_EQ(arc.distanceTo(Punkt(1, 4)), 1.0);
}

TEST(KreisbogenGeometry, StretchMovesOnlyTheCentre) {
  Kreisbogen arc(15, 15, 1, 0, 1);
  arc.stretchX(10, -20);
  arc.stretchY(10, -20);
  EXPECT_DOUBLE_EQ(arc.cx(), 10.0);
  EXPECT_DOUBLE_EQ(arc.cy(), -5.0);
  EXPECT_DOUBLE_EQ(arc.endAngle(), 1.0);
}

TEST(KreisbogenBulge, HalfCirclesOfBothSigns) {
  const Kreisbogen below(1, Punkt(0, 0), Punkt(2, 0));
  EXPECT_NEAR(below.cx(), 1.0, 1e-12);
  EXPECT_NEAR(below.cy(), 0.0, 1e-12);
  EXPECT_NEAR(below.r(), 1.0, 1e-12);
  EXPECT_NEAR(below.startAngle(), std::numbers::pi, 1e-12);
  EXPECT_NEAR(below.endAngle(), 2 * std::numbers::pi, 1e-12);
  const Kreisbogen above(-1, Punkt(0, 0), Punkt(2, 0));
  EXPECT_NEAR(above.startAngle(), 0.0, 1e-12);
  EXPECT_NEAR(above.endAngle(), std::numbers::pi, 1e-12);
  expectNear(above.pointAt(0), 2, 0);
  expectNear(above.pointAt(1), 0, 0);
}

// A bulge arc in every direction of its chord: it joins the two points, sweeps the
// included angle and bulges to the right of the chord for a positive bulge.
TEST(KreisbogenBulge, AllDirectionsAndSigns) {
  const double directions[][2] = {{2, 1}, {-2, 1}, {-2, -1}, {2, -1}, {3, 0},
                                  {0, 3}, {-3, 0}, {0, -3},  {1, 1},  {-1, -1}};
  for (const auto& d : directions) {
    for (double bulge : {0.25, 0.5, 1.0, 2.0, -0.25, -0.5, -1.0, -2.0}) {
      const Punkt p1(10, 20);
      const Punkt p2(10 + d[0], 20 + d[1]);
      const Kreisbogen arc(bulge, p1, p2);
      SCOPED_TRACE(testing::Message() << "chord " << d[0] << "," << d[1] << " bulge " << bulge);
      const Punkt& from = bulge > 0 ? p1 : p2;
      const Punkt& to = bulge > 0 ? p2 : p1;
      expectNear(arc.pointAt(0), from.x(), from.y(), 1e-9);
      expectNear(arc.pointAt(1), to.x(), to.y(), 1e-9);
      EXPECT_NEAR(arc.endAngle() - arc.startAngle(), std::fabs(4 * std::atan(bulge)), 1e-9);
      const double chord = std::hypot(d[0], d[1]);
      const double side = Linie(p1.x(), p1.y(), p2.x(), p2.y()).distanceTo(arc.pointAt(0.5));
      EXPECT_NEAR(side, -bulge * chord / 2, 1e-9);  // sagitta, negative to the right
    }
  }
}

TEST(KreisbogenBulge, ZeroBulgeAndZeroChordStayFinite) {
  const Kreisbogen flat(0, Punkt(0, 0), Punkt(2, 0));
  EXPECT_TRUE(std::isfinite(flat.r()));
  EXPECT_DOUBLE_EQ(flat.startAngle(), flat.endAngle());
  const Kreisbogen point(1, Punkt(3, 3), Punkt(3, 3));
  EXPECT_TRUE(std::isfinite(point.cx()));
  EXPECT_DOUBLE_EQ(point.r(), 0.0);
}

TEST(KreisbogenTransform, NegativeScaleMirrorsTheAngles) {
  Kreisbogen arc(0, 0, 1, 0, deg(90));
  arc.transform(-1, 0, 0, 0, 0);
  EXPECT_NEAR(arc.startAngle(), deg(270), 1e-12);
  EXPECT_NEAR(arc.endAngle(), deg(360), 1e-12);
  EXPECT_DOUBLE_EQ(arc.cx(), 0.0);
  EXPECT_DOUBLE_EQ(arc.r(), 1.0);
}

// The arc keeps meeting the lines it met before, whatever scale and rotation.
TEST(KreisbogenTransform, EndsFollowTheLinesTheyJoin) {
  for (double s : {2.0, -1.0, -0.5}) {
    for (double a : {0.0, 30.0, 90.0, 180.0, 250.0}) {
      SCOPED_TRACE(testing::Message() << "s " << s << " a " << a);
      Kreisbogen arc(1, 2, 3, deg(20), deg(110));
      Linie chord(arc.pointAt(0).x(), arc.pointAt(0).y(), arc.pointAt(1).x(), arc.pointAt(1).y());
      Punkt middle = arc.pointAt(0.5);
      arc.transform(s, a, 5, -3, 0);
      chord.transform(s, a, 5, -3, 0);
      middle.transform(s, a, 5, -3, 0);
      EXPECT_NEAR(arc.r(), 3 * std::fabs(s), 1e-9);
      // A mirror turns the arc round: it then starts where the chord ends.
      const bool mirrored = s < 0;
      expectNear(arc.pointAt(0), mirrored ? chord.x2() : chord.x1(),
                 mirrored ? chord.y2() : chord.y1());
      expectNear(arc.pointAt(1), mirrored ? chord.x1() : chord.x2(),
                 mirrored ? chord.y1() : chord.y2());
      expectNear(arc.pointAt(0.5), middle.x(), middle.y());
    }
  }
}

TEST(KreisbogenTransform, ScaleXYIsAnUnrotatedTransform) {
  Kreisbogen arc(1, 1, 1, 0, deg(90));
  arc.scaleXY(2, 1, -1);
  EXPECT_DOUBLE_EQ(arc.cx(), 3.0);
  EXPECT_DOUBLE_EQ(arc.cy(), 1.0);
  EXPECT_DOUBLE_EQ(arc.r(), 2.0);
}

TEST(KreisbogenRefit, ScaleXPassesThroughTheMappedPoints) {
  Kreisbogen arc(0, 0, 1, 0, std::numbers::pi);
  arc.scaleX(2, 0);
  expectNear(arc.pointAt(0), 2, 0);
  expectNear(arc.pointAt(1), -2, 0);
  EXPECT_NEAR(arc.cy(), -1.5, 1e-12);
  EXPECT_NEAR(arc.r(), 2.5, 1e-12);
  EXPECT_NEAR(arc.maxCorner().y(), 1.0, 1e-12);
}

TEST(KreisbogenRefit, MirroringScaleTurnsTheArcRound) {
  Kreisbogen arc(0, 0, 1, deg(10), deg(80));
  arc.scaleY(-1, 4);
  // (cos 10, sin 10) and (cos 80, sin 80) go to y' = 4 - y; the arc runs from the mapped
  // end to the mapped start, counter-clockwise, below the centre (0, 4).
  expectNear(arc.pointAt(0), std::cos(deg(80)), 4 - std::sin(deg(80)));
  expectNear(arc.pointAt(1), std::cos(deg(10)), 4 - std::sin(deg(10)));
  EXPECT_NEAR(arc.cy(), 4.0, 1e-12);
  EXPECT_GT(arc.endAngle(), arc.startAngle());
}

TEST(KreisbogenRefit, CollinearPointsLeaveTheArcUnchanged) {
  Kreisbogen arc(0, 0, 1, 0, std::numbers::pi);
  arc.scaleY(0, 3);
  EXPECT_DOUBLE_EQ(arc.r(), 1.0);
  EXPECT_DOUBLE_EQ(arc.cy(), 0.0);
  EXPECT_DOUBLE_EQ(arc.endAngle(), std::numbers::pi);
  Kreisbogen flat(0, 0, 0, 0, 1);
  flat.scaleX(2, 1);
  EXPECT_DOUBLE_EQ(flat.cx(), 0.0);
}

TEST(KreisbogenIntersect, CircleArcAndLine) {
  Punkt first;
  Punkt second;
  const Kreisbogen upper(0, 0, 1, 0, std::numbers::pi);
  ASSERT_EQ(upper.intersectCircle(Kreis(1, 0, 1), first, second), 1);
  EXPECT_GT(first.y(), 0.0);
  const Kreisbogen otherUpper(1, 0, 1, 0, std::numbers::pi);
  ASSERT_EQ(upper.intersectArc(otherUpper, first, second), 1);
  EXPECT_NEAR(first.x(), 0.5, 1e-12);
  const Kreisbogen otherLower(1, 0, 1, std::numbers::pi, 2 * std::numbers::pi);
  EXPECT_EQ(upper.intersectArc(otherLower, first, second), 0);
  ASSERT_EQ(upper.intersectLine(Linie(-2, 0.5, 2, 0.5), first, second), 2);
  EXPECT_NEAR(first.y(), 0.5, 1e-12);
  // A crossing at the very end of the line is inside the margin and does not count.
  EXPECT_EQ(upper.intersectLine(Linie(0, 0, 0, 1), first, second), 0);
}

TEST(KreisbogenDraw, NativeArcInPixels) {
  RecordingDrawingArea area;  // world 0..100 onto 100 x 100 pixels
  DXFGeometrie::resetPenCache();
  Kreisbogen(50, 50, 10, 0, deg(90)).draw(area, 1, 0, 0, 0);
  const auto arcs = area.log.named("native_arc");
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].str(), "native_arc 40 40 60 60 60 50 50 40");
}

TEST(KreisbogenDraw, NegativeScaleGivesAnOrderedBox) {
  RecordingDrawingArea area;
  DXFGeometrie::resetPenCache();
  Kreisbogen(-50, -50, 10, 0, deg(90)).draw(area, -1, 0, 0, 0);
  const auto arcs = area.log.named("native_arc");
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].str(), "native_arc 40 40 60 60 40 50 50 60");
}

TEST(KreisbogenDraw, BoxOutsideThePositiveQuadrantGivesChords) {
  RecordingDrawingArea area;
  area.containerSize = {200, 200};
  DXFGeometrie::resetPenCache();
  Kreisbogen(5, 50, 10, 0, deg(90)).draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.count("native_arc"), 0);
  EXPECT_EQ(area.log.count("wc_line"), 24);
  area.log.clear();
  Kreisbogen(5, 50, 10, 0, 3.0).draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.count("wc_line"), 34);
  area.log.clear();
  Kreisbogen(5, 50, 10, 0, 6.1).draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.count("wc_line"), 68);
}

TEST(KreisbogenDraw, ChordsJoinStartAndEnd) {
  RecordingDrawingArea area;
  DXFGeometrie::resetPenCache();
  Kreisbogen(5, 50, 10, 0, deg(90)).draw(area, 1, 0, 0, 0);
  const auto chords = area.log.named("wc_line");
  ASSERT_FALSE(chords.empty());
  EXPECT_NEAR(chords.front().args[0], 15.0, 1e-9);
  EXPECT_NEAR(chords.front().args[1], 50.0, 1e-9);
  EXPECT_NEAR(chords.back().args[2], 5.0, 1e-9);
  EXPECT_NEAR(chords.back().args[3], 60.0, 1e-9);
}

TEST(KreisbogenDraw, FarZoomBeyondTheLimitGivesChords) {
  RecordingDrawingArea area;
  area.setWorld(0, 0, 10, 10, 10000, 10000);  // 1000 pixels per unit
  area.containerSize = {1000, 1000};
  DXFGeometrie::resetPenCache();
  Kreisbogen(0.5, 9.5, 0.2, 0, deg(90)).draw(area, 1, 0, 0, 0);  // pixels 300 to 700
  EXPECT_EQ(area.log.count("native_arc"), 1);
  area.log.clear();
  Kreisbogen(5, 5, 0.2, 0, deg(90)).draw(area, 1, 0, 0, 0);  // pixel 5000: culled
  EXPECT_EQ(area.log.count("wc_line") + area.log.count("native_arc"), 0);
  area.position = {-4500, -4500};  // scrolled there: seen, but beyond the native limit
  Kreisbogen(5, 5, 0.2, 0, deg(90)).draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.count("native_arc"), 0);
  EXPECT_EQ(area.log.count("wc_line"), 24);
}

TEST(KreisbogenDraw, ShortArcBecomesAStroke) {
  RecordingDrawingArea area;
  DXFGeometrie::resetPenCache();
  Kreisbogen(50, 50, 10, 0, 2 * std::numbers::pi - 0.01).draw(area, 1, 0, 0, 0);
  EXPECT_EQ(area.log.count("native_arc"), 0);
  EXPECT_EQ(area.log.count("wc_line"), 1);
}

TEST(KreisbogenDevice, ArcChordsAndStroke) {
  RecordingDeviceContext dc;
  dc.width = 100;
  dc.height = 100;
  DXFGeometrie::resetPenCache();
  Kreisbogen(50, 50, 10, 0, deg(90)).drawOnDevice(dc, 1, 0, 0, 100, 100, 0, 0, 30);
  const auto arcs = dc.log().named("arc");
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_NEAR(arcs[0].args[2], 10.0, 1e-9);
  EXPECT_NEAR(arcs[0].args[4], deg(30), 1e-12);
  EXPECT_NEAR(arcs[0].args[5], deg(120), 1e-12);

  dc.log().clear();
  Kreisbogen(50, 50, 10, 0, deg(90)).drawOnDevice(dc, 1, 0, 0, 0.1, 0.1, 0, 0, 0);
  EXPECT_EQ(dc.log().count("line"), 24);
  EXPECT_EQ(dc.log().count("arc"), 0);

  dc.log().clear();
  Kreisbogen(50, 50, 0.1, 0, deg(90)).drawOnDevice(dc, 1, 0, 0, 100, 100, 0, 0, 0);
  EXPECT_EQ(dc.log().count("line"), 1);
}

TEST(KreisbogenDevice, NegativeScaleKeepsTheRadiusPositive) {
  RecordingDeviceContext dc;
  dc.width = 100;
  dc.height = 100;
  DXFGeometrie::resetPenCache();
  Kreisbogen(-50, -50, 10, 0, deg(90)).drawOnDevice(dc, -1, 0, 0, 100, 100, 0, 0, 0);
  const auto arcs = dc.log().named("arc");
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_NEAR(arcs[0].args[0], 50.0, 1e-9);
  EXPECT_NEAR(arcs[0].args[2], 10.0, 1e-9);
  EXPECT_NEAR(arcs[0].args[4], std::numbers::pi, 1e-12);  // turned half round
}

}  // namespace
