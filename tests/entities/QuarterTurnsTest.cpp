// Cosine and sine of angles in degrees: exact at quarter turns, std::cos/std::sin between.
// (Whole drawings turned round and back: tests/document/QuarterTurnRotationTest.cpp.)
#include "entities/QuarterTurns.h"

#include <cmath>
#include <limits>
#include <numbers>

#include <gtest/gtest.h>

namespace {

TEST(QuarterTurns, WholeQuarterTurnsGiveExactValuesInEitherDirection) {
  struct Case {
    double degrees;
    double cos;
    double sin;
  };
  const Case cases[] = {
      {0, 1, 0},     {90, 0, 1},   {180, -1, 0}, {270, 0, -1}, {360, 1, 0},  {-90, 0, -1},
      {-180, -1, 0}, {-270, 0, 1}, {450, 0, 1},  {-720, 1, 0}, {-0.0, 1, 0}, {90000090, 0, 1},
  };
  for (const Case& c : cases) {
    const CosSin turn = cosSinOfDegrees(c.degrees);
    EXPECT_EQ(turn.cos, c.cos) << c.degrees;
    EXPECT_EQ(turn.sin, c.sin) << c.degrees;
  }
}

TEST(QuarterTurns, OtherAnglesFollowTheLibrary) {
  for (const double degrees : {1.0, 30.0, 45.0, 89.999, 90.5, -135.0, 1e20}) {
    const double radians = degrees / 180.0 * std::numbers::pi;
    const CosSin turn = cosSinOfDegrees(degrees);
    EXPECT_EQ(turn.cos, std::cos(radians)) << degrees;
    EXPECT_EQ(turn.sin, std::sin(radians)) << degrees;
  }
  EXPECT_TRUE(std::isnan(cosSinOfDegrees(std::numeric_limits<double>::quiet_NaN()).cos));
  EXPECT_TRUE(std::isnan(cosSinOfDegrees(std::numeric_limits<double>::infinity()).sin));
}

}  // namespace
