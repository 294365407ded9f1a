// The arc of a bulge: centre, radius, start and sweep from the bulge's definition
// (sweep = 4 atan(bulge), counter-clockwise when positive).
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "entities/BulgeArc.h"

namespace {

struct BulgeCase {
  const char* name;
  WorldPoint from;
  WorldPoint to;
  double bulge;
  WorldPoint centre;
  double radius;
  double start;
  double sweep;
};

class BulgeArcCases : public testing::TestWithParam<BulgeCase> {};

TEST_P(BulgeArcCases, CentreRadiusStartAndSweep) {
  const BulgeCase& c = GetParam();
  const auto arc = bulgeArc(c.from, c.to, c.bulge);
  ASSERT_TRUE(arc.has_value());
  EXPECT_NEAR(arc->centre.x, c.centre.x, 1e-12);
  EXPECT_NEAR(arc->centre.y, c.centre.y, 1e-12);
  EXPECT_NEAR(arc->radius, c.radius, 1e-12);
  EXPECT_NEAR(arc->start, c.start, 1e-12);
  EXPECT_NEAR(arc->sweep, c.sweep, 1e-12);
}

// A bulge of 1 is a half circle over the chord; tan(pi/8) a quarter circle.
INSTANTIATE_TEST_SUITE_P(Bulges, BulgeArcCases,
                         testing::Values(BulgeCase{"HalfCircleCounterClockwise",
                                                   {0, 0},
                                                   {2, 0},
                                                   1.0,
                                                   {1, 0},
                                                   1.0,
                                                   std::numbers::pi,
                                                   std::numbers::pi},
                                         BulgeCase{"HalfCircleClockwise",
                                                   {0, 0},
                                                   {2, 0},
                                                   -1.0,
                                                   {1, 0},
                                                   1.0,
                                                   std::numbers::pi,
                                                   -std::numbers::pi},
                                         BulgeCase{"QuarterCircle",
                                                   {1, 0},
                                                   {0, 1},
                                                   std::tan(std::numbers::pi / 8),
                                                   {0, 0},
                                                   1.0,
                                                   0.0,
                                                   std::numbers::pi / 2}),
                         [](const testing::TestParamInfo<BulgeCase>& info) {
                           return info.param.name;
                         });

TEST(BulgeArc, NoArcWithoutChordOrBulge) {
  EXPECT_FALSE(bulgeArc({1, 1}, {1, 1}, 0.5).has_value());
  EXPECT_FALSE(bulgeArc({0, 0}, {1, 0}, 0.0).has_value());
  EXPECT_FALSE(bulgeArc({0, 0}, {1, 0}, std::nan("")).has_value());
}

}  // namespace
