// Tests of inserts that scale x and y differently and of MINSERT grids: placement, drawing,
// explode, extents and saving.
#include <algorithm>
#include <numbers>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "document/DXFText.h"
#include "entities/Ellipse.h"
#include "entities/Linie.h"

namespace {

using namespace documenttesting;

// An INSERT record with every placement group given.
std::string placedInsert(const std::string& blockName, double x, double y, double scaleX,
                         double scaleY, double rotation, const std::string& grid = "") {
  std::ostringstream out;
  out << "  0\nINSERT\n  8\n0\n  2\n"
      << blockName << "\n 10\n"
      << x << "\n 20\n"
      << y << "\n 41\n"
      << scaleX << "\n 42\n"
      << scaleY << "\n 50\n"
      << rotation << "\n"
      << grid;
  return out.str();
}

std::string circle(double x, double y, double r) {
  std::ostringstream out;
  out << "  0\nCIRCLE\n  8\n0\n 10\n" << x << "\n 20\n" << y << "\n 40\n" << r << "\n";
  return out.str();
}

std::string quarterArc() { return "  0\nARC\n  8\n0\n 10\n0\n 20\n0\n 40\n1\n 50\n0\n 51\n90\n"; }

// The exploded entities of a document, by kind.
std::vector<const DXFGeometrie*> exploded(DXF_Zeichnung& document, const char* kind) {
  document.explodeAll();
  std::vector<const DXFGeometrie*> found;
  for (int i = 0; i < document.entities().count(); ++i) {
    const DXFGeometrie* entity = document.entities().at(i);
    if (std::strcmp(entity->typeName(), kind) == 0) found.push_back(entity);
  }
  return found;
}

// 1 when p lies on the ellipse.
double onCurve(const EllipseArc& arc, double px, double py) {
  const WorldPoint a = arc.major;
  const WorldPoint b = arc.minor();
  const double x = px - arc.centre.x;
  const double y = py - arc.centre.y;
  const double along = (x * a.x + y * a.y) / (a.x * a.x + a.y * a.y);
  const double across = (x * b.x + y * b.y) / (b.x * b.x + b.y * b.y);
  return along * along + across * across;
}

std::string lineText(const Linie& line) {
  std::ostringstream out;
  out << std::fixed << std::setprecision(4) << line.x1() << ' ' << line.y1() << ' ' << line.x2()
      << ' ' << line.y2();
  return out.str();
}

std::vector<std::string> lineTexts(const std::vector<const DXFGeometrie*>& lines) {
  std::vector<std::string> texts;
  for (const DXFGeometrie* line : lines)
    texts.push_back(lineText(static_cast<const Linie&>(*line)));
  std::sort(texts.begin(), texts.end());
  return texts;
}

// ---- x and y scales apart: P' = insertion point + R(rotation) diag(41, 42) P

struct StretchCase {
  const char* name;
  double scaleX, scaleY, rotation;
};

class InsertStretch : public testing::TestWithParam<StretchCase> {};

TEST_P(InsertStretch, BlockPointsLandWhereTheFileSays) {
  const StretchCase c = GetParam();
  auto document = readOk(dxfFile(placedInsert("B", 10, 0, c.scaleX, c.scaleY, c.rotation),
                                 block("B", line(0, 0, 1, 1) + circle(1, 0, 1) + quarterArc())));
  const double cosine = std::cos(c.rotation * std::numbers::pi / 180);
  const double sine = std::sin(c.rotation * std::numbers::pi / 180);
  const auto place = [&](double x, double y) {
    const double sx = x * c.scaleX;
    const double sy = y * c.scaleY;
    return WorldPoint{10 + cosine * sx - sine * sy, sine * sx + cosine * sy};
  };
  auto again = readOk(writtenText(*document));
  EXPECT_EQ(picture(*again), picture(*document));
  const auto lines = exploded(*document, "LINE");
  ASSERT_EQ(lines.size(), 1u);
  const auto& line = static_cast<const Linie&>(*lines[0]);
  const WorldPoint end = place(1, 1);
  EXPECT_NEAR(line.x1(), 10, 1e-9);
  EXPECT_NEAR(line.x2(), end.x, 1e-9);
  EXPECT_NEAR(line.y2(), end.y, 1e-9);
  // The circle and the arc are ellipses through the placed points of the originals.
  const auto ellipses = exploded(*document, "ELLIPSE");
  ASSERT_EQ(ellipses.size(), 2u);
  int wholes = 0;
  for (const DXFGeometrie* entity : ellipses) {
    const EllipseArc& arc = static_cast<const Ellipse&>(*entity).arc();
    const bool whole = arc.isFull();
    wholes += whole;
    for (double angle = 0; angle <= std::numbers::pi / 2; angle += std::numbers::pi / 8) {
      const WorldPoint p = whole ? place(1 + std::cos(angle), std::sin(angle))
                                 : place(std::cos(angle), std::sin(angle));
      EXPECT_NEAR(onCurve(arc, p.x, p.y), 1.0, 1e-9) << c.name;
    }
    if (!whole) {
      // The quarter ends where (1, 0) and (0, 1) land, and its middle lies between them.
      const WorldPoint ends[] = {place(1, 0), place(0, 1)};
      const Punkt first = entity->pointAt(0.0);
      const Punkt last = entity->pointAt(1.0);
      const bool forwards = std::hypot(first.x() - ends[0].x, first.y() - ends[0].y) < 1e-9 &&
                            std::hypot(last.x() - ends[1].x, last.y() - ends[1].y) < 1e-9;
      const bool backwards = std::hypot(first.x() - ends[1].x, first.y() - ends[1].y) < 1e-9 &&
                             std::hypot(last.x() - ends[0].x, last.y() - ends[0].y) < 1e-9;
      EXPECT_TRUE(forwards || backwards) << c.name;
      const WorldPoint middle =
          place(std::cos(std::numbers::pi / 4), std::sin(std::numbers::pi / 4));
      EXPECT_NEAR(entity->pointAt(0.5).x(), middle.x, 1e-9) << c.name;
      EXPECT_NEAR(entity->pointAt(0.5).y(), middle.y, 1e-9) << c.name;
    }
  }
  EXPECT_EQ(wholes, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, InsertStretch,
                         testing::Values(StretchCase{"plain", 2, 3, 0},
                                         StretchCase{"turned", 2, 0.5, 30},
                                         StretchCase{"mirroredX", -2, 3, 90},
                                         StretchCase{"mirroredY", 1.5, -4, 200},
                                         StretchCase{"mirroredBoth", -1, -2.5, -45}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InsertStretchFile, BothScalesAreWrittenBack) {
  auto document = readOk(dxfFile(placedInsert("B", 0, 0, 2, 3, 0), block("B", line(0, 0, 1, 1))));
  const std::string text = writtenText(*document);
  EXPECT_NE(text.find(" 41\n2.0000\n 42\n3.0000\n"), std::string::npos);
  // The extents follow the stretch: the line ends at (2, 3).
  EXPECT_DOUBLE_EQ(document->maxX(), 2.0);
  EXPECT_DOUBLE_EQ(document->maxY(), 3.0);
}

// ---- texts in a stretched insert cover the stretched outline of the original

struct TextStretchCase {
  const char* name;
  double scaleX, scaleY, insertRotation, textRotation, widthFactor;
};

class TextInStretchedInsert : public testing::TestWithParam<TextStretchCase> {};

// The block's text (height 1) has its baseline direction d and its up vector u; the
// insert maps them by M = R(50) diag(41, 42). The placed text runs along M d, its capitals
// are as high as M u reaches across that line (|det M| / |M d|), and its letters are as
// long along it as |M d| times the original width factor.
TEST_P(TextInStretchedInsert, HeightWidthAndDirectionFollowBothScales) {
  const TextStretchCase c = GetParam();
  std::ostringstream text;
  text << "  0\nTEXT\n  8\n0\n 10\n1\n 20\n2\n 40\n1\n 41\n"
       << c.widthFactor << "\n 50\n"
       << c.textRotation << "\n  1\nHE\n";
  auto document = readOk(dxfFile(placedInsert("B", 5, 5, c.scaleX, c.scaleY, c.insertRotation),
                                 block("B", text.str())));
  auto again = readOk(writtenText(*document));
  EXPECT_EQ(picture(*again), picture(*document));
  const auto drawn = picture(*document);
  const auto texts = exploded(*document, "TEXT");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(picture(*document), drawn);
  const auto& placed = static_cast<const DXFText&>(*texts[0]);
  const double a = c.insertRotation * std::numbers::pi / 180;
  const double t = c.textRotation * std::numbers::pi / 180;
  const auto map = [&](double x, double y) {
    return WorldPoint{std::cos(a) * c.scaleX * x - std::sin(a) * c.scaleY * y,
                      std::sin(a) * c.scaleX * x + std::cos(a) * c.scaleY * y};
  };
  const WorldPoint along = map(std::cos(t), std::sin(t));
  const double length = std::hypot(along.x, along.y);
  const double height = std::fabs(c.scaleX * c.scaleY) / length;
  EXPECT_NEAR(placed.height(), height, 1e-9);
  EXPECT_NEAR(placed.widthFactor() * placed.height(), c.widthFactor * length, 1e-9);
  const double turn =
      std::remainder(placed.rotation() * std::numbers::pi / 180 - std::atan2(along.y, along.x),
                     2 * std::numbers::pi);
  EXPECT_NEAR(turn, 0.0, 1e-9);
  const WorldPoint anchor = map(1, 2);
  EXPECT_NEAR(placed.x(), 5 + anchor.x, 1e-9);
  EXPECT_NEAR(placed.y(), 5 + anchor.y, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextInStretchedInsert,
                         testing::Values(TextStretchCase{"wider", 2, 1, 0, 0, 0.5},
                                         TextStretchCase{"taller", 1, 2, 0, 0, 1},
                                         TextStretchCase{"tallerUpright", 1, 2, 0, 90, 1},
                                         TextStretchCase{"slanted", 2, 3, 0, 30, 0.8},
                                         TextStretchCase{"turnedInsert", 0.5, 1.5, 40, 10, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- MINSERT: cell (i, j) moves by R(rotation) (i * 44, j * 45)

TEST(InsertGrid, EveryCellIsDrawnAndExploded) {
  const std::string grid = " 70\n3\n 71\n2\n 44\n10\n 45\n5\n";
  auto document =
      readOk(dxfFile(placedInsert("B", 100, 0, 2, 2, 90, grid), block("B", line(0, 0, 1, 0))));
  // The line (0, 0)-(1, 0) scaled by 2 and turned to (0, 0)-(0, 2); the cells lie at
  // (-5 j, 10 i).
  std::vector<std::string> expected;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 2; ++j) {
      const double x = 100 - 5 * j;
      const double y = 10 * i;
      std::ostringstream out;
      out << std::fixed << std::setprecision(4) << x << ' ' << y << ' ' << x << ' ' << y + 2;
      expected.push_back(out.str());
    }
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(picture(*document).size(), 6u);
  EXPECT_DOUBLE_EQ(document->minX(), 95.0);
  EXPECT_DOUBLE_EQ(document->maxY(), 22.0);
  const std::string text = writtenText(*document);
  EXPECT_NE(text.find(" 70\n3\n 71\n2\n 44\n10.0000\n 45\n5.0000\n"), std::string::npos) << text;
  auto again = readOk(text);
  EXPECT_EQ(picture(*again), picture(*document));
  EXPECT_EQ(lineTexts(exploded(*document, "LINE")), expected);
}

TEST(InsertGrid, MirroredGridIsSavedAlike) {
  const std::string grid = " 70\n2\n 71\n3\n 44\n4\n 45\n-6\n";
  for (const std::string& insert :
       {placedInsert("B", 1, 2, -1, 1, 30, grid), placedInsert("B", 1, 2, 1, -2, 0, grid)}) {
    auto document = readOk(dxfFile(insert, block("B", line(0, 0, 1, 2))));
    auto again = readOk(writtenText(*document));
    EXPECT_EQ(picture(*again), picture(*document));
    EXPECT_EQ(picture(*document).size(), 6u);
  }
}

TEST(InsertGrid, HugeGridOfAnEmptyBlockEnds) {
  const std::string grid = " 70\n32767\n 71\n32767\n 44\n1\n 45\n1\n";
  auto document = readOk(
      dxfFile(placedInsert("EMPTY", 0, 0, 1, 1, 0, grid) + line(0, 0, 1, 1), block("EMPTY", "")));
  document->explodeAll();
  EXPECT_EQ(document->entities().count(), 1);
}

// ---- the picture of a drawing is the picture of its exploded copy

TEST(InsertStretchExplode, PictureOfTheExplodedDrawingIsTheSame) {
  const std::string ellipse =
      "  0\nELLIPSE\n  8\n0\n 10\n1\n 20\n2\n 11\n3\n 21\n1\n 40\n0.4\n 41\n0.5\n 42\n4\n";
  const std::string inner =
      ellipse + circle(2, -1, 0.5) + quarterArc() + line(0, 0, 3, 1) +
      "  0\nLWPOLYLINE\n  8\n0\n 90\n3\n 10\n0\n 20\n0\n 42\n0.4\n 10\n4\n 20\n0\n 10\n4\n"
      " 20\n3\n";
  const std::string outer =
      placedInsert("INNER", 10, 5, 1.5, 0.5, 30) + placedInsert("INNER", -4, 0, -1, 2, 20) +
      placedInsert("INNER", 0, 9, 1, 1, 15, " 70\n2\n 71\n2\n 44\n7\n 45\n-3\n");
  const std::string entities =
      placedInsert("OUTER", 20, 10, 2, 3, 45) + placedInsert("OUTER", -50, 0, 1, -0.5, -60) +
      placedInsert("OUTER", 0, -40, -0.7, 0.7, 0, " 70\n3\n 71\n1\n 44\n30\n 45\n0\n") + ellipse;
  auto document = readOk(dxfFile(entities, block("INNER", inner) + block("OUTER", outer)));
  const auto drawn = picture(*document);
  document->explodeAll();
  EXPECT_EQ(document->inserts().count(), 0);
  EXPECT_EQ(picture(*document), drawn);
  EXPECT_GT(drawn.size(), 300u);
}

}  // namespace
