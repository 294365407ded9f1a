// Fitting a drawing into a picture as the viewer fits its drawing area.
#include "dxftool/ViewFit.h"

#include <gtest/gtest.h>

#include <limits>

using dxftool::FittedArea;
using dxftool::ViewFit;
using dxftool::WorldBox;

TEST(ViewFitWidening, FivePercentOfEachSideLength) {
  const WorldBox box = ViewFit::widened({0.0, 10.0, 200.0, 110.0});
  EXPECT_DOUBLE_EQ(box.minX, -10.0);
  EXPECT_DOUBLE_EQ(box.maxX, 210.0);
  EXPECT_DOUBLE_EQ(box.minY, 5.0);
  EXPECT_DOUBLE_EQ(box.maxY, 115.0);
}

TEST(ViewFitPlacement, WideDrawingFillsWidthAndIsCentredVertically) {
  // 1600 x 1200 picture, 2-pixel inset: 1598 x 1198 to fill.
  const FittedArea area = ViewFit::fit({0.0, 0.0, 400.0, 100.0}, 1600, 1200);
  ASSERT_FALSE(area.empty);
  EXPECT_DOUBLE_EQ(area.scale, 1598.0 / 400.0);
  EXPECT_EQ(area.width, 1598);
  EXPECT_EQ(area.height, 399);  // 399.5 truncated
  EXPECT_EQ(area.x, 0);
  EXPECT_EQ(area.y, (1198 - 399) / 2);
}

TEST(ViewFitPlacement, TallDrawingFillsHeightAndIsCentredHorizontally) {
  const FittedArea area = ViewFit::fit({-50.0, -50.0, 50.0, 250.0}, 800, 600);
  ASSERT_FALSE(area.empty);
  EXPECT_DOUBLE_EQ(area.scale, 598.0 / 300.0);
  EXPECT_EQ(area.height, 598);
  EXPECT_EQ(area.width, 199);
  EXPECT_EQ(area.x, (798 - 199) / 2);
  EXPECT_EQ(area.y, 0);
  EXPECT_DOUBLE_EQ(area.world.minX, -50.0);
  EXPECT_DOUBLE_EQ(area.world.maxY, 250.0);
}

TEST(ViewFitDegenerate, InvertedExtentsOfAnEmptyDocumentShowNothing) {
  // A document into which no extents were read keeps minX 10000, maxX 0.
  EXPECT_TRUE(ViewFit::fit({10000.0, 10000.0, 0.0, 0.0}, 1600, 1200).empty);
  EXPECT_TRUE(ViewFit::fit({0.0, 5.0, 10.0, 4.0}, 1600, 1200).empty);
}

TEST(ViewFitDegenerate, NonFiniteExtentsShowNothing) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(ViewFit::fit({0.0, 0.0, inf, 1.0}, 100, 100).empty);
  EXPECT_TRUE(ViewFit::fit({nan, 0.0, 1.0, 1.0}, 100, 100).empty);
  EXPECT_TRUE(ViewFit::fit({-1e308, 0.0, 1e308, 1.0}, 100, 100).empty);
}

TEST(ViewFitDegenerate, HorizontalLineGetsASquareAboutItsAxis) {
  const FittedArea area = ViewFit::fit({0.0, 7.0, 20.0, 7.0}, 102, 52);
  ASSERT_FALSE(area.empty);
  EXPECT_DOUBLE_EQ(area.world.minY, -3.0);
  EXPECT_DOUBLE_EQ(area.world.maxY, 17.0);
  EXPECT_EQ(area.width, 50);
  EXPECT_EQ(area.height, 50);
  EXPECT_EQ(area.x, 25);
}

TEST(ViewFitDegenerate, SinglePointBecomesOneUnitSquare) {
  const FittedArea area = ViewFit::fit({3.0, 4.0, 3.0, 4.0}, 42, 42);
  ASSERT_FALSE(area.empty);
  EXPECT_DOUBLE_EQ(area.world.minX, 2.5);
  EXPECT_DOUBLE_EQ(area.world.maxX, 3.5);
  EXPECT_DOUBLE_EQ(area.scale, 40.0);
  EXPECT_EQ(area.width, 40);
}

TEST(ViewFitDegenerate, PictureSmallerThanTheInsetShowsNothing) {
  EXPECT_TRUE(ViewFit::fit({0.0, 0.0, 1.0, 1.0}, 2, 100).empty);
}

TEST(ViewFitFillPicture, WindowGrowsToThePicturesShapeAboutItsCentre) {
  // 100 x 100 world into 400 x 200 pixels: 2 px/mm, the world grows to 200 x 100.
  const FittedArea area = ViewFit::fillPicture({0.0, 0.0, 100.0, 100.0}, 400, 200);
  ASSERT_FALSE(area.empty);
  EXPECT_DOUBLE_EQ(area.scale, 2.0);
  EXPECT_EQ(area.width, 400);
  EXPECT_EQ(area.height, 200);
  EXPECT_EQ(area.x, 0);
  EXPECT_EQ(area.y, 0);
  EXPECT_DOUBLE_EQ(area.world.minX, -50.0);
  EXPECT_DOUBLE_EQ(area.world.maxX, 150.0);
  EXPECT_DOUBLE_EQ(area.world.minY, 0.0);
  EXPECT_DOUBLE_EQ(area.world.maxY, 100.0);
  EXPECT_TRUE(ViewFit::fillPicture({0.0, 0.0, 0.0, 5.0}, 400, 200).empty);
}
