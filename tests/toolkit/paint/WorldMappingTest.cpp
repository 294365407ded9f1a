// Tests of the world-rectangle-to-pixel mapping.
#include "toolkit/paint/WorldMapping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(WorldMapping, WithoutWorldRectangleIsTheIdentity) {
  const WorldMapping map;
  EXPECT_EQ(map.x(3.5), 3.5);
  EXPECT_EQ(map.y(-2.0), -2.0);
  EXPECT_EQ(map.worldPerPixelY(), 1.0);
}

TEST(WorldMapping, MapsCornersOntoThePixelEdgesWithYFlipped) {
  const WorldMapping map(0.0, 0.0, 100.0, 50.0, 200.0, 100.0);
  EXPECT_EQ(map.x(0.0), 0.0);
  EXPECT_EQ(map.x(100.0), 200.0);
  EXPECT_EQ(map.x(25.0), 50.0);
  EXPECT_EQ(map.y(50.0), 0.0);
  EXPECT_EQ(map.y(0.0), 100.0);
  EXPECT_EQ(map.y(12.5), 75.0);
  EXPECT_EQ(map.worldPerPixelY(), 0.5);
}

TEST(WorldMapping, HonoursAnOffsetWorldRectangle) {
  const WorldMapping map(-10.0, 20.0, 10.0, 40.0, 400.0, 400.0);
  EXPECT_EQ(map.x(-10.0), 0.0);
  EXPECT_EQ(map.x(0.0), 200.0);
  EXPECT_EQ(map.y(40.0), 0.0);
  EXPECT_EQ(map.y(20.0), 400.0);
  EXPECT_EQ(map.scaleX(), 20.0);
  EXPECT_EQ(map.scaleY(), 20.0);

  const WorldMapping unequal(0.0, 0.0, 10.0, 10.0, 100.0, 50.0);
  EXPECT_EQ(unequal.scaleX(), 10.0);
  EXPECT_EQ(unequal.worldPerPixelY(), 0.2);
}

TEST(WorldMapping, DegenerateRectanglesGiveFiniteValues) {
  const WorldMapping flat(5.0, 5.0, 5.0, 5.0, 100.0, 100.0);
  EXPECT_TRUE(std::isfinite(flat.x(7.0)));
  EXPECT_TRUE(std::isfinite(flat.y(7.0)));
  EXPECT_EQ(flat.worldPerPixelY(), 1.0);

  const WorldMapping noPixels(0.0, 0.0, 10.0, 10.0, 0.0, 0.0);
  EXPECT_EQ(noPixels.scaleX(), 1.0);

  const double inf = std::numeric_limits<double>::infinity();
  const WorldMapping infinite(-inf, 0.0, inf, 10.0, 100.0, 100.0);
  EXPECT_TRUE(std::isfinite(infinite.x(1.0)));
}

}  // namespace
