// Fitting and zooming arithmetic: limits at their exact edges, the point kept in place,
// dragged rectangles either way, and windows without extent.
#include "viewer/ZoomGeometry.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

// A drawing area in a 600 x 400 container.
AreaState area(int x, int y, int width, int height) { return {x, y, width, height, 600, 400}; }

const WorldWindow kWideWorld{0.0, 0.0, 10000.0, 10000.0};

// Where the container point (cx, cy) lies on the area, as a share of its size.
double shareX(const AreaState& a, double cx) { return (cx - a.x) / a.width; }

TEST(ZoomGeometryFit, FillsTheContainerLessTheInsetAndCentresTheOtherDirection) {
  const AreaLayout layout = ZoomGeometry::fit(602, 402, {0.0, 0.0, 100.0, 50.0});
  EXPECT_DOUBLE_EQ(layout.scale, 6.0);
  EXPECT_EQ(layout.width, 600);
  EXPECT_EQ(layout.height, 300);
  EXPECT_EQ(layout.x, 0);
  EXPECT_EQ(layout.y, 50);
  EXPECT_DOUBLE_EQ(layout.world.maxX, 100.0);
}

TEST(ZoomGeometryFit, SinglePointOrStraightLineGetsAMinimalWindowInsteadOfDividingByZero) {
  for (const WorldWindow& extents :
       {WorldWindow{5.0, 7.0, 5.0, 7.0}, WorldWindow{0.0, 3.0, 40.0, 3.0},
        WorldWindow{10000.0, 10000.0, 0.0, 0.0}}) {
    const AreaLayout layout = ZoomGeometry::fit(602, 402, extents);
    EXPECT_TRUE(std::isfinite(layout.scale));
    EXPECT_GT(layout.scale, 0.0);
    EXPECT_GT(layout.width, 0);
    EXPECT_GT(layout.height, 0);
    EXPECT_GT(layout.world.width(), 0.0);
    EXPECT_GT(layout.world.height(), 0.0);
  }
  const AreaLayout line = ZoomGeometry::fit(602, 402, {0.0, 3.0, 40.0, 3.0});
  EXPECT_DOUBLE_EQ(line.world.minY, 2.5);
  EXPECT_DOUBLE_EQ(line.world.maxY, 3.5);
  EXPECT_DOUBLE_EQ(line.world.maxX, 40.0);
}

TEST(ZoomGeometryFit, ContainerNotYetLaidOutGivesATinyPositivePicture) {
  const AreaLayout layout = ZoomGeometry::fit(0, 0, {0.0, 0.0, 10.0, 10.0});
  EXPECT_GT(layout.scale, 0.0);
  EXPECT_GE(layout.width, 0);
}

TEST(ZoomGeometryMargins, WidenByFivePercentOfWidthAndHeightOnEachSide) {
  const WorldWindow widened = ZoomGeometry::margins({0.0, 0.0, 100.0, 50.0});
  EXPECT_DOUBLE_EQ(widened.minX, -5.0);
  EXPECT_DOUBLE_EQ(widened.maxX, 105.0);
  EXPECT_DOUBLE_EQ(widened.minY, -2.5);
  EXPECT_DOUBLE_EQ(widened.maxY, 52.5);
  const WorldWindow point = ZoomGeometry::margins({4.0, 4.0, 4.0, 4.0});
  EXPECT_DOUBLE_EQ(point.minX, 4.0);
  EXPECT_DOUBLE_EQ(point.maxY, 4.0);
}

TEST(ZoomGeometryZoomBack, ShowsTheWholeWorldWindowCentred) {
  const AreaLayout layout = ZoomGeometry::zoomBack(602, 402, {0.0, 0.0, 7.0, 5.0});
  EXPECT_DOUBLE_EQ(layout.scale, 80.0);  // min(600 / 7, 400 / 5)
  EXPECT_EQ(layout.width, 560);
  EXPECT_EQ(layout.height, 400);
  EXPECT_EQ(layout.x, 20);
  EXPECT_EQ(layout.y, 0);
}

TEST(ZoomGeometryByFactor, DoublesTheSizeAndKeepsThePointUnderTheCentre) {
  const AreaState before = area(0, 0, 600, 400);
  const ZoomStep step = ZoomGeometry::byFactor(before, 2.0, kWideWorld, 300.0, 200.0);
  ASSERT_EQ(step.verdict, ZoomVerdict::Done);
  EXPECT_EQ(step.width, 1200);
  EXPECT_EQ(step.height, 800);
  EXPECT_EQ(step.x, -300);
  EXPECT_EQ(step.y, -200);
  const AreaState after = area(step.x, step.y, step.width, step.height);
  EXPECT_DOUBLE_EQ(shareX(after, 300.0), shareX(before, 300.0));
}

TEST(ZoomGeometryByFactor, KeepsTheAnchorPointOfAScrolledArea) {
  const AreaState before = area(-170, 35, 900, 300);
  const ZoomStep step = ZoomGeometry::byFactor(before, 0.5, kWideWorld, 120.0, 80.0);
  ASSERT_EQ(step.verdict, ZoomVerdict::Done);
  const AreaState after = area(step.x, step.y, step.width, step.height);
  EXPECT_NEAR(shareX(after, 120.0), shareX(before, 120.0), 1.0 / step.width);
}

TEST(ZoomGeometryByFactor, ExactlyThirtyTwoThousandPixelsIsAllowedOneMoreIsTooLarge) {
  EXPECT_EQ(ZoomGeometry::byFactor(area(0, 0, 16000, 100), 2.0, kWideWorld, 0, 0).verdict,
            ZoomVerdict::Done);
  EXPECT_EQ(ZoomGeometry::byFactor(area(0, 0, 100, 16000), 2.0, kWideWorld, 0, 0).verdict,
            ZoomVerdict::Done);
  const ZoomStep refused = ZoomGeometry::byFactor(area(0, 0, 100, 10667), 3.0, kWideWorld, 0, 0);
  EXPECT_EQ(refused.verdict, ZoomVerdict::TooLarge);
}

TEST(ZoomGeometryByFactor, ExactlyTenPixelsIsAllowedNineIsTooSmall) {
  EXPECT_EQ(ZoomGeometry::byFactor(area(0, 0, 200, 20), 0.5, kWideWorld, 0, 0).verdict,
            ZoomVerdict::Done);
  EXPECT_EQ(ZoomGeometry::byFactor(area(0, 0, 20, 200), 0.5, kWideWorld, 0, 0).verdict,
            ZoomVerdict::Done);
  EXPECT_EQ(ZoomGeometry::byFactor(area(0, 0, 200, 18), 0.5, kWideWorld, 0, 0).verdict,
            ZoomVerdict::TooSmall);
  EXPECT_EQ(ZoomGeometry::byFactor(area(0, 0, 18, 200), 0.5, kWideWorld, 0, 0).verdict,
            ZoomVerdict::TooSmall);
}

TEST(ZoomGeometryByFactor, MoreThanHundredPixelsPerDrawingUnitIsTooLargeBelowThePixelLimit) {
  const WorldWindow hundredWide{0.0, 0.0, 100.0, 1000.0};
  EXPECT_EQ(ZoomGeometry::byFactor(area(0, 0, 5000, 100), 2.0, hundredWide, 0, 0).verdict,
            ZoomVerdict::Done);
  EXPECT_EQ(ZoomGeometry::byFactor(area(0, 0, 5001, 100), 2.0, hundredWide, 0, 0).verdict,
            ZoomVerdict::TooLarge);
}

TEST(ZoomGeometryByFactor, FewerThanOneTenThousandthPixelPerDrawingUnitIsTooSmall) {
  const WorldWindow huge{0.0, 0.0, 1.0e6, 10.0};
  EXPECT_EQ(ZoomGeometry::byFactor(area(0, 0, 200, 100), 0.5, huge, 0, 0).verdict,
            ZoomVerdict::Done);
  EXPECT_EQ(ZoomGeometry::byFactor(area(0, 0, 198, 100), 0.5, huge, 0, 0).verdict,
            ZoomVerdict::TooSmall);
}

RubberRelease drag(double x0, double y0, double x1, double y1) {
  return {x0,
          y0,
          x1,
          y1,
          static_cast<int>(std::abs(std::trunc(x1 - x0))),
          static_cast<int>(std::abs(std::trunc(y1 - y0)))};
}

TEST(ZoomGeometryRectangle, ClickWithoutExtentChangesNothing) {
  EXPECT_EQ(
      ZoomGeometry::toRectangle(area(0, 0, 600, 400), drag(50, 50, 50, 90), kWideWorld).verdict,
      ZoomVerdict::NoArea);
  EXPECT_EQ(
      ZoomGeometry::toRectangle(area(0, 0, 600, 400), drag(50, 50, 80, 50), kWideWorld).verdict,
      ZoomVerdict::NoArea);
}

TEST(ZoomGeometryRectangle, DraggedRectangleFillsTheContainerFromItsTopLeftCorner) {
  const ZoomStep step =
      ZoomGeometry::toRectangle(area(10, 20, 580, 360), drag(110, 70, 260, 170), kWideWorld);
  ASSERT_EQ(step.verdict, ZoomVerdict::Done);
  EXPECT_DOUBLE_EQ(step.factor, 4.0);  // min(600 / 150, 400 / 100)
  EXPECT_EQ(step.width, 2320);
  EXPECT_EQ(step.height, 1440);
  EXPECT_EQ(step.x, -400);  // (110 - 10) * 4 to the left
  EXPECT_EQ(step.y, -200);
}

TEST(ZoomGeometryRectangle, DraggedEitherWayGivesTheSameZoom) {
  const AreaState before = area(10, 20, 580, 360);
  const ZoomStep down = ZoomGeometry::toRectangle(before, drag(110, 70, 260, 170), kWideWorld);
  const ZoomStep up = ZoomGeometry::toRectangle(before, drag(260, 170, 110, 70), kWideWorld);
  const ZoomStep across = ZoomGeometry::toRectangle(before, drag(260, 70, 110, 170), kWideWorld);
  for (const ZoomStep& other : {up, across}) {
    EXPECT_EQ(other.width, down.width);
    EXPECT_EQ(other.x, down.x);
    EXPECT_EQ(other.y, down.y);
  }
}

TEST(ZoomGeometryRectangle, OnlyTheUpperLimitsApply) {
  // min(600 / 30, 400 / 30) = 13.3 times 2500 pixels passes 32000.
  EXPECT_EQ(
      ZoomGeometry::toRectangle(area(0, 0, 2500, 400), drag(0, 0, 30, 30), kWideWorld).verdict,
      ZoomVerdict::TooLarge);
  // A rectangle wider than the container shrinks the area below ten pixels: allowed.
  const ZoomStep shrink =
      ZoomGeometry::toRectangle(area(0, 0, 12, 12), drag(0, 0, 6000, 4000), kWideWorld);
  EXPECT_EQ(shrink.verdict, ZoomVerdict::Done);
  EXPECT_EQ(shrink.width, 1);
}

}  // namespace

// Each limit refuses only the zoom that would go further past it: a small drawing fitted
// at more than 100 pixels per unit zooms out, an area already below ten pixels zooms in.
struct DirectionCase {
  const char* what;
  AreaState area;
  double factor;
  WorldWindow world;
  ZoomVerdict verdict;
};

TEST(ZoomGeometryByFactor, LimitsRefuseOnlyTheDirectionThatPassesThem) {
  const WorldWindow threeWide{0.0, 0.0, 3.0, 2.0};  // fitted at about 190 pixels per unit
  const DirectionCase cases[] = {
      {"small drawing zooms out", area(10, 10, 570, 380), 0.5, threeWide, ZoomVerdict::Done},
      {"small drawing zooms in", area(10, 10, 570, 380), 2.0, threeWide, ZoomVerdict::TooLarge},
      {"tiny area zooms in", area(0, 0, 6, 6), 2.0, kWideWorld, ZoomVerdict::Done},
      {"tiny area zooms out", area(0, 0, 6, 6), 0.5, kWideWorld, ZoomVerdict::TooSmall},
      {"oversized area zooms out", area(0, 0, 40000, 400), 0.5, kWideWorld, ZoomVerdict::Done},
      {"a factor of one changes nothing", area(0, 0, 6, 6), 1.0, threeWide, ZoomVerdict::Done},
  };
  for (const DirectionCase& c : cases) {
    EXPECT_EQ(ZoomGeometry::byFactor(c.area, c.factor, c.world, 300, 200).verdict, c.verdict)
        << c.what;
  }
}

TEST(ZoomGeometryRectangle, ARectangleLargerThanTheContainerMayReduceASmallDrawing) {
  const WorldWindow small{0.0, 0.0, 2.5, 2.0};  // 285 pixels are still 114 per unit
  const ZoomStep step =
      ZoomGeometry::toRectangle(area(10, 10, 570, 380), drag(0, 0, 1200, 800), small);
  EXPECT_EQ(step.verdict, ZoomVerdict::Done);
  EXPECT_EQ(step.width, 285);
}
