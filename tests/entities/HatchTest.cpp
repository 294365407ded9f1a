// Tests of the HATCH entity: boundary paths of every kind, fills, patterns and its R12 pieces.
#include "entities/Hatch.h"

#include <cmath>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "EntityTesting.h"
#include "entities/Punkt.h"

namespace {

using entitytesting::readFrom;

// Groups of a hatch with the given boundary paths and fill groups after them.
std::string hatchText(int paths, const std::string& boundary, const std::string& fill,
                      bool solid = true) {
  std::ostringstream out;
  out << "  8\nH\n 10\n0\n 20\n0\n 30\n0\n210\n0\n220\n0\n230\n1\n  2\n"
      << (solid ? "SOLID" : "USER") << "\n 70\n"
      << (solid ? 1 : 0) << "\n 71\n0\n 91\n"
      << paths << "\n"
      << boundary << " 75\n0\n 76\n1\n"
      << fill << " 98\n1\n 10\n1\n 20\n1\n  0\n";
  return out.str();
}

std::string polylinePath(const std::vector<std::array<double, 3>>& vertices, int flags = 3) {
  std::ostringstream out;
  out << " 92\n" << flags << "\n 72\n1\n 73\n1\n 93\n" << vertices.size() << "\n";
  for (const auto& [x, y, bulge] : vertices) {
    out << " 10\n" << x << "\n 20\n" << y << "\n 42\n" << bulge << "\n";
  }
  out << " 97\n0\n";
  return out.str();
}

std::string squarePath(double x, double y, double side, int flags = 3) {
  return polylinePath({{x, y, 0}, {x + side, y, 0}, {x + side, y + side, 0}, {x, y + side, 0}},
                      flags);
}

double filledArea(const Hatch& hatch) {
  double area = 0.0;
  for (const Triangle& t : hatch.triangles()) area += triangleArea(t);
  return area;
}

TEST(HatchReading, SolidFillAreaOfEveryBoundaryKind) {
  // A 10 x 10 square drawn by edges: line, arc, elliptic arc and spline edges.
  const std::string lineSquare =
      " 92\n1\n 93\n4\n 72\n1\n 10\n0\n 20\n0\n 11\n10\n 21\n0\n 72\n1\n 10\n10\n 20\n0\n"
      " 11\n10\n 21\n10\n 72\n1\n 10\n10\n 20\n10\n 11\n0\n 21\n10\n 72\n1\n 10\n0\n 20\n10\n"
      " 11\n0\n 21\n0\n 97\n0\n";
  const std::string circleIsland =
      " 92\n16\n 93\n1\n 72\n2\n 10\n5\n 20\n5\n 40\n2\n 50\n0\n 51\n360\n 73\n1\n 97\n0\n";
  const std::string ellipseIsland =
      " 92\n16\n 93\n1\n 72\n3\n 10\n5\n 20\n5\n 11\n3\n 21\n0\n 40\n0.5\n 50\n0\n 51\n360\n"
      " 73\n1\n 97\n0\n";
  // Half a disc of radius 2: a clockwise arc (stored with complementary angles) and its
  // diameter.
  const std::string halfDisc =
      " 92\n1\n 93\n2\n 72\n2\n 10\n0\n 20\n0\n 40\n2\n 50\n180\n 51\n360\n 73\n0\n"
      " 72\n1\n 10\n2\n 20\n0\n 11\n-2\n 21\n0\n 97\n0\n";
  // A quadratic Bezier spline edge from (0,0) over (2,4) to (4,0), closed by a line:
  // its area is 2/3 of the control triangle's width times height.
  const std::string splineCap =
      " 92\n1\n 93\n2\n 72\n4\n 94\n2\n 73\n0\n 74\n0\n 95\n6\n 96\n3\n 40\n0\n 40\n0\n 40\n0\n"
      " 40\n1\n 40\n1\n 40\n1\n 10\n0\n 20\n0\n 10\n2\n 20\n4\n 10\n4\n 20\n0\n"
      " 72\n1\n 10\n4\n 20\n0\n 11\n0\n 21\n0\n 97\n0\n";
  // A polyline square whose two sides bulge out as half circles of radius 1.
  const std::string bulged = polylinePath({{0, 0, 0}, {2, 0, 1}, {2, 2, 0}, {0, 2, 1}});
  struct Case {
    const char* name;
    int paths;
    std::string boundary;
    double area;
  };
  const std::vector<Case> cases = {
      {"edge square", 1, lineSquare, 100.0},
      {"square with circle island", 2, lineSquare + circleIsland, 100.0 - M_PI * 4},
      {"square with ellipse island", 2, lineSquare + ellipseIsland, 100.0 - M_PI * 3 * 1.5},
      {"clockwise half disc", 1, halfDisc, M_PI * 2},
      {"spline cap", 1, splineCap, 2.0 / 3.0 * 4 * 2},
      {"bulged polyline", 1, bulged, 4.0 + M_PI},
      {"polyline square with island", 2, squarePath(0, 0, 10, 3) + squarePath(3, 3, 4, 18), 84.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Hatch hatch;
    ASSERT_EQ(readFrom(hatch, hatchText(c.paths, c.boundary, "")), 0);
    EXPECT_NEAR(filledArea(hatch), c.area, c.area * 2e-3);
    EXPECT_TRUE(hatch.strokes().empty());
  }
}

TEST(HatchReading, StyleDecidesWhichIslandsStayEmpty) {
  // Outline 10 x 10, island 6 x 6, island in the island 2 x 2.
  const std::string paths =
      squarePath(0, 0, 10, 3) + squarePath(2, 2, 6, 18) + squarePath(4, 4, 2, 18);
  for (const auto& [style, area] : {std::pair{0, 100.0 - 36 + 4}, {1, 100.0 - 36}, {2, 100.0}}) {
    std::string text = hatchText(3, paths, "");
    text.replace(text.find(" 75\n0\n"), 7, " 75\n" + std::to_string(style) + "\n");
    Hatch hatch;
    ASSERT_EQ(readFrom(hatch, text), 0);
    EXPECT_NEAR(filledArea(hatch), area, 1e-9) << "style " << style;
  }
}

TEST(HatchReading, PatternLinesComeFromTheDefinitionTheHatchCarries) {
  // ANSI31-like: 45 degrees, 1 unit apart (offset perpendicular), solid lines.
  const double c = std::sqrt(0.5);
  std::ostringstream pattern;
  pattern << " 52\n45\n 41\n1\n 77\n0\n 78\n1\n 53\n45\n 43\n0\n 44\n0\n 45\n"
          << -c << "\n 46\n"
          << c << "\n 79\n0\n";
  Hatch hatch;
  ASSERT_EQ(readFrom(hatch, hatchText(2, squarePath(0, 0, 10, 3) + squarePath(3, 3, 4, 18),
                                      pattern.str(), false)),
            0);
  EXPECT_TRUE(hatch.triangles().empty());
  // Lines y - x = k * sqrt(2) for k = -7 .. 7 cross the square; those through the island
  // (k = -2 .. 2) are cut in two.
  EXPECT_EQ(hatch.strokes().size(), 15u + 5u);
  for (const PatternStroke& s : hatch.strokes()) {
    const double k = (s.from.y - s.from.x) / std::sqrt(2.0);
    EXPECT_NEAR(k, std::round(k), 1e-5);
  }
}

TEST(HatchReading, TooDensePatternIsFilledAndGradientTakesItsFirstColour) {
  Hatch dense;
  ASSERT_EQ(
      readFrom(dense,
               hatchText(1, squarePath(0, 0, 10),
                         " 78\n1\n 53\n0\n 43\n0\n 44\n0\n 45\n0\n 46\n0.0001\n 79\n0\n", false)),
      0);
  EXPECT_NEAR(filledArea(dense), 100.0, 1e-9);

  Hatch gradient;
  ASSERT_EQ(readFrom(gradient, hatchText(1, squarePath(0, 0, 10),
                                         "450\n1\n451\n0\n452\n0\n453\n2\n460\n0\n461\n0\n462\n0\n"
                                         "463\n0\n 63\n5\n421\n255\n463\n1\n 63\n2\n421\n16776960\n"
                                         "470\nLINEAR\n",
                                         false)),
            0);
  EXPECT_NEAR(filledArea(gradient), 100.0, 1e-9);
  EXPECT_STREQ(gradient.colourNumber(), "5");
  EXPECT_STREQ(gradient.colour(), DXFGeometrie::colourOfNumber(5));
}

TEST(HatchReading, DownwardExtrusionMirrorsTheFill) {
  std::string text = hatchText(1, squarePath(2, 0, 3), "");
  text.replace(text.find("230\n1\n"), 6, "230\n-1\n");
  Hatch hatch;
  ASSERT_EQ(readFrom(hatch, text), 0);
  EXPECT_NEAR(hatch.minCorner().x(), -5.0, 1e-9);
  EXPECT_NEAR(hatch.maxCorner().x(), -2.0, 1e-9);
}

TEST(HatchWriting, SavedAsSolidTrianglesAndPatternLinesOnItsLayer) {
  Hatch hatch;
  ASSERT_EQ(readFrom(hatch, hatchText(1, squarePath(0, 0, 10), " 62\n3\n")), 0);
  const std::string written = entitytesting::written(hatch);
  EXPECT_EQ(written.rfind("SOLID\n  8\nH\n", 0), 0u) << written;
  EXPECT_EQ(written.find("HATCH"), std::string::npos);
  std::size_t solids = 0;
  for (std::size_t at = written.find("SOLID"); at != std::string::npos;
       at = written.find("SOLID", at + 1))
    ++solids;
  EXPECT_EQ(solids, hatch.triangles().size());
  // Third and fourth corners coincide: a triangle reads alike in any corner order.
  EXPECT_NE(written.find(" 12\n10.0000\n 22\n10.0000\n 32\n0.0000\n 13\n10.0000\n 23\n10.0000\n"),
            std::string::npos)
      << written;
  EXPECT_EQ(hatch.explodedPieces().size(), hatch.triangles().size());
}

TEST(HatchPlacing, TransformMovesEveryPiece) {
  Hatch hatch;
  ASSERT_EQ(readFrom(hatch, hatchText(1, squarePath(0, 0, 2), "")), 0);
  hatch.transform(-2.0, 90.0, 10.0, 0.0, 0.0);
  EXPECT_NEAR(filledArea(hatch), 16.0, 1e-9);
  // Turned a quarter to the left, scaled by 2 and mirrored top to bottom.
  EXPECT_NEAR(hatch.minCorner().x(), 6.0, 1e-9);
  EXPECT_NEAR(hatch.maxCorner().x(), 10.0, 1e-9);
  EXPECT_NEAR(hatch.minCorner().y(), -4.0, 1e-9);
  EXPECT_NEAR(hatch.maxCorner().y(), 0.0, 1e-9);
}

}  // namespace
