// Dash patterns of linetypes as Cairo strokes them.
#include "toolkit/paint/PenGeometry.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using PenGeometry::cairoDashes;

TEST(CairoDashes, PatternsBecomeOnOffLengths) {
  struct Case {
    const char* name;
    std::vector<double> pattern;
    std::vector<double> dashes;
  };
  const Case cases[] = {
      {"dash gap", {12.0, -6.0}, {12.0, 6.0}},
      {"dot takes a pixel of its gap", {12.0, -4.0, 0.0, -4.0}, {12.0, 4.0, 1.0, 3.0}},
      {"gap first starts with an empty dash", {-3.0, 5.0}, {0.0, 3.0, 5.0, 0.0}},
      {"neighbours of one kind join", {4.0, 4.0, -2.0, -2.0}, {8.0, 4.0}},
      {"ending on a dash", {4.0, -2.0, 3.0}, {4.0, 2.0, 3.0, 0.0}},
  };
  for (const Case& c : cases) EXPECT_EQ(cairoDashes(c.pattern, 100.0), c.dashes) << c.name;
}

TEST(CairoDashes, FineBrokenOrEndlessPatternsAreSolid) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<std::vector<double>> solid = {
      {1.0, -0.9}, {1e-300, -1e-300}, {nan, -5.0}, {5.0, -inf}, {0.0}, {}};
  for (const auto& pattern : solid) EXPECT_TRUE(cairoDashes(pattern, 100.0).empty());
  // Exactly two pixels still dashes.
  const std::vector<double> twoPixels = {1.0, -1.0};
  EXPECT_FALSE(cairoDashes(twoPixels, 100.0).empty());
  // More dashes than a stroke may take: solid, whatever the line's length.
  const std::vector<double> fourPixels = {2.0, -2.0};
  EXPECT_TRUE(cairoDashes(fourPixels, 4.0 * PenGeometry::kMaxDashes + 8.0).empty());
  EXPECT_FALSE(cairoDashes(fourPixels, 4.0 * PenGeometry::kMaxDashes - 8.0).empty());
}
