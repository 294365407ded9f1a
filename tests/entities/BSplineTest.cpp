// Tests of B-spline evaluation, interpolation and flattening against curves known in closed form.
#include "entities/BSpline.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

double distanceToPolyline(WorldPoint p, const std::vector<WorldPoint>& points) {
  double best = INFINITY;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const WorldPoint a = points[i - 1];
    const WorldPoint b = points[i];
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double t =
        length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
    best = std::min(best, std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y));
  }
  return best;
}

// The quarter circle of radius 1 from (1, 0) to (0, 1) as a rational quadratic.
BSpline quarterCircle() {
  return *BSpline::fromControlPoints(2, {0, 0, 0, 1, 1, 1}, {{1, 0}, {1, 1}, {0, 1}},
                                     {1, std::sqrt(0.5), 1});
}

TEST(BSpline, ClampedQuadraticMidpointIsTheBernsteinMix) {
  // Knots 0,0,0,1,1,1 make a Bezier curve: at 1/2 the weights are 1/4, 1/2, 1/4.
  const auto curve =
      BSpline::fromControlPoints(2, {0, 0, 0, 1, 1, 1}, {{0, 0}, {1, 2}, {2, 0}}, {});
  ASSERT_TRUE(curve);
  const WorldPoint mid = curve->at(0.5);
  EXPECT_NEAR(mid.x, 1.0, 1e-12);
  EXPECT_NEAR(mid.y, 1.0, 1e-12);
  EXPECT_NEAR(curve->at(0.0).x, 0.0, 1e-12);
  EXPECT_NEAR(curve->at(1.0).x, 2.0, 1e-12);
}

TEST(BSpline, InteriorKnotSplitsAClampedCubicAsItsBasisSays) {
  // Clamped cubic with one inner knot at 1/2: there the basis functions 1, 2, 3 are
  // 1/4, 1/2, 1/4 (by the recursion over the knots), the others 0.
  const auto curve = BSpline::fromControlPoints(3, {0, 0, 0, 0, 0.5, 1, 1, 1, 1},
                                                {{0, 0}, {1, 1}, {2, 4}, {3, 9}, {4, 16}}, {});
  ASSERT_TRUE(curve);
  EXPECT_NEAR(curve->at(0.5).x, 2.0, 1e-12);
  EXPECT_NEAR(curve->at(0.5).y, 0.25 * 1 + 0.5 * 4 + 0.25 * 9, 1e-12);
}

TEST(BSpline, RationalQuadraticDescribesAQuarterCircle) {
  const BSpline curve = quarterCircle();
  EXPECT_NEAR(curve.at(0.5).x, std::sqrt(0.5), 1e-12);
  EXPECT_NEAR(curve.at(0.5).y, std::sqrt(0.5), 1e-12);
  for (double t = 0.0; t <= 1.0; t += 0.05) {
    const WorldPoint p = curve.at(t);
    EXPECT_NEAR(std::hypot(p.x, p.y), 1.0, 1e-12) << t;
  }
}

TEST(BSpline, FlatteningKeepsEveryChordWithinTheTolerance) {
  const BSpline curve = quarterCircle();
  for (const double tolerance : {1e-2, 1e-3, 1e-5}) {
    const std::vector<WorldPoint> points = curve.flatten(tolerance, 100000);
    ASSERT_GE(points.size(), 2u);
    // A chord's middle lies furthest from the arc: its sagitta.
    for (std::size_t i = 1; i < points.size(); ++i) {
      const double mx = 0.5 * (points[i - 1].x + points[i].x);
      const double my = 0.5 * (points[i - 1].y + points[i].y);
      EXPECT_LE(1.0 - std::hypot(mx, my), tolerance * 1.0001);
    }
    // And not far more chords than the sagitta needs.
    const double needed = (M_PI / 2) / (2 * std::acos(1 - tolerance));
    EXPECT_LE(points.size(), 4 * needed + 12) << tolerance;
  }
}

TEST(BSpline, FlatteningStaysWithinItsBudgetAndSkipsWhatIsNotSeen) {
  const BSpline curve = quarterCircle();
  EXPECT_LE(curve.flatten(1e-12, 50).size(), 50u);
  const std::vector<WorldPoint> fine = curve.flatten(1e-6, 100000);
  const std::vector<WorldPoint> unseen = curve.flatten(1e-6, 100000, WorldBox{5, 5, 6, 6});
  EXPECT_LT(unseen.size(), fine.size() / 10);
  EXPECT_NEAR(unseen.back().y, 1.0, 1e-12);
  // Zoomed in on a small part of one big span: the rest stays coarse.
  BSpline big = quarterCircle();
  big.mapControlPoints([](WorldPoint p) { return WorldPoint{1000 * p.x, 1000 * p.y}; });
  const std::size_t whole = big.flatten(0.005, 100000).size();
  const std::vector<WorldPoint> part = big.flatten(0.005, 100000, WorldBox{996, -4, 1004, 4});
  EXPECT_LT(part.size(), whole / 5);
  for (std::size_t i = 1; i < part.size() && part[i].y < 4; ++i) {
    const double mx = 0.5 * (part[i - 1].x + part[i].x);
    const double my = 0.5 * (part[i - 1].y + part[i].y);
    EXPECT_LE(1000.0 - std::hypot(mx, my), 0.005);
  }
}

TEST(BSpline, KnotsThatDoNotFitAreReplacedByClampedUniformOnes) {
  for (const std::vector<double>& knots : {std::vector<double>{}, std::vector<double>{0, 1, 2},
                                           std::vector<double>{1, 1, 1, 0, 0, 0}}) {
    const auto curve = BSpline::fromControlPoints(2, knots, {{0, 0}, {1, 2}, {2, 0}}, {0, -1, 1});
    ASSERT_TRUE(curve);
    EXPECT_NEAR(curve->at(curve->startParameter()).x, 0.0, 1e-12);
    EXPECT_NEAR(curve->at(curve->endParameter()).x, 2.0, 1e-12);
    EXPECT_NEAR(curve->at(0.5 * (curve->startParameter() + curve->endParameter())).y, 1.0, 1e-12);
  }
  EXPECT_FALSE(BSpline::fromControlPoints(3, {}, {{0, 0}}, {}));
}

TEST(BSpline, CurveThroughFitPointsPassesThroughEachOfThem) {
  const std::vector<WorldPoint> fit{{0, 0}, {1, 1}, {2, 0}, {3, -1}, {4, 0.5}, {6, 0}};
  for (const bool tangents : {false, true}) {
    const auto curve = tangents ? BSpline::throughPoints(fit, WorldPoint{0, 1}, WorldPoint{1, 0})
                                : BSpline::throughPoints(fit, std::nullopt, std::nullopt);
    ASSERT_TRUE(curve);
    const std::vector<WorldPoint> points = curve->flatten(1e-7, 100000);
    for (const WorldPoint& p : fit) EXPECT_LT(distanceToPolyline(p, points), 1e-6) << tangents;
    if (tangents) {
      // The first control leg points along the start tangent, the last along the end one.
      const std::vector<WorldPoint> control = curve->controlPoints();
      EXPECT_NEAR(control[1].x - control[0].x, 0.0, 1e-9);
      EXPECT_GT(control[1].y - control[0].y, 0.0);
      EXPECT_NEAR(control[control.size() - 1].y - control[control.size() - 2].y, 0.0, 1e-9);
    }
  }
  // A straight row of points gives the straight line through them.
  const auto line =
      BSpline::throughPoints({{0, 0}, {1, 1}, {2, 2}, {5, 5}}, std::nullopt, std::nullopt);
  ASSERT_TRUE(line);
  const WorldPoint p = line->at(0.37);
  EXPECT_NEAR(p.x, p.y, 1e-9);
  EXPECT_FALSE(BSpline::throughPoints({{1, 1}, {1, 1}}, std::nullopt, std::nullopt));
}

TEST(BSpline, CurveThroughMirroredFitPointsIsItsOwnMirrorImage) {
  // Fit points symmetric about x = 3: estimated end directions mirror each other, so the
  // curve's middle lies on the axis and its control points pair up across it.
  const auto curve =
      BSpline::throughPoints({{0, 0}, {1, 2}, {3, 3}, {5, 2}, {6, 0}}, std::nullopt, std::nullopt);
  ASSERT_TRUE(curve);
  EXPECT_EQ(curve->degree(), 3);
  EXPECT_NEAR(curve->at(0.5).x, 3.0, 1e-12);
  EXPECT_NEAR(curve->at(0.5).y, 3.0, 1e-12);
  const std::vector<WorldPoint> control = curve->controlPoints();
  ASSERT_EQ(control.size(), 7u);
  for (std::size_t i = 0; i < control.size(); ++i) {
    EXPECT_NEAR(control[i].x, 6.0 - control[control.size() - 1 - i].x, 1e-9);
    EXPECT_NEAR(control[i].y, control[control.size() - 1 - i].y, 1e-9);
  }
  // The start leaves upwards and to the right, as the first chords turn.
  EXPECT_GT(control[1].y, 0.0);
  EXPECT_GT(control[1].x, 0.0);
}

TEST(BSpline, PlacingMovesTheControlPointsAndKeepsTheShape) {
  BSpline curve = quarterCircle();
  curve.mapControlPoints([](WorldPoint p) { return WorldPoint{2 * p.x + 10, 2 * p.y - 3}; });
  for (double t = 0.0; t <= 1.0; t += 0.1) {
    const WorldPoint p = curve.at(t);
    EXPECT_NEAR(std::hypot(p.x - 10, p.y + 3), 2.0, 1e-12);
  }
}

}  // namespace
