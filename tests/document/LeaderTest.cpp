// Leaders: the path, the hook line under the text and the arrowhead, with the sizes their
// dimension style and their own overrides give, read from small hand-made drawings.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "document/DXF_Insert.h"
#include "document/Polylinie.h"
#include "entities/Linie.h"
#include "entities/Solid.h"

namespace {

using namespace documenttesting;

// Style "S": DIMSCALE 1.5, DIMASZ 2, DIMGAP 0.5, text above the hook line (DIMTAD 1); style
// "DOTTED" leads with the arrow block of record handle 1F, the block "_Dot".
const std::string kTables = layerEntry("0", 7) +
                            "  0\nENDTAB\n  0\nTABLE\n  2\nBLOCK_RECORD\n"
                            "  0\nBLOCK_RECORD\n  5\n1F\n  2\n_Dot\n"
                            "  0\nENDTAB\n  0\nTABLE\n  2\nDIMSTYLE\n"
                            "  0\nDIMSTYLE\n105\n30\n  2\nS\n 40\n1.5\n 41\n2\n147\n0.5\n 77\n1\n"
                            "  0\nDIMSTYLE\n105\n31\n  2\nDOTTED\n 41\n0.5\n341\n1F\n";

const std::string kDotBlock = block("_Dot", line(-0.5, 0, 0.5, 0));

// A leader from (0,0) over (10,10) to (20,10), its text 1.2 high and 8 wide (groups 40
// and 41) with a hook line; `groups` adds to it.
std::string leader(const std::string& style, const std::string& groups = "") {
  return "  0\nLEADER\n  8\n0\n100\nAcDbLeader\n  3\n" + style +
         "\n 71\n1\n 72\n0\n 73\n0\n 74\n0\n 75\n1\n 40\n1.2\n 41\n8\n 76\n3\n"
         " 10\n0\n 20\n0\n 10\n10\n 20\n10\n 10\n20\n 20\n10\n" +
         groups;
}

std::unique_ptr<DXF_Zeichnung> readLeader(const std::string& entities) {
  return readOk(dxfFile(entities, kDotBlock, kTables));
}

template <class T>
const T* onlyOf(const DXF_Zeichnung& document, const char* kind) {
  const T* found = nullptr;
  for (int i = 0; i < document.entities().count(); ++i) {
    if (std::string(document.entities().at(i)->typeName()) != kind) continue;
    EXPECT_EQ(found, nullptr) << "more than one " << kind;
    found = static_cast<const T*>(document.entities().at(i));
  }
  return found;
}

// The closed filled arrow: its tip on the first vertex, `length` long back along the
// first segment (towards (10,10)), a sixth of its length wide on each side.
void expectClosedFilledArrow(const DXF_Zeichnung& document, double length) {
  const Solid* arrow = onlyOf<Solid>(document, "SOLID");
  ASSERT_NE(arrow, nullptr);
  EXPECT_NEAR(arrow->cornerX(0), 0.0, 1e-9);
  EXPECT_NEAR(arrow->cornerY(0), 0.0, 1e-9);
  const double back = length / std::sqrt(2.0);
  const double side = length / 6.0 / std::sqrt(2.0);
  // The two base corners, in either order; a triangle repeats its third as the fourth.
  const auto at = [&](int i, double x, double y) {
    return std::hypot(arrow->cornerX(i) - x, arrow->cornerY(i) - y) < 1e-9;
  };
  EXPECT_TRUE((at(1, back - side, back + side) && at(2, back + side, back - side)) ||
              (at(1, back + side, back - side) && at(2, back - side, back + side)));
  EXPECT_TRUE(at(3, arrow->cornerX(2), arrow->cornerY(2)));
}

}  // namespace

TEST(LeaderPath, TextSizesAreNoWidthsOfThePath) {
  const auto document = readLeader(leader("S"));
  ASSERT_EQ(document->polylines().count(), 1);
  const Polylinie& path = *document->polylines().at(0);
  EXPECT_FALSE(path.isWide());
  ASSERT_EQ(path.vertexCount(), 3);
  EXPECT_DOUBLE_EQ(path.vertexAt(2).x(), 20.0);
  EXPECT_EQ(path.segmentCount(), 2);
  // The vertices are world points: a leader seen from below keeps them where they are.
  const auto mirrored = readLeader(leader("S", "210\n0\n220\n0\n230\n-1\n"));
  EXPECT_DOUBLE_EQ(mirrored->polylines().at(0)->vertexAt(1).x(), 10.0);
}

TEST(LeaderHookLine, RunsUnderTheTextByGapAndWidth) {
  struct Case {
    const char* name;
    std::string groups;
    bool drawn;
    double endX, endY;
  };
  // The gap scales with DIMSCALE: 0.5 * 1.5 + 8 = 8.75 beyond the last vertex.
  const Case cases[] = {
      {"along the horizontal direction", "", true, 28.75, 10},
      {"against it (74 = 1)", " 74\n1\n", true, 11.25, 10},
      {"turned horizontal direction", "211\n0\n221\n2\n", true, 20, 18.75},
      {"no hook line (75 = 0)", " 75\n0\n", false, 0, 0},
      {"no text annotation (73 = 3)", " 73\n3\n", false, 0, 0},
      {"text centred on the hook (DIMTAD 0 by override)",
       "1001\nACAD\n1000\nDSTYLE\n1002\n{\n1070\n77\n1070\n0\n1002\n}\n", false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto document = readLeader(leader("S", c.groups));
    const Linie* hook = onlyOf<Linie>(*document, "LINE");
    if (!c.drawn) {
      EXPECT_EQ(hook, nullptr);
      continue;
    }
    ASSERT_NE(hook, nullptr);
    EXPECT_NEAR(hook->x1(), 20.0, 1e-9);
    EXPECT_NEAR(hook->y1(), 10.0, 1e-9);
    EXPECT_NEAR(hook->x2(), c.endX, 1e-9);
    EXPECT_NEAR(hook->y2(), c.endY, 1e-9);
  }
}

TEST(LeaderArrowhead, ClosedFilledBySizeTimesScale) {
  expectClosedFilledArrow(*readLeader(leader("S")), 3.0);
  // The leader's own DIMASZ wins over its style's.
  expectClosedFilledArrow(
      *readLeader(leader("S", "1001\nACAD\n1000\nDSTYLE\n1002\n{\n1070\n41\n1040\n1\n1002\n}\n")),
      1.5);
  // A style the drawing does not define: the format's defaults, 0.18 long.
  expectClosedFilledArrow(*readLeader(leader("MISSING")), 0.18);
  // Switched off (71 = 0): no arrowhead.
  EXPECT_EQ(onlyOf<Solid>(*readLeader(leader("S", " 71\n0\n")), "SOLID"), nullptr);
}

TEST(LeaderArrowhead, ArrowBlockIsPlacedOnTheTipAlongTheFirstSegment) {
  const auto document = readLeader(leader("DOTTED"));
  EXPECT_EQ(onlyOf<Solid>(*document, "SOLID"), nullptr);
  ASSERT_EQ(document->inserts().count(), 1);
  const DXF_Insert& arrow = *document->inserts().at(0);
  EXPECT_STREQ(arrow.blockName(), "_Dot");
  EXPECT_DOUBLE_EQ(arrow.x(), 0.0);
  EXPECT_DOUBLE_EQ(arrow.y(), 0.0);
  EXPECT_NEAR(arrow.scale(), 0.5, 1e-12);
  // From (10,10) towards the tip at (0,0): 225 degrees (or -135).
  EXPECT_NEAR(std::remainder(arrow.rotation() - 225.0, 360.0), 0.0, 1e-9);
  // Exploded, the block's line lies across the tip: 0.5 long along the first segment.
  auto exploded = readLeader(leader("DOTTED"));
  exploded->explodeAll();
  bool found = false;
  for (int i = 0; i < exploded->entities().count(); ++i) {
    const auto* line = dynamic_cast<const Linie*>(exploded->entities().at(i));
    if (!line) continue;
    const double d = 0.25 / std::sqrt(2.0);
    found = found || (std::hypot(line->x1() - d, line->y1() - d) < 1e-9 &&
                      std::hypot(line->x2() + d, line->y2() + d) < 1e-9);
  }
  EXPECT_TRUE(found);
}

TEST(LeaderInBlock, PlacedWithTheInsertAndExploded) {
  // The leader of style "S" in a block inserted at (100,0): the arrow's tip lands on
  // (100,0), the hook line runs from (120,10) to (128.75,10).
  auto document =
      readOk(dxfFile(insert("L", 100, 0), kDotBlock + block("L", leader("S")), kTables));
  document->explodeAll();
  const Solid* arrow = onlyOf<Solid>(*document, "SOLID");
  ASSERT_NE(arrow, nullptr);
  EXPECT_NEAR(arrow->cornerX(0), 100.0, 1e-9);
  EXPECT_NEAR(arrow->cornerY(0), 0.0, 1e-9);
  bool hook = false;
  for (int i = 0; i < document->entities().count(); ++i) {
    const auto* line = dynamic_cast<const Linie*>(document->entities().at(i));
    hook = hook || (line && std::hypot(line->x1() - 120, line->y1() - 10) < 1e-9 &&
                    std::hypot(line->x2() - 128.75, line->y2() - 10) < 1e-9);
  }
  EXPECT_TRUE(hook);
}
