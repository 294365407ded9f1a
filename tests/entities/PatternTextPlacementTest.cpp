// Tests of where the texts of a linetype's pattern stand along a stroked line: repeated
// every period from the pattern's phase, moved along and across the line, turned with it.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "entities/PatternTextPlacement.h"

namespace {

PatternText textAt(double at, double offsetX = 0.0, double offsetY = 0.0, double rotation = 0.0,
                   bool absolute = false) {
  PatternText text;
  text.at = at;
  text.offsetX = offsetX;
  text.offsetY = offsetY;
  text.height = 5.0;
  text.rotation = rotation;
  text.absolute = absolute;
  text.text = "T";
  return text;
}

}  // namespace

TEST(PatternTextPlacement, RepeatsEveryPeriodFromThePhase) {
  const std::vector<DevicePoint> line{{0.0, 10.0}, {100.0, 10.0}};
  const std::vector<PatternText> texts{textAt(10.0)};
  // Period 30, starting 5 pixels into the pattern: at 5, 35, 65, 95.
  const auto placed = placePatternTexts(line, 5.0, 30.0, texts, 100);
  ASSERT_EQ(placed.size(), 4U);
  for (std::size_t i = 0; i < placed.size(); ++i) {
    EXPECT_DOUBLE_EQ(placed[i].anchor.x, 5.0 + 30.0 * static_cast<double>(i));
    EXPECT_DOUBLE_EQ(placed[i].anchor.y, 10.0);
    EXPECT_DOUBLE_EQ(placed[i].degrees, 0.0);
  }
  EXPECT_EQ(placePatternTexts(line, 5.0, 30.0, texts, 2).size(), 2U);
  EXPECT_TRUE(placePatternTexts(line, 5.0, 0.0, texts, 100).empty());
}

TEST(PatternTextPlacement, OffsetsAndRotationFollowTheLine) {
  struct Case {
    const char* name;
    std::vector<DevicePoint> line;
    PatternText text;
    DevicePoint anchor;
    double degrees;
  };
  // On the device y grows downwards: a line going up the screen runs at 90 degrees, and
  // the left of a line to the right is up (smaller y).
  const Case cases[] = {
      {"to the right, moved along and to the left",
       {{0, 50}, {100, 50}},
       textAt(20, 3, 4),
       {23, 46},
       0.0},
      {"up the screen", {{10, 100}, {10, 0}}, textAt(20, 3, 4), {6, 77}, 90.0},
      {"to the left, turned by 30 degrees",
       {{100, 50}, {0, 50}},
       textAt(20, 0, 0, 30),
       {80, 50},
       210.0},
      {"absolute rotation ignores the line",
       {{10, 100}, {10, 0}},
       textAt(20, 0, 0, 30, true),
       {10, 80},
       30.0},
      {"round a corner: on the second leg",
       {{0, 0}, {10, 0}, {10, 100}},
       textAt(25),
       {10, 15},
       -90.0},
  };
  for (const Case& c : cases) {
    const std::vector<PatternText> texts{c.text};
    const auto placed = placePatternTexts(c.line, 0.0, 1000.0, texts, 10);
    ASSERT_EQ(placed.size(), 1U) << c.name;
    EXPECT_NEAR(placed[0].anchor.x, c.anchor.x, 1e-9) << c.name;
    EXPECT_NEAR(placed[0].anchor.y, c.anchor.y, 1e-9) << c.name;
    // Directions a whole turn apart are the same.
    EXPECT_NEAR(std::remainder(placed[0].degrees - c.degrees, 360.0), 0.0, 1e-9) << c.name;
  }
}
