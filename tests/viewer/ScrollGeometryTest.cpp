// Percentage scroll bars: when they show, their values, and the positions they scroll to.
#include "viewer/ScrollGeometry.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

TEST(ScrollGeometryBar, HiddenWhileTheAreaLiesInsideTheContainer) {
  EXPECT_FALSE(ScrollGeometry::bar(600, 0, 600, 600).shown);
  EXPECT_FALSE(ScrollGeometry::bar(600, 100, 300, 300).shown);
}

TEST(ScrollGeometryBar, ShownWhenLargerOrReachingBeyondWithItsShareOfTheRange) {
  const ScrollBarState left = ScrollGeometry::bar(600, 0, 1200, 1200);
  EXPECT_TRUE(left.shown);
  EXPECT_DOUBLE_EQ(left.value, 0.0);
  EXPECT_DOUBLE_EQ(left.visibleShare, 0.5);
  EXPECT_DOUBLE_EQ(ScrollGeometry::bar(600, -600, 1200, 1200).value, 100.0);
  EXPECT_DOUBLE_EQ(ScrollGeometry::bar(600, -300, 1200, 1200).value, 50.0);
  // Smaller but pushed past an edge.
  EXPECT_TRUE(ScrollGeometry::bar(600, -10, 300, 300).shown);
  EXPECT_TRUE(ScrollGeometry::bar(600, 400, 300, 300).shown);
  EXPECT_DOUBLE_EQ(ScrollGeometry::bar(600, 400, 300, 300).visibleShare, 1.0);
}

TEST(ScrollGeometryBar, IntegerSizeDecidesTheExactSizeGivesTheValue) {
  // 600.4 pixels exactly: the truncated 600 fits, so the bar stays hidden.
  EXPECT_FALSE(ScrollGeometry::bar(600, 0, 600, 600.4).shown);
  const ScrollBarState state = ScrollGeometry::bar(600, -150, 900, 900.5);
  EXPECT_NEAR(state.value, -150 * 100.0 / (600 - 900.5), 1e-12);
}

TEST(ScrollGeometryBar, AreaAsLargeAsTheContainerHasNoRangeAndValueZero) {
  const ScrollBarState state = ScrollGeometry::bar(600, -1, 600, 600);
  EXPECT_TRUE(state.shown);
  EXPECT_DOUBLE_EQ(state.value, 0.0);
}

TEST(ScrollGeometryScrolled, ValueMapsOntoTheRangeOfALargeArea) {
  EXPECT_EQ(ScrollGeometry::scrolled(0.0, -300, 600, 1200), 0);
  EXPECT_EQ(ScrollGeometry::scrolled(100.0, -300, 600, 1200), -600);
  EXPECT_EQ(ScrollGeometry::scrolled(25.0, -300, 600, 1200), -150);
}

TEST(ScrollGeometryScrolled, AreaOutsideItsRangeMovesByItsOwnPosition) {
  // 1200 wide at +50: the share 50 * 100 / -600 is negative.
  EXPECT_EQ(ScrollGeometry::scrolled(50.0, 50, 600, 1200), 25);
  // As wide as the container at 0: no range and no offset.
  EXPECT_EQ(ScrollGeometry::scrolled(70.0, 0, 600, 600), 0);
}

TEST(ScrollGeometryPanned, FollowsThePointerWithinTheScrollRange) {
  EXPECT_EQ(ScrollGeometry::panned(-300, -100, 600, 1200), -400);
  EXPECT_EQ(ScrollGeometry::panned(-300, -500, 600, 1200), -600);
  EXPECT_EQ(ScrollGeometry::panned(-300, 500, 600, 1200), 0);
  // A small area stays inside the container.
  EXPECT_EQ(ScrollGeometry::panned(100, 500, 600, 300), 300);
  EXPECT_EQ(ScrollGeometry::panned(100, -500, 600, 300), 0);
}

TEST(ScrollGeometryPanned, AreaStartingOutsideTheRangeDoesNotJump) {
  EXPECT_EQ(ScrollGeometry::panned(-50, 0, 600, 300), -50);
  EXPECT_EQ(ScrollGeometry::panned(-50, 20, 600, 300), -30);
}

}  // namespace
