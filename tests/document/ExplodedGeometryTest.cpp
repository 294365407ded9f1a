// What exploding keeps of a drawing's geometry: the lines, arcs and text anchors the file
// defines must still be there, as plain entities, after `explodeAll`.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "document/DXFText.h"
#include "entities/Kreisbogen.h"
#include "entities/Linie.h"

namespace {

using namespace documenttesting;

std::vector<const DXFGeometrie*> ofKind(const DXF_Zeichnung& document, const std::string& kind) {
  std::vector<const DXFGeometrie*> found;
  for (int i = 0; i < document.entities().count(); ++i) {
    const DXFGeometrie* entity = document.entities().at(i);
    if (kind == entity->typeName()) found.push_back(entity);
  }
  return found;
}

bool hasLine(const DXF_Zeichnung& document, double x1, double y1, double x2, double y2) {
  for (const DXFGeometrie* entity : ofKind(document, "LINE")) {
    const auto& line = static_cast<const Linie&>(*entity);
    const bool forwards = std::hypot(line.x1() - x1, line.y1() - y1) < 1e-9 &&
                          std::hypot(line.x2() - x2, line.y2() - y2) < 1e-9;
    const bool backwards = std::hypot(line.x1() - x2, line.y1() - y2) < 1e-9 &&
                           std::hypot(line.x2() - x1, line.y2() - y1) < 1e-9;
    if (forwards || backwards) return true;
  }
  return false;
}

}  // namespace

TEST(ExplodedWidePolylines, KeepTheirCentreSegmentsBesideTheBands) {
  // Constant width 2 (group 43); the first vertex's bulge 1 makes a half circle from (0,0)
  // to (10,0), counter-clockwise, so round below the chord: centre (5,0), radius 5,
  // through (5,-5). Then a straight segment up to (10,10).
  const std::string wide =
      "  0\nLWPOLYLINE\n  8\n0\n 90\n3\n 70\n0\n 43\n2\n"
      " 10\n0\n 20\n0\n 42\n1\n 10\n10\n 20\n0\n 10\n10\n 20\n10\n";
  auto document = readOk(dxfFile(wide));
  document->explodeAll();
  EXPECT_EQ(document->polylines().count(), 0);
  EXPECT_FALSE(ofKind(*document, "SOLID").empty());  // the bands are still filled
  EXPECT_TRUE(hasLine(*document, 10, 0, 10, 10));
  const auto arcs = ofKind(*document, "ARC");
  ASSERT_EQ(arcs.size(), 1u);
  const auto& arc = static_cast<const Kreisbogen&>(*arcs[0]);
  EXPECT_NEAR(arc.cx(), 5.0, 1e-9);
  EXPECT_NEAR(arc.cy(), 0.0, 1e-9);
  EXPECT_NEAR(arc.r(), 5.0, 1e-9);
  // Counter-clockwise from start to end angle, half a turn, its middle at (5,-5).
  const double sweep =
      std::remainder(arc.endAngle() - arc.startAngle() - std::numbers::pi, 2 * std::numbers::pi);
  EXPECT_NEAR(sweep, 0.0, 1e-9);
  const double middle = arc.startAngle() + std::numbers::pi / 2;
  EXPECT_NEAR(arc.cx() + arc.r() * std::cos(middle), 5.0, 1e-9);
  EXPECT_NEAR(arc.cy() + arc.r() * std::sin(middle), -5.0, 1e-9);
}

TEST(ExplodedTexts, MiddleTextKeepsItsAnchorThroughAMirroredInsert) {
  // A middle-left text (73 = 2) anchored at (2,3) in a block, inserted at (10,10) with x
  // scale -1: its anchor lands at (10 - 2, 10 + 3), and it stays a middle text there.
  const std::string body =
      "  0\nTEXT\n  8\n0\n 10\n2\n 20\n3\n 40\n1\n  1\nM\n 72\n0\n 73\n2\n 11\n2\n 21\n3\n";
  auto document = readOk(dxfFile("  0\nINSERT\n  8\n0\n  2\nB\n 10\n10\n 20\n10\n 41\n-1\n 42\n1\n",
                                 block("B", body)));
  document->explodeAll();
  const auto texts = ofKind(*document, "TEXT");
  ASSERT_EQ(texts.size(), 1u);
  const auto& text = static_cast<const DXFText&>(*texts[0]);
  EXPECT_EQ(text.vAlign(), DXFText::kVAlignMiddle);
  EXPECT_NEAR(text.x2(), 8.0, 1e-9);
  EXPECT_NEAR(text.y2(), 13.0, 1e-9);
}
