// Texts of complex linetypes written as TEXT entities: where the pattern puts them along
// lines, arcs, circles and polyline segments, with the drawing's and the entity's scales,
// and what a saved release 12 file holds of them.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "DocumentTesting.h"
#include "document/LinetypeTexts.h"
#include "document/Polylinie.h"

namespace {

using documenttesting::readOk;
using documenttesting::writtenText;

// The pattern "TEXTED", 22 units a period: a dash of 10, then a gap of 2 carrying the text
// "H" 4 high, turned 30 degrees, moved 0.5 along the line and 2 to its right (offsetY -2),
// then a gap of 10. `textFlags` is the text element's group 74.
std::string textedLinetype(int textFlags) {
  return "  0\nLTYPE\n  2\nTEXTED\n 70\n0\n  3\n\n 72\n65\n 73\n3\n 40\n22\n"
         " 49\n10\n 74\n0\n 49\n-2\n 74\n" +
         std::to_string(textFlags) +
         "\n 75\n0\n 46\n4\n 50\n30\n 44\n0.5\n 45\n-2\n  9\nH\n"
         " 49\n-10\n 74\n0\n";
}

std::string drawing(const std::string& entities, double ltscale = 1.0, int textFlags = 2) {
  return "  0\nSECTION\n  2\nHEADER\n  9\n$LTSCALE\n 40\n" + std::to_string(ltscale) +
         "\n  0\nENDSEC\n  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLTYPE\n 70\n1\n" +
         textedLinetype(textFlags) +
         "  0\nENDTAB\n  0\nTABLE\n  2\nLAYER\n 70\n1\n"
         "  0\nLAYER\n  2\n0\n 70\n0\n 62\n7\n  6\nCONTINUOUS\n  0\nENDTAB\n  0\nENDSEC\n"
         "  0\nSECTION\n  2\nENTITIES\n" +
         entities + "  0\nENDSEC\n  0\nEOF\n";
}

struct Expected {
  double x;
  double y;
  double rotation;
};

// Where a text stands when the pattern reaches `s` along a line through `point` in the
// direction `degrees`, with the text turned by 30 degrees from the line.
Expected onLine(double px, double py, double degrees, double scale = 1.0) {
  const double t = degrees * std::numbers::pi / 180.0;
  const double ux = std::cos(t), uy = std::sin(t);
  // 0.5 along, 2 to the right (the left is (-uy, ux)).
  return {px + 0.5 * scale * ux + 2.0 * scale * uy, py + 0.5 * scale * uy - 2.0 * scale * ux,
          degrees + 30.0};
}

// On a circle of radius r around the origin, s along it counter-clockwise from angle a0.
Expected onCircle(double r, double a0Degrees, double s) {
  const double angle = a0Degrees * std::numbers::pi / 180.0 + s / r;
  return onLine(r * std::cos(angle), r * std::sin(angle), angle * 180.0 / std::numbers::pi + 90.0);
}

void expectTexts(const std::vector<DXFText>& texts, const std::vector<Expected>& expected,
                 double height, const std::string& name) {
  ASSERT_EQ(texts.size(), expected.size()) << name;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].text(), "H") << name;
    EXPECT_NEAR(texts[i].x(), expected[i].x, 5e-3) << name << " text " << i;
    EXPECT_NEAR(texts[i].y(), expected[i].y, 5e-3) << name << " text " << i;
    EXPECT_NEAR(std::remainder(texts[i].rotation() - expected[i].rotation, 360.0), 0.0, 0.2)
        << name << " text " << i;
    EXPECT_DOUBLE_EQ(texts[i].height(), height) << name;
  }
}

}  // namespace

TEST(LinetypeTexts, StandWhereThePatternPutsThemAlongLinesAndCurves) {
  struct Case {
    const char* name;
    std::string entity;
    double ltscale;
    std::vector<Expected> expected;
    double height;
    int textFlags = 2;  // group 74: a text, turned with the line
  };
  const std::vector<Case> cases = {
      // The text's place is 12 along each period of 22.
      {"line along x",
       "  0\nLINE\n  8\n0\n  6\nTEXTED\n 10\n0\n 20\n10\n 11\n50\n 21\n10\n",
       1.0,
       {onLine(12, 10, 0), onLine(34, 10, 0)},
       4.0},
      {"line upwards",
       "  0\nLINE\n  8\n0\n  6\nTEXTED\n 10\n5\n 20\n0\n 11\n5\n 21\n30\n",
       1.0,
       {onLine(5, 12, 90)},
       4.0},
      {"line backwards",
       "  0\nLINE\n  8\n0\n  6\nTEXTED\n 10\n30\n 20\n0\n 11\n0\n 21\n0\n",
       1.0,
       {onLine(18, 0, 180)},
       4.0},
      // $LTSCALE 2: a period of 44, the place 24 along, the text 8 high.
      {"drawing's scale",
       "  0\nLINE\n  8\n0\n  6\nTEXTED\n 10\n0\n 20\n0\n 11\n100\n 21\n0\n",
       2.0,
       {onLine(24, 0, 0, 2.0), onLine(68, 0, 0, 2.0)},
       8.0},
      // The entity's own scale 0.5 multiplies the drawing's 2: as if both were 1.
      {"entity's scale",
       "  0\nLINE\n  8\n0\n  6\nTEXTED\n 48\n0.5\n 10\n0\n 20\n0\n 11\n40\n 21\n0\n",
       2.0,
       {onLine(12, 0, 0), onLine(34, 0, 0)},
       4.0},
      // An absolute rotation keeps the text at 30 degrees whatever the line's direction.
      {"absolute rotation",
       "  0\nLINE\n  8\n0\n  6\nTEXTED\n 10\n5\n 20\n0\n 11\n5\n 21\n30\n",
       1.0,
       {{onLine(5, 12, 90).x, onLine(5, 12, 90).y, 30.0}},
       4.0,
       3},
      {"arc",
       "  0\nARC\n  8\n0\n  6\nTEXTED\n 10\n0\n 20\n0\n 40\n10\n 50\n90\n 51\n270\n",
       1.0,
       {onCircle(10, 90, 12)},
       4.0},
      {"circle",
       "  0\nCIRCLE\n  8\n0\n  6\nTEXTED\n 10\n0\n 20\n0\n 40\n10\n",
       1.0,
       {onCircle(10, 0, 12), onCircle(10, 0, 34), onCircle(10, 0, 56)},
       4.0},
      // An ellipse as round as a circle, and a straight spline of degree 1.
      {"ellipse",
       "  0\nELLIPSE\n  8\n0\n  6\nTEXTED\n 10\n0\n 20\n0\n 11\n10\n 21\n0\n 40\n1\n"
       " 41\n0\n 42\n6.283185307179586\n",
       1.0,
       {onCircle(10, 0, 12), onCircle(10, 0, 34), onCircle(10, 0, 56)},
       4.0},
      {"spline",
       "  0\nSPLINE\n  8\n0\n  6\nTEXTED\n 70\n8\n 71\n1\n 72\n4\n 73\n2\n"
       " 40\n0\n 40\n0\n 40\n1\n 40\n1\n 10\n0\n 20\n10\n 10\n50\n 20\n10\n",
       1.0,
       {onLine(12, 10, 0), onLine(34, 10, 0)},
       4.0},
      {"marked invisible",
       "  0\nLINE\n  8\n0\n 60\n1\n  6\nTEXTED\n 10\n0\n 20\n0\n 11\n50\n 21\n0\n",
       1.0,
       {},
       4.0},
      {"continuous",
       "  0\nLINE\n  8\n0\n  6\nCONTINUOUS\n 10\n0\n 20\n0\n 11\n50\n 21\n0\n",
       1.0,
       {},
       4.0},
  };
  for (const Case& c : cases) {
    const auto document = readOk(drawing(c.entity, c.ltscale, c.textFlags));
    ASSERT_EQ(document->entities().count(), 1) << c.name;
    const LinetypeTexts texts(document->linePatterns());
    expectTexts(texts.along(*document->entities().at(0)), c.expected, c.height, c.name);
  }
}

TEST(LinetypeTexts, EverySegmentOfAPolylineStartsThePatternAfresh) {
  const auto document =
      readOk(drawing("  0\nLWPOLYLINE\n  8\n0\n  6\nTEXTED\n 90\n3\n 70\n0\n"
                     " 10\n0\n 20\n0\n 10\n30\n 20\n0\n 10\n30\n 20\n30\n"));
  ASSERT_EQ(document->polylines().count(), 1);
  const LinetypeTexts texts(document->linePatterns());
  expectTexts(texts.along(*document->polylines().at(0)), {onLine(12, 0, 0), onLine(30, 12, 90)},
              4.0, "polyline");
}

TEST(LinetypeTexts, SavedRelease12FileHoldsTheTextsAndTheDashes) {
  const auto document = readOk(
      drawing("  0\nLINE\n  8\n0\n 62\n1\n  6\nTEXTED\n 10\n0\n 20\n10\n 11\n50\n 21\n10\n"));
  const auto saved = readOk(writtenText(*document));
  // The line keeps its linetype, whose dashes remain; each text follows it as a TEXT.
  ASSERT_EQ(saved->entities().count(), 3);
  EXPECT_STREQ(saved->entities().at(0)->typeName(), "LINE");
  EXPECT_STREQ(saved->entities().at(0)->linetypeName(), "TEXTED");
  ASSERT_NE(saved->linePatterns().find("TEXTED"), nullptr);
  EXPECT_EQ(saved->linePatterns().texts("TEXTED"), nullptr);
  const std::vector<Expected> expected = {onLine(12, 10, 0), onLine(34, 10, 0)};
  for (int i = 1; i < 3; ++i) {
    const auto* text = dynamic_cast<const DXFText*>(saved->entities().at(i));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), "H");
    EXPECT_NEAR(text->x(), expected[i - 1].x, 1e-3);
    EXPECT_NEAR(text->y(), expected[i - 1].y, 1e-3);
    EXPECT_NEAR(text->rotation(), 30.0, 1e-3);
    EXPECT_DOUBLE_EQ(text->height(), 4.0);
    // It looks like its line.
    EXPECT_STREQ(text->layerName(), "0");
    EXPECT_STREQ(text->colourNumber(), "1");
  }
}
