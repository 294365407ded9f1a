// Lines without an end: the stretch of an XLINE or RAY that a box holds, and its placement.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "EntityTesting.h"
#include "entities/ConstructionLine.h"

namespace {

using entitytesting::readFrom;
using entitytesting::written;

ConstructionLine lineOf(ConstructionLine::Reach reach, double x, double y, double dx, double dy) {
  ConstructionLine line(reach);
  const std::string groups = "  8\n0\n 10\n" + std::to_string(x) + "\n 20\n" + std::to_string(y) +
                             "\n 30\n0\n 11\n" + std::to_string(dx) + "\n 21\n" +
                             std::to_string(dy) + "\n 31\n0\n  0\n";
  EXPECT_EQ(readFrom(line, groups), 0);
  return line;
}

TEST(ConstructionLineTest, StretchInsideTheBox) {
  using Reach = ConstructionLine::Reach;
  const WorldBox box{-10, -5, 10, 5};
  struct Case {
    const char* name;
    Reach reach;
    double x, y, dx, dy;
    bool seen;
    WorldPoint from, to;
  };
  const Case cases[] = {
      {"endless across", Reach::BothWays, 0, 0, 1, 0, true, {-10, 0}, {10, 0}},
      {"endless from far outside", Reach::BothWays, 100, 100, 1, 1, true, {-5, -5}, {5, 5}},
      {"vertical", Reach::BothWays, 3, 50, 0, -2, true, {3, 5}, {3, -5}},
      {"missing the box", Reach::BothWays, 0, 6, 1, 0, false, {}, {}},
      {"ray from inside", Reach::Forwards, 2, 1, 1, 0, true, {2, 1}, {10, 1}},
      {"ray towards the box", Reach::Forwards, -20, 0, 3, 0, true, {-10, 0}, {10, 0}},
      {"ray away from the box", Reach::Forwards, 20, 0, 1, 0, false, {}, {}},
      {"no direction given: along x", Reach::BothWays, 0, 1, 0, 0, true, {-10, 1}, {10, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto stretch = lineOf(c.reach, c.x, c.y, c.dx, c.dy).within(box);
    ASSERT_EQ(stretch.has_value(), c.seen);
    if (!c.seen) continue;
    EXPECT_NEAR(stretch->first.x, c.from.x, 1e-9);
    EXPECT_NEAR(stretch->first.y, c.from.y, 1e-9);
    EXPECT_NEAR(stretch->second.x, c.to.x, 1e-9);
    EXPECT_NEAR(stretch->second.y, c.to.y, 1e-9);
  }
}

TEST(ConstructionLineTest, PlacedByRotationAndMirror) {
  // A ray from (1, 0) along +x, turned a quarter about the origin: from (0, 1) along +y;
  // mirrored top to bottom as well (negative scale), it runs from (0, -1) along -y.
  for (const double scale : {1.0, -1.0}) {
    SCOPED_TRACE(scale);
    ConstructionLine ray = lineOf(ConstructionLine::Reach::Forwards, 1, 0, 1, 0);
    ray.transform(scale, 90.0, 0.0, 0.0, 0.0);
    EXPECT_NEAR(ray.base().x, 0.0, 1e-9);
    EXPECT_NEAR(ray.base().y, scale, 1e-9);
    EXPECT_NEAR(ray.direction().x, 0.0, 1e-9);
    EXPECT_NEAR(ray.direction().y, scale, 1e-9);
  }
}

TEST(ConstructionLineTest, SavedAsTheLineAcrossTheSavingWindow) {
  const ConstructionLine xline = lineOf(ConstructionLine::Reach::BothWays, 0, 0, 1, 1);
  {
    const ConstructionLine::SavingWindow window({-2, -1, 2, 1});
    const std::string text = written(xline);
    EXPECT_EQ(text.rfind("LINE\n", 0), 0U) << text;
    EXPECT_NE(text.find(" 10\n-1.0000\n 20\n-1.0000\n"), std::string::npos) << text;
    EXPECT_NE(text.find(" 11\n1.0000\n 21\n1.0000\n"), std::string::npos) << text;
  }
  {
    // A line that misses the window is left out of the file.
    const ConstructionLine::SavingWindow window({5, -1, 6, 1});
    EXPECT_EQ(written(xline), "");
  }
}

}  // namespace
