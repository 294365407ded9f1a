// Tests of the even-odd region's triangles: their area and what they cover.
#include "entities/EvenOddRegion.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

Ring square(double x, double y, double side) {
  return {{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}};
}

double areaOf(const std::vector<Triangle>& triangles) {
  double area = 0.0;
  for (const Triangle& t : triangles) area += triangleArea(t);
  return area;
}

bool covered(const std::vector<Triangle>& triangles, WorldPoint p) {
  for (const Triangle& t : triangles) {
    double sign[3];
    for (int i = 0; i < 3; ++i) {
      const WorldPoint a = t[i];
      const WorldPoint b = t[(i + 1) % 3];
      sign[i] = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    }
    if ((sign[0] >= 0 && sign[1] >= 0 && sign[2] >= 0) ||
        (sign[0] <= 0 && sign[1] <= 0 && sign[2] <= 0)) {
      return true;
    }
  }
  return false;
}

struct RegionCase {
  const char* name;
  std::vector<Ring> rings;
  double area;
  std::vector<WorldPoint> inside;
  std::vector<WorldPoint> outside;
};

TEST(EvenOddRegion, AreaAndCoverFollowTheEvenOddRule) {
  const Ring triangle{{0, 0}, {4, 0}, {0, 3}};
  const std::vector<RegionCase> cases = {
      {"triangle", {triangle}, 6.0, {{1, 1}}, {{3, 2}}},
      {"square with island", {square(0, 0, 10), square(3, 3, 4)}, 84.0, {{1, 1}, {8, 5}}, {{5, 5}}},
      {"island turned the other way",
       {square(0, 0, 10), {{3, 3}, {3, 7}, {7, 7}, {7, 3}}},
       84.0,
       {{1, 9}},
       {{4, 4}}},
      {"island in an island",
       {square(0, 0, 10), square(2, 2, 6), square(4, 4, 2)},
       100.0 - 36.0 + 4.0,
       {{1, 1}, {5, 5}},
       {{3, 3}}},
      {"overlapping squares leave their overlap empty",
       {square(0, 0, 4), square(2, 2, 4)},
       24.0,
       {{1, 1}, {5, 5}},
       {{3, 3}}},
      {"bow tie crossing itself",
       {{{0, 0}, {2, 2}, {2, 0}, {0, 2}}},
       2.0,
       {{0.2, 1}, {1.8, 1}},
       {{1, 1.8}, {1, 0.2}}},
      {"concave outline",
       {{{0, 0}, {6, 0}, {6, 6}, {3, 2}, {0, 6}}},
       36.0 - 12.0,
       {{1, 1}},
       {{3, 4}}},
  };
  for (const RegionCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<Triangle> triangles = evenOddTriangles(c.rings);
    EXPECT_NEAR(areaOf(triangles), c.area, 1e-9);
    for (const WorldPoint& p : c.inside) EXPECT_TRUE(covered(triangles, p)) << p.x << "," << p.y;
    for (const WorldPoint& p : c.outside) EXPECT_FALSE(covered(triangles, p)) << p.x << "," << p.y;
  }
}

TEST(EvenOddRegion, CircleWithAHoleHasTheAnnulusArea) {
  Ring outer;
  Ring inner;
  const int n = 720;
  for (int i = 0; i < n; ++i) {
    const double t = 2 * M_PI * i / n;
    outer.push_back({5 * std::cos(t), 5 * std::sin(t)});
    inner.push_back({2 * std::cos(t), 2 * std::sin(t)});
  }
  const std::vector<Triangle> triangles = evenOddTriangles({outer, inner});
  EXPECT_NEAR(areaOf(triangles), M_PI * (25 - 4), 0.01);
  // Trapezoids that keep both edges grow over slabs: few pieces per edge.
  EXPECT_LT(triangles.size(), 6u * n);
}

TEST(EvenOddRegion, NothingToFillGivesNoTriangles) {
  EXPECT_TRUE(evenOddTriangles({}).empty());
  EXPECT_TRUE(evenOddTriangles({{{0, 0}, {1, 0}, {2, 0}}}).empty());
  EXPECT_TRUE(evenOddTriangles({{{0, 0}, {NAN, 1}, {2, 0}}}).empty());
}

}  // namespace
