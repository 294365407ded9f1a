// Tests of the SPLINE entity: reading its definition, drawing at the zoom, its R12 forms.
#include "entities/Spline.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "EntityTesting.h"
#include "entities/Punkt.h"
#include "support/RecordingCanvas.h"

namespace {

using entitytesting::readFrom;

// The quarter circle of radius r around the origin as a rational quadratic SPLINE.
std::string quarterCircleText(double r) {
  // A string stream writes a decimal point whatever the C library's numeric locale.
  const auto number = [](double value) {
    std::ostringstream out;
    out.precision(17);
    out << value;
    return out.str();
  };
  const std::string w = number(std::sqrt(0.5));
  const std::string rs = number(r);
  return "  8\nC\n 70\n12\n 71\n2\n 72\n6\n 73\n3\n 40\n0\n 40\n0\n 40\n0\n 40\n1\n 40\n1\n 40\n1\n"
         " 10\n" +
         rs + "\n 20\n0\n 30\n0\n 41\n1\n 10\n" + rs + "\n 20\n" + rs + "\n 30\n0\n 41\n" + w +
         "\n 10\n0\n 20\n" + rs + "\n 30\n0\n 41\n1\n  0\n";
}

double farthestFromRadius(const std::vector<WorldPoint>& points, double r) {
  double worst = 0.0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const double mx = 0.5 * (points[i - 1].x + points[i].x);
    const double my = 0.5 * (points[i - 1].y + points[i].y);
    worst = std::max(worst, std::fabs(r - std::hypot(mx, my)));
  }
  return worst;
}

TEST(SplineReading, RationalSplineIsAQuarterCircle) {
  Spline spline;
  ASSERT_EQ(readFrom(spline, quarterCircleText(10)), 0);
  ASSERT_TRUE(spline.curve());
  EXPECT_EQ(spline.curve()->degree(), 2);
  const WorldPoint mid = spline.curve()->at(0.5);
  EXPECT_NEAR(mid.x, 10 * std::sqrt(0.5), 1e-5);
  EXPECT_NEAR(mid.y, 10 * std::sqrt(0.5), 1e-5);
  EXPECT_NEAR(spline.maxCorner().x(), 10.0, 1e-9);
  EXPECT_NEAR(spline.maxCorner().y(), 10.0, 1e-9);
  EXPECT_NEAR(spline.minCorner().x(), 0.0, 1e-9);
}

TEST(SplineReading, FitPointsWithoutControlPointsGiveTheCurveThroughThem) {
  Spline spline;
  ASSERT_EQ(readFrom(spline,
                     "  8\n0\n 70\n8\n 71\n3\n 74\n3\n 11\n0\n 21\n0\n 31\n0\n 11\n5\n 21\n5\n"
                     " 31\n0\n 11\n10\n 21\n0\n 31\n0\n  0\n"),
            0);
  ASSERT_TRUE(spline.curve());
  const auto points = spline.savedPoints();
  EXPECT_NEAR(points.front().x, 0.0, 1e-12);
  EXPECT_NEAR(points.back().x, 10.0, 1e-12);
  // Symmetric fit points: the curve's top is the middle one.
  EXPECT_NEAR(spline.maxCorner().y(), 5.0, 0.05);
  Spline nothing;
  EXPECT_EQ(readFrom(nothing, "  8\n0\n 71\n3\n  0\n"), 0);
  EXPECT_FALSE(nothing.curve());
  EXPECT_TRUE(entitytesting::written(nothing).find("VERTEX") == std::string::npos);
}

TEST(SplineDrawing, ChordsStayWithinHalfAPixelAtEveryZoom) {
  Spline spline;
  ASSERT_EQ(readFrom(spline, quarterCircleText(10)), 0);
  for (const double pixelsPerUnit : {1.0, 10.0, 100.0}) {
    SCOPED_TRACE(pixelsPerUnit);
    testsupport::RecordingDrawingArea area;
    const int side = static_cast<int>(12 * pixelsPerUnit);
    area.setWorld(-1, -1, 11, 11, side, side);
    area.containerSize = {side, side};
    spline.draw(area, 1.0, 0, 0, 0);
    std::vector<WorldPoint> points;
    for (const auto& call : area.log.named("wc_line")) {
      if (points.empty()) points.push_back({call.args[0], call.args[1]});
      EXPECT_NEAR(call.args[0], points.back().x, 1e-12);
      points.push_back({call.args[2], call.args[3]});
    }
    ASSERT_GT(points.size(), 2u);
    EXPECT_LE(farthestFromRadius(points, 10.0) * pixelsPerUnit, Spline::kPixelChordError);
    // Not much finer than needed either: a quarter circle of radius R pixels needs about
    // (pi/2) / (2 acos(1 - 0.5/R)) chords.
    const double needed = (M_PI / 2) / (2 * std::acos(1 - 0.5 / (10 * pixelsPerUnit)));
    EXPECT_LE(points.size(), 4 * needed + 12);
  }
}

TEST(SplineDrawing, OnlyTheSeenPartIsRefinedWhenZoomedIn) {
  Spline spline;
  ASSERT_EQ(readFrom(spline, quarterCircleText(1000)), 0);
  testsupport::RecordingDrawingArea area;
  // 100 pixels per unit, the container showing 8 x 8 units around (1000, 0).
  area.setWorld(0, -1000, 2000, 1000, 200000, 200000);
  area.containerSize = {800, 800};
  area.position = {-99600, -99600};
  spline.draw(area, 1.0, 0, 0, 0);
  // One stroke from the curve's start, so its dashes keep their places when scrolled: the
  // unseen part in a few coarse chords, the seen part (x 996..1004) in chords of its own.
  const auto lines = area.log.named("wc_line");
  EXPECT_LT(lines.size(), 200u);
  const auto seen = std::count_if(lines.begin(), lines.end(), [](const auto& call) {
    return call.args[0] > 996.0 && call.args[2] < 1004.0;
  });
  EXPECT_GT(seen, 0);
  EXPECT_LT(static_cast<long>(lines.size()) - seen, 40);
}

TEST(SplineSaving, WrittenAsAPolylineAndExplodedAsLines) {
  Spline spline;
  ASSERT_EQ(readFrom(spline, quarterCircleText(10)), 0);
  const std::string written = entitytesting::written(spline);
  EXPECT_EQ(written.rfind("POLYLINE\n  8\nC\n", 0), 0u);
  EXPECT_NE(written.find("VERTEX\n  8\nC\n 10\n10.0000\n 20\n0.0000\n"), std::string::npos);
  EXPECT_NE(written.find("VERTEX\n  8\nC\n 10\n0.0000\n 20\n10.0000\n 30\n0\n  0\nSEQEND\n"),
            std::string::npos);
  const auto pieces = spline.explodedPieces();
  const auto points = spline.savedPoints();
  ASSERT_EQ(pieces.size(), points.size() - 1);
  EXPECT_STREQ(pieces.front()->typeName(), "LINE");
  EXPECT_STREQ(pieces.front()->layerName(), "C");
  EXPECT_LE(farthestFromRadius(points, 10.0), 10 * std::sqrt(2.0) * Spline::kSavedChordError);
}

TEST(SplineSaving, SmallCurveKeepsItsSavedVerticesFarEnoughApartToReadBack) {
  Spline spline;
  ASSERT_EQ(readFrom(spline, quarterCircleText(0.05)), 0);
  std::istringstream written(entitytesting::written(spline));
  std::vector<WorldPoint> vertices;
  bool inVertex = false;
  for (std::string line; std::getline(written, line);) {
    inVertex = inVertex || line == "VERTEX";
    if (inVertex && line == " 10") {
      WorldPoint p;
      std::string y;
      written >> p.x >> y >> p.y;
      if (y == "20") vertices.push_back(p);
    }
  }
  ASSERT_GE(vertices.size(), 3u);
  EXPECT_NEAR(vertices.front().x, 0.05, 1e-9);
  EXPECT_NEAR(vertices.back().y, 0.05, 1e-9);
  for (std::size_t i = 1; i < vertices.size(); ++i) {
    EXPECT_GE(std::hypot(vertices[i].x - vertices[i - 1].x, vertices[i].y - vertices[i - 1].y),
              0.01);
  }
}

TEST(SplinePlacing, TransformAndScaleMoveTheCurve) {
  Spline spline;
  ASSERT_EQ(readFrom(spline, quarterCircleText(1)), 0);
  spline.transform(-2.0, 90.0, 5.0, 0.0, 0.0);
  for (double t = 0; t <= 1; t += 0.25) {
    const WorldPoint p = spline.curve()->at(t);
    EXPECT_NEAR(std::hypot(p.x - 5, p.y), 2.0, 1e-6);
  }
  spline.scaleX(2.0, 1.0);
  EXPECT_NEAR(spline.maxCorner().x(), 11.0, 1e-9);
}

}  // namespace
