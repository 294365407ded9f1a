// Tests of hatch pattern strokes: spacing, dashes and islands from the definition lines.
#include "entities/HatchPattern.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

namespace {

Ring squareRing(double x, double y, double side) {
  return {{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}};
}

TEST(HatchPattern, LinesAt45DegreesLieOneSpacingApart) {
  const double spacing = 0.5;
  const double c = std::sqrt(0.5);
  // The step to the next line is perpendicular to the 45-degree direction.
  const PatternLine line{45.0, {0, 0}, {-spacing * c, spacing * c}, {}};
  const auto strokes = patternStrokes({line}, {squareRing(0, 0, 10)}, 100000);
  ASSERT_TRUE(strokes);
  // Lines y - x = k * spacing * sqrt(2) for k from -14 to 14 cross the squareRing.
  EXPECT_EQ(strokes->size(), 29u);
  std::vector<double> distances;
  for (const PatternStroke& s : *strokes) {
    EXPECT_NEAR(s.to.y - s.from.y, s.to.x - s.from.x, 1e-9);
    for (const WorldPoint& p : {s.from, s.to}) {
      EXPECT_GE(p.x, -1e-9);
      EXPECT_LE(p.x, 10 + 1e-9);
      EXPECT_GE(p.y, -1e-9);
      EXPECT_LE(p.y, 10 + 1e-9);
    }
    distances.push_back((s.from.y - s.from.x) * c);
  }
  std::sort(distances.begin(), distances.end());
  for (std::size_t i = 1; i < distances.size(); ++i) {
    EXPECT_NEAR(distances[i] - distances[i - 1], spacing, 1e-9);
  }
}

TEST(HatchPattern, OffsetAgainstTheNormalStillFillsTheBoundary) {
  struct Case {
    double angle;
    WorldPoint base;
    WorldPoint offset;
    std::size_t lines;  // pattern lines crossing the squareRing
  };
  // Each offset points against the lines' normal (-sin a, cos a); the lines it steps to
  // are the same as those of the opposite offset.
  const double c = std::sqrt(0.5);
  for (const Case& k :
       {Case{0.0, {0, 0.5}, {0, -1}, 10}, Case{0.0, {0, 0.5}, {0.25, -1}, 10},
        Case{90.0, {0.5, 0}, {1, 0}, 10}, Case{45.0, {0, 0}, {0.5 * c, -0.5 * c}, 29}}) {
    SCOPED_TRACE(k.angle);
    const auto strokes = patternStrokes({PatternLine{k.angle, k.base, k.offset, {}}},
                                        {squareRing(0, 0, 10)}, 100000);
    ASSERT_TRUE(strokes);
    EXPECT_EQ(strokes->size(), k.lines);
    for (const PatternStroke& s : *strokes) {
      for (const WorldPoint& p : {s.from, s.to}) {
        EXPECT_GE(std::min(p.x, p.y), -1e-9) << p.x << "," << p.y;
        EXPECT_LE(std::max(p.x, p.y), 10 + 1e-9) << p.x << "," << p.y;
      }
    }
  }
}

TEST(HatchPattern, DashesRepeatFromTheLinesBasePoint) {
  // Horizontal lines one unit apart, dash 2, gap 1, dot, gap 1: period 4 from x = 0.
  const PatternLine line{0.0, {0, 0.5}, {0, 1}, {2, -1, 0, -1}};
  const auto strokes = patternStrokes({line}, {squareRing(0, 0, 10)}, 100000);
  ASSERT_TRUE(strokes);
  int dashes = 0;
  int dots = 0;
  for (const PatternStroke& s : *strokes) {
    if (std::fabs(s.from.y - 0.5) > 1e-9) continue;
    if (s.from.x == s.to.x) {
      ++dots;
      EXPECT_NEAR(std::fmod(s.from.x, 4.0), 3.0, 1e-9);
    } else {
      ++dashes;
      EXPECT_NEAR(std::fmod(s.from.x, 4.0), 0.0, 1e-9);
      EXPECT_NEAR(s.to.x - s.from.x, std::min(2.0, 10.0 - s.from.x), 1e-9);
    }
  }
  // Dashes at 0, 4, 8 (the last cut to 2 long), dots at 3, 7.
  EXPECT_EQ(dashes, 3);
  EXPECT_EQ(dots, 2);
}

TEST(HatchPattern, IslandsStayFreeOfStrokes) {
  const PatternLine line{0.0, {0, 0.25}, {0, 0.5}, {}};
  const auto strokes = patternStrokes({line}, {squareRing(0, 0, 10), squareRing(3, 3, 4)}, 100000);
  ASSERT_TRUE(strokes);
  for (const PatternStroke& s : *strokes) {
    const double mx = 0.5 * (s.from.x + s.to.x);
    const bool inIsland = s.from.y > 3 && s.from.y < 7 && mx > 3 && mx < 7;
    EXPECT_FALSE(inIsland) << s.from.x << "," << s.from.y;
  }
  EXPECT_EQ(strokes->size(), 20u + 8u * 2u - 8u);
}

TEST(HatchPattern, TooManyStrokesGiveNoneAndDegenerateLinesAreSkipped) {
  const PatternLine dense{0.0, {0, 0}, {0, 1e-4}, {}};
  EXPECT_FALSE(patternStrokes({dense}, {squareRing(0, 0, 10)}, 20000));
  const PatternLine dashy{0.0, {0, 0.5}, {0, 1}, {1e-3, -1e-3}};
  EXPECT_FALSE(patternStrokes({dashy}, {squareRing(0, 0, 10)}, 20000));
  EXPECT_EQ(patternStrokes({dashy}, {squareRing(0, 0, 10)}, 20000, false)->size(), 10u);
  // Far from the pattern's base, steps below the numbers' precision still end.
  const PatternLine far{0.0, {0, -1e17}, {0, 1}, {1e-12, -1e-12}};
  EXPECT_FALSE(patternStrokes({far}, {squareRing(0, 0, 10)}, 20000));
  const PatternLine farDashes{0.0, {-1e15, 0.5}, {0, 1}, {1e-9, -1e-9}};
  EXPECT_FALSE(patternStrokes({farDashes}, {squareRing(0, 0, 10)}, 20000));
  const PatternLine along{0.0, {0, 0}, {3, 0}, {}};
  EXPECT_TRUE(patternStrokes({along}, {squareRing(0, 0, 10)}, 20000)->empty());
}

}  // namespace
