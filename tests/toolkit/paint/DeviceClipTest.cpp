// Tests of cutting device geometry to the box Cairo can address.
#include "toolkit/paint/DeviceClip.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(DeviceClipSegment, LeavesAnInsideSegmentUntouched) {
  const DeviceClip clip(100.0);
  DevicePoint a{-10.0, 5.0};
  DevicePoint b{20.0, -30.0};
  double cut = -1.0;
  ASSERT_TRUE(clip.clipSegment(a, b, cut));
  EXPECT_EQ(a.x, -10.0);
  EXPECT_EQ(b.y, -30.0);
  EXPECT_EQ(cut, 0.0);
}

TEST(DeviceClipSegment, CutsBothEndsAndReportsTheLengthCutBeforeTheStart) {
  const DeviceClip clip(100.0);
  DevicePoint a{-1e9, 5.0};
  DevicePoint b{1e9, 5.0};
  double cut = 0.0;
  ASSERT_TRUE(clip.clipSegment(a, b, cut));
  EXPECT_DOUBLE_EQ(a.x, -100.0);
  EXPECT_DOUBLE_EQ(b.x, 100.0);
  EXPECT_DOUBLE_EQ(a.y, 5.0);
  EXPECT_DOUBLE_EQ(cut, 1e9 - 100.0);
}

TEST(DeviceClipSegment, CutsADiagonalAtTheRightPoint) {
  const DeviceClip clip(100.0);
  DevicePoint a{0.0, 0.0};
  DevicePoint b{400.0, 200.0};
  double cut = 0.0;
  ASSERT_TRUE(clip.clipSegment(a, b, cut));
  EXPECT_DOUBLE_EQ(b.x, 100.0);
  EXPECT_DOUBLE_EQ(b.y, 50.0);
}

TEST(DeviceClipSegment, RejectsSegmentsThatMissTheBox) {
  const DeviceClip clip(100.0);
  double cut = 0.0;
  DevicePoint a{200.0, -500.0};
  DevicePoint b{200.0, 500.0};  // parallel to the right edge, outside it
  EXPECT_FALSE(clip.clipSegment(a, b, cut));
  DevicePoint c{250.0, 0.0};
  DevicePoint d{0.0, 250.0};  // passes outside the corner (100, 100)
  EXPECT_FALSE(clip.clipSegment(c, d, cut));
}

TEST(DeviceClipPolygon, CutsAPolygonLargerThanTheBoxToTheBox) {
  const DeviceClip clip(100.0);
  const DevicePoint square[4] = {{-1e9, -1e9}, {1e9, -1e9}, {1e9, 1e9}, {-1e9, 1e9}};
  const std::vector<DevicePoint> cut = clip.clipPolygon(square, 4);
  ASSERT_EQ(cut.size(), 4u);
  for (const DevicePoint& p : cut) {
    EXPECT_DOUBLE_EQ(std::abs(p.x), 100.0);
    EXPECT_DOUBLE_EQ(std::abs(p.y), 100.0);
  }
}

TEST(DeviceClipPolygon, KeepsTheInsidePartOfATriangle) {
  const DeviceClip clip(100.0);
  const DevicePoint triangle[3] = {{0.0, 0.0}, {300.0, 0.0}, {0.0, 50.0}};
  const std::vector<DevicePoint> cut = clip.clipPolygon(triangle, 3);
  ASSERT_EQ(cut.size(), 4u);
  for (const DevicePoint& p : cut) EXPECT_TRUE(clip.contains(p));
  // The hypotenuse crosses x = 100 at y = 50 * (1 - 100/300).
  bool found = false;
  for (const DevicePoint& p : cut) found |= p.x == 100.0 && std::abs(p.y - 100.0 / 3.0) < 1e-9;
  EXPECT_TRUE(found);
}

TEST(DeviceClipPolygon, DropsAPolygonOutsideTheBox) {
  const DeviceClip clip(100.0);
  const DevicePoint far[3] = {{500.0, 500.0}, {600.0, 500.0}, {550.0, 600.0}};
  EXPECT_TRUE(clip.clipPolygon(far, 3).empty());
  EXPECT_TRUE(clip.clipPolygon(far, 0).empty());
}

}  // namespace
