// Tests of ellipses: the arc geometry, reading the DXF ELLIPSE, mapping, drawing, writing.
#include <algorithm>
#include <numbers>
#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "EntityTesting.h"
#include "entities/Ellipse.h"
#include "entities/Extrusion.h"
#include "entities/Kreis.h"
#include "entities/Kreisbogen.h"
#include "support/RecordingCanvas.h"

namespace {

using entitytesting::readFrom;
using entitytesting::written;
using testsupport::RecordingDeviceContext;
using testsupport::RecordingDrawingArea;

void expectNear(WorldPoint p, double x, double y, double tolerance = 1e-9) {
  EXPECT_NEAR(p.x, x, tolerance);
  EXPECT_NEAR(p.y, y, tolerance);
}

void expectNear(const Punkt& p, double x, double y, double tolerance = 1e-9) {
  EXPECT_NEAR(p.x(), x, tolerance);
  EXPECT_NEAR(p.y(), y, tolerance);
}

// The value of the ellipse's implicit equation at p: 1 on the curve.
double onCurve(const EllipseArc& arc, WorldPoint p) {
  const WorldPoint a = arc.major;
  const WorldPoint b = arc.minor();
  const double x = p.x - arc.centre.x;
  const double y = p.y - arc.centre.y;
  const double along = (x * a.x + y * a.y) / (a.x * a.x + a.y * a.y);
  const double across = (x * b.x + y * b.y) / (b.x * b.x + b.y * b.y);
  return along * along + across * across;
}

// The two ends of an arc in either order.
void expectEnds(const EllipseArc& arc, WorldPoint one, WorldPoint other) {
  const WorldPoint start = arc.pointAt(arc.start);
  const WorldPoint end = arc.pointAt(arc.end);
  const auto near = [](WorldPoint p, WorldPoint q) {
    return std::hypot(p.x - q.x, p.y - q.y) < 1e-9;
  };
  EXPECT_TRUE((near(start, one) && near(end, other)) || (near(start, other) && near(end, one)))
      << start.x << "," << start.y << " " << end.x << "," << end.y;
}

// ---- the arc geometry

TEST(EllipseArcGeometry, ImageOfACircleUnderAStretchHasTheStretchedAxes) {
  // The unit circle stretched by 2 in x and 3 in y: half axes 3 (along y) and 2.
  const EllipseArc circle;
  const EllipseArc stretched = circle.mapped(2, 0, 0, 3, 5, 7);
  expectNear(stretched.centre, 5, 7);
  EXPECT_NEAR(std::hypot(stretched.major.x, stretched.major.y), 3.0, 1e-12);
  EXPECT_NEAR(std::fabs(stretched.major.x), 0.0, 1e-12);
  EXPECT_NEAR(stretched.ratio, 2.0 / 3.0, 1e-12);
  EXPECT_TRUE(stretched.isFull());
  for (double t = 0; t < 6.3; t += 0.1)
    EXPECT_NEAR(onCurve(stretched, stretched.pointAt(t)), 1, 1e-9);
  // (2, 0) + centre lies on it: the circle's point (1, 0) mapped.
  EXPECT_NEAR(onCurve(stretched, {7, 7}), 1.0, 1e-12);
}

TEST(EllipseArcGeometry, MirroredArcKeepsItsPointsAndRunsCounterClockwise) {
  // The quarter from (2, 0) to (0, 1) of the ellipse with half axes 2 and 1, mirrored in x.
  EllipseArc quarter;
  quarter.major = {2, 0};
  quarter.ratio = 0.5;
  quarter.start = 0;
  quarter.end = std::numbers::pi / 2;
  const EllipseArc mirrored = quarter.mapped(-1, 0, 0, 1, 0, 0);
  expectEnds(mirrored, {-2, 0}, {0, 1});
  EXPECT_NEAR(mirrored.end - mirrored.start, std::numbers::pi / 2, 1e-12);
  // The middle of the mirrored arc is the mirrored middle.
  const WorldPoint middle = mirrored.pointAt((mirrored.start + mirrored.end) / 2);
  expectNear(middle, -2 * std::cos(std::numbers::pi / 4), std::sin(std::numbers::pi / 4));
  EXPECT_GE(mirrored.ratio, 0.0);
  EXPECT_LE(mirrored.ratio, 1.0);
}

TEST(EllipseArcGeometry, FlatteningKeepsEveryChordWithinTheTolerance) {
  EllipseArc arc;
  arc.centre = {10, -4};
  arc.major = {30, 40};  // half axis 50
  arc.ratio = 0.3;
  arc.start = 1.0;
  arc.end = 5.5;
  for (double tolerance : {1.0, 0.01, 1e-4}) {
    const std::vector<WorldPoint> points = flattenedEllipse(arc, tolerance);
    ASSERT_GE(points.size(), 2u);
    expectNear(points.front(), arc.pointAt(arc.start).x, arc.pointAt(arc.start).y);
    expectNear(points.back(), arc.pointAt(arc.end).x, arc.pointAt(arc.end).y);
    // The curve between two chord ends lies within the tolerance of the chord.
    const double step = (arc.end - arc.start) / (points.size() - 1);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
      const WorldPoint mid = arc.pointAt(arc.start + step * (i + 0.5));
      const WorldPoint chordMid{(points[i].x + points[i + 1].x) / 2,
                                (points[i].y + points[i + 1].y) / 2};
      EXPECT_LE(std::hypot(mid.x - chordMid.x, mid.y - chordMid.y), tolerance);
    }
  }
  EXPECT_EQ(chordsWithin(arc, 50, 0.0), kMaxEllipseChords);
}

// ---- reading the DXF ELLIPSE

TEST(EllipseFile, PartialEllipseFromItsGroups) {
  Ellipse ellipse;
  // Centre (5, 1), major axis (2, 0), ratio 0.5, the quarter from parameter 0 to pi/2.
  ASSERT_EQ(readFrom(ellipse,
                     "  8\n0\n 10\n5\n 20\n1\n 30\n0\n 11\n2\n 21\n0\n 31\n0\n"
                     " 40\n0.5\n 41\n0\n 42\n1.5707963267948966\n 62\n1\n  0\n"),
            0);
  EXPECT_STREQ(ellipse.colour(), "#FF0000");
  expectEnds(ellipse.arc(), {7, 1}, {5, 2});
  expectNear(ellipse.pointAt(0.5), 5 + 2 * std::cos(std::numbers::pi / 4),
             1 + std::sin(std::numbers::pi / 4));
  expectNear(ellipse.maxCorner(), 7, 2);
  expectNear(ellipse.minCorner(), 5, 1);
  EXPECT_EQ(readFrom(ellipse, " 10\n5\n 20\n"), Ellipse::kEndOfFile);
}

TEST(EllipseFile, DownwardNormalPutsTheMinorAxisBelow) {
  // N = (0, 0, -1): the minor axis is ratio * N x A = (0, -1); from A at parameter 0 to
  // the minor axis at pi/2 the arc runs clockwise seen from above.
  Ellipse ellipse;
  ASSERT_EQ(readFrom(ellipse,
                     " 10\n0\n 20\n0\n 11\n2\n 21\n0\n 40\n0.5\n 41\n0\n"
                     " 42\n1.5707963267948966\n210\n0\n220\n0\n230\n-1\n  0\n"),
            0);
  expectEnds(ellipse.arc(), {2, 0}, {0, -1});
  expectNear(ellipse.pointAt(0.5), 2 * std::cos(std::numbers::pi / 4),
             -std::sin(std::numbers::pi / 4));
}

TEST(EllipseFile, EqualParametersAndTheDefaultsMeanTheWholeEllipse) {
  Ellipse whole;
  ASSERT_EQ(readFrom(whole, " 10\n0\n 20\n0\n 11\n0\n 21\n3\n 40\n0.5\n 41\n1\n 42\n1\n  0\n"), 0);
  EXPECT_TRUE(whole.arc().isFull());
  expectNear(whole.maxCorner(), 1.5, 3);
  expectNear(whole.minCorner(), -1.5, -3);
}

TEST(EllipseFile, EndBelowStartRunsCounterClockwiseThroughZero) {
  struct Case {
    double start;
    double end;
    double sweep;  // from start on through parameter 0 to end: end - start + 2 pi
  };
  // Half axes 2 along x and 1 along y about the origin. The middle of the arc, half the
  // sweep after its start, shows which way round it runs.
  for (const Case& c : {Case{std::numbers::pi, std::numbers::pi / 2, 3 * std::numbers::pi / 2},
                        Case{3 * std::numbers::pi / 2, 0, std::numbers::pi / 2},
                        Case{5.5, 0.5, 2 * std::numbers::pi - 5}}) {
    SCOPED_TRACE(c.start);
    std::ostringstream groups;
    groups.imbue(std::locale::classic());
    groups << std::setprecision(17) << " 10\n0\n 20\n0\n 11\n2\n 21\n0\n 40\n0.5\n 41\n"
           << c.start << "\n 42\n"
           << c.end << "\n  0\n";
    Ellipse ellipse;
    ASSERT_EQ(readFrom(ellipse, groups.str()), 0);
    EXPECT_NEAR(ellipse.arc().end - ellipse.arc().start, c.sweep, 1e-9);
    const double middle = c.start + c.sweep / 2;
    expectNear(ellipse.pointAt(0.5), 2 * std::cos(middle), std::sin(middle));
  }
}

// ---- mapping and drawing

TEST(EllipseMapping, TransformMovesEveryPointLikeAPoint) {
  EllipseArc arc;
  arc.centre = {1, 2};
  arc.major = {3, 1};
  arc.ratio = 0.4;
  arc.start = 0.5;
  arc.end = 4.0;
  for (double s : {2.0, -1.5}) {
    Ellipse ellipse(arc);
    ellipse.transform(s, 30, 4, -5, 0);
    for (double t : {0.0, 0.3, 0.7, 1.0}) {
      Punkt expected(arc.pointAt(arc.start + t * (arc.end - arc.start)).x,
                     arc.pointAt(arc.start + t * (arc.end - arc.start)).y);
      expected.transform(s, 30, 4, -5, 0);
      EXPECT_NEAR(onCurve(ellipse.arc(), {expected.x(), expected.y()}), 1.0, 1e-9);
    }
    // The ends stay the ends (a mirror may swap them).
    Punkt start(arc.pointAt(arc.start).x, arc.pointAt(arc.start).y);
    Punkt end(arc.pointAt(arc.end).x, arc.pointAt(arc.end).y);
    start.transform(s, 30, 4, -5, 0);
    end.transform(s, 30, 4, -5, 0);
    expectEnds(ellipse.arc(), {start.x(), start.y()}, {end.x(), end.y()});
  }
}

TEST(EllipseDrawing, ChordsFollowTheCurveAndGrowWithTheZoom) {
  EllipseArc arc;
  arc.centre = {50, 50};
  arc.major = {20, 0};
  arc.ratio = 0.5;
  const Ellipse ellipse(arc);
  int previous = 0;
  for (double half : {50.0, 5.0}) {
    RecordingDrawingArea area;
    area.setWorld(50 - half, 50 - half, 50 + half, 50 + half, 400, 400);
    area.containerSize = {400, 400};
    DXFGeometrie::resetPenCache();
    ellipse.draw(area, 1, 0, 0, 0);
    const auto lines = area.log.named("wc_line");
    ASSERT_GT(lines.size(), 8u);
    for (const auto& line : lines) {
      EXPECT_NEAR(onCurve(arc, {line.args[0], line.args[1]}), 1.0, 1e-9);
      EXPECT_NEAR(onCurve(arc, {line.args[2], line.args[3]}), 1.0, 1e-9);
    }
    EXPECT_GT(static_cast<int>(lines.size()), previous);
    previous = static_cast<int>(lines.size());
  }
}

TEST(EllipseDrawing, PrinterGetsTheFittedCurve) {
  EllipseArc arc;
  arc.major = {10, 0};
  arc.ratio = 0.5;
  arc.end = std::numbers::pi;  // the upper half
  const Ellipse ellipse(arc);
  RecordingDeviceContext dc;
  dc.width = 200;
  dc.height = 200;
  // The window (-10, -10) to (10, 10) fitted onto 200 pixels: 10 pixels per unit.
  ellipse.drawOnDevice(dc, 1, -10, -10, 10, 10, 0, 0, 0);
  const auto lines = dc.log().named("line");
  ASSERT_GT(lines.size(), 4u);
  // From (10, 0) to (-10, 0), in pixels (200, 100) and (0, 100), in either direction.
  const double firstX = lines.front().args[0];
  const double lastX = lines.back().args[2];
  EXPECT_NEAR(std::fabs(firstX - lastX), 200, 1e-9);
  EXPECT_NEAR(std::min(firstX, lastX), 0, 1e-9);
  EXPECT_NEAR(lines.front().args[1], 100, 1e-9);
  EXPECT_NEAR(lines.back().args[3], 100, 1e-9);
  for (const auto& line : lines) {
    EXPECT_LE(line.args[1], 100 + 1e-9);  // above the axis
    // On the curve: ((x - 100) / 100)^2 + ((100 - y) / 50)^2 = 1.
    EXPECT_NEAR(std::pow((line.args[0] - 100) / 100, 2) + std::pow((100 - line.args[1]) / 50, 2),
                1.0, 1e-9);
  }
}

// ---- circles in tilted planes

TEST(EllipseOfTiltedPlane, CircleInAPlaneTiltedByFortyFiveDegreesIsFlattenedInY) {
  // N = (0, -1, 1) / sqrt 2: the plane's x axis is world x, its y axis (0, 1, 1) / sqrt 2,
  // so from above a radius along y shrinks to r / sqrt 2.
  Kreis circle;
  std::optional<EllipseArc> outline;
  auto in = DxfLineReader::fromString(" 10\n0\n 20\n4\n 40\n2\n210\n0\n220\n-1\n230\n1\n  0\n");
  ASSERT_EQ(circle.readGroups(in, outline), 0);
  ASSERT_TRUE(outline.has_value());
  expectNear(outline->centre, 0, 4 / std::sqrt(2.0));
  EXPECT_NEAR(std::hypot(outline->major.x, outline->major.y), 2.0, 1e-12);
  EXPECT_NEAR(outline->ratio, 1 / std::sqrt(2.0), 1e-12);
  // A circle seen from straight below is no ellipse.
  Kreis below;
  auto down = DxfLineReader::fromString(" 10\n1\n 40\n2\n230\n-1\n  0\n");
  ASSERT_EQ(below.readGroups(down, outline), 0);
  EXPECT_FALSE(outline.has_value());
}

// ---- writing

TEST(EllipseWriting, WrittenAsAPolylineOfPointsOnTheCurve) {
  EllipseArc arc;
  arc.centre = {3, 4};
  arc.major = {0, 5};
  arc.ratio = 0.2;
  arc.start = 0;
  arc.end = std::numbers::pi;
  Ellipse half(arc);
  const std::string text = written(half);
  ASSERT_EQ(text.rfind("POLYLINE\n  8\n0\n", 0), 0u) << text;
  // Flag 128: the linetype pattern runs on around the vertices, as along the ellipse.
  EXPECT_NE(text.find(" 70\n128\n"), std::string::npos);
  EXPECT_NE(text.find("SEQEND\n"), std::string::npos);
  std::vector<WorldPoint> vertices;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line != "VERTEX") continue;
    WorldPoint p;
    std::string code;
    while (std::getline(lines, code) && code != " 10") {
    }
    lines >> p.x;
    std::getline(lines, code);
    std::getline(lines, code);
    lines >> p.y;
    vertices.push_back(p);
  }
  ASSERT_GT(vertices.size(), 10u);
  expectNear(vertices.front(), 3, 9, 1e-4);
  expectNear(vertices.back(), 3, -1, 1e-4);
  for (const WorldPoint& p : vertices) EXPECT_NEAR(onCurve(arc, p), 1.0, 1e-3);
  // A whole ellipse is a closed polyline.
  arc.end = arc.start + EllipseArc::kFullTurn;
  EXPECT_NE(written(Ellipse(arc)).find(" 70\n129\n"), std::string::npos);
  // Nothing stands for an ellipse of infinite size.
  arc.major = {INFINITY, 0};
  EXPECT_EQ(written(Ellipse(arc)), "");
}

}  // namespace
