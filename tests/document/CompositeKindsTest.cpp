// Multi-leaders, tables, meshes and multi-lines, read from small hand-made drawings: the
// pieces each is drawn as, with the geometry their groups define.
#include <cmath>
#include <iomanip>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "document/DXFText.h"
#include "document/DXF_Insert.h"
#include "document/Polylinie.h"
#include "document/TextWidths.h"
#include "entities/Linie.h"
#include "entities/Solid.h"

namespace {

using namespace documenttesting;

using Points = std::vector<std::pair<double, double>>;

// Block records: handle 1F is the block "_Dot", 2A the block "Mark".
const std::string kTables = layerEntry("0", 7) +
                            "  0\nENDTAB\n  0\nTABLE\n  2\nBLOCK_RECORD\n"
                            "  0\nBLOCK_RECORD\n  5\n1F\n  2\n_Dot\n"
                            "  0\nBLOCK_RECORD\n  5\n2A\n  2\nMark\n";

const std::string kBlocks = block("_Dot", line(-0.5, 0, 0.5, 0)) + block("Mark", line(0, 0, 1, 1)) +
                            block("*T1", line(0, 0, 10, 0) + line(0, 0, 0, -5));

std::unique_ptr<DXF_Zeichnung> readDrawing(const std::string& entities) {
  return readOk(dxfFile(entities, kBlocks, kTables));
}

Points verticesOf(const Polylinie& polyline) {
  Points points;
  for (int i = 0; i < polyline.vertexCount(); ++i) {
    points.emplace_back(polyline.vertexAt(i).x(), polyline.vertexAt(i).y());
  }
  return points;
}

void expectPoints(const Points& actual, const Points& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(actual[i].first, expected[i].first, 1e-9) << "point " << i;
    EXPECT_NEAR(actual[i].second, expected[i].second, 1e-9) << "point " << i;
  }
}

template <class T>
std::vector<const T*> allOf(const DXF_Zeichnung& document, const char* kind) {
  std::vector<const T*> found;
  for (int i = 0; i < document.entities().count(); ++i) {
    if (std::string(document.entities().at(i)->typeName()) == kind) {
      found.push_back(static_cast<const T*>(document.entities().at(i)));
    }
  }
  return found;
}

// A multi-leader: its text "AB" 2.5 high at (20, 10), one branch ending at (15, 10) with a
// dog-leg 3 long along +x, and one leader line from (0, 0); arrowheads 2 long. `entity`
// adds groups after the context data.
std::string multiLeader(const std::string& content, const std::string& entity) {
  return "  0\nMULTILEADER\n  5\nB1\n100\nAcDbEntity\n  8\n0\n 92\n12\n310\n00FF\n"
         "100\nAcDbMLeader\n300\nCONTEXT_DATA{\n 40\n1.0\n 10\n17\n 20\n10\n 30\n0\n"
         " 41\n2.5\n140\n2.0\n145\n1.0\n" +
         content +
         "302\nLEADER{\n290\n1\n291\n1\n 10\n15\n 20\n10\n 30\n0\n 11\n1\n 21\n0\n 31\n0\n"
         " 90\n0\n 40\n3\n304\nLEADER_LINE{\n 10\n0\n 20\n0\n 30\n0\n 91\n0\n305\n}\n303\n}\n"
         "301\n}\n340\nD8\n" +
         entity;
}

const std::string kTextContent =
    "290\n1\n304\nAB\n 11\n0\n 21\n0\n 31\n1\n340\n11\n 12\n20\n 22\n10\n 32\n0\n"
    " 13\n1\n 23\n0\n 33\n0\n 42\n0\n 43\n0\n 45\n1\n171\n1\n296\n0\n";

TEST(MultiLeaderTest, LeaderLinesFollowTheTypeAndDogLeg) {
  struct Case {
    const char* name;
    std::string entity;
    Points expected;  // the leader polyline; empty: none drawn
  };
  const Case cases[] = {
      {"straight with dog-leg", "170\n1\n291\n1\n", {{0, 0}, {15, 10}, {18, 10}}},
      {"straight without dog-leg", "170\n1\n291\n0\n", {{0, 0}, {18, 10}}},
      {"invisible", "170\n0\n291\n1\n", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto document = readDrawing(multiLeader(kTextContent, c.entity));
    EXPECT_TRUE(document->skippedKinds().empty());
    if (c.expected.empty()) {
      EXPECT_EQ(document->polylines().count(), 0);
      EXPECT_TRUE(allOf<Solid>(*document, "SOLID").empty());
      continue;
    }
    ASSERT_EQ(document->polylines().count(), 1);
    expectPoints(verticesOf(*document->polylines().at(0)), c.expected);
  }
}

TEST(MultiLeaderTest, ClosedArrowheadAtTheLineStartAndTheTextAtItsPlace) {
  auto document = readDrawing(multiLeader(kTextContent, "170\n1\n291\n1\n"));
  // The arrow's tip on (0, 0), 2 long back towards (15, 10).
  const auto arrows = allOf<Solid>(*document, "SOLID");
  ASSERT_EQ(arrows.size(), 1U);
  const double length = std::hypot(15.0, 10.0);
  const double baseX = 2.0 * 15.0 / length;
  const double baseY = 2.0 * 10.0 / length;
  EXPECT_NEAR(arrows[0]->cornerX(0), 0.0, 1e-9);
  EXPECT_NEAR(arrows[0]->cornerY(0), 0.0, 1e-9);
  EXPECT_NEAR((arrows[0]->cornerX(1) + arrows[0]->cornerX(2)) / 2, baseX, 1e-9);
  EXPECT_NEAR((arrows[0]->cornerY(1) + arrows[0]->cornerY(2)) / 2, baseY, 1e-9);
  // Attachment 1 (top left): the text hangs from (20, 10), its capitals 2.5 high.
  const auto texts = allOf<DXFText>(*document, "TEXT");
  ASSERT_EQ(texts.size(), 1U);
  EXPECT_EQ(texts[0]->text(), "AB");
  EXPECT_NEAR(texts[0]->height(), 2.5, 1e-9);
  EXPECT_NEAR(texts[0]->x(), 20.0, 1e-9);
  EXPECT_NEAR(texts[0]->y(), 10.0 - 2.5, 1e-9);
}

TEST(MultiLeaderTest, FramedTextHasItsRectangleTheLandingGapAway) {
  // Group 292 asks for a frame; the text "AB" hangs from (20, 10) (top left), 2.5 high.
  auto document = readDrawing(multiLeader(kTextContent, "170\n0\n292\n1\n"));
  ASSERT_EQ(document->polylines().count(), 1);
  const Polylinie& frame = *document->polylines().at(0);
  EXPECT_TRUE(frame.isClosed());
  const double width = TextWidths::of("AB", 2.5);
  expectPoints(verticesOf(frame),
               {{19, 11}, {21 + width, 11}, {21 + width, 10 - 2.5 - 1}, {19, 10 - 2.5 - 1}});
}

TEST(MultiLeaderTest, ArrowBlockAndBlockContentAreInserts) {
  const std::string blockContent =
      "290\n0\n296\n1\n341\n2A\n 14\n0\n 24\n0\n 34\n1\n 15\n30\n 25\n12\n 35\n0\n"
      " 16\n2\n 26\n3\n 36\n1\n 46\n1.5707963267948966\n 93\n0\n";
  auto document = readDrawing(multiLeader(blockContent, "170\n1\n291\n1\n345\n1F\n"));
  ASSERT_EQ(document->inserts().count(), 2);
  const DXF_Insert* arrow = nullptr;
  const DXF_Insert* content = nullptr;
  for (int i = 0; i < document->inserts().count(); ++i) {
    const DXF_Insert* insert = document->inserts().at(i);
    (std::string(insert->blockName()) == "_Dot" ? arrow : content) = insert;
  }
  ASSERT_NE(arrow, nullptr);
  ASSERT_NE(content, nullptr);
  EXPECT_NEAR(arrow->x(), 0.0, 1e-9);
  EXPECT_NEAR(arrow->scale(), 2.0, 1e-9);
  // Pointing from (15, 10) to the tip.
  EXPECT_NEAR(arrow->rotation(), std::atan2(-10.0, -15.0) * 180 / std::acos(-1.0), 1e-9);
  EXPECT_STREQ(content->blockName(), "Mark");
  EXPECT_NEAR(content->x(), 30.0, 1e-9);
  EXPECT_NEAR(content->y(), 12.0, 1e-9);
  EXPECT_NEAR(content->scale(), 2.0, 1e-9);
  EXPECT_NEAR(content->yStretch(), 1.5, 1e-9);
  EXPECT_NEAR(content->rotation(), 90.0, 1e-9);
  EXPECT_TRUE(allOf<Solid>(*document, "SOLID").empty());
}

TEST(MultiLeaderTest, FileEndingInsideTheRecordIsReported) {
  const std::string text = dxfFile("", kBlocks, kTables);
  const std::string cut =
      text.substr(0, text.find("  0\nENDSEC\n  0\nEOF")) + multiLeader(kTextContent, "170\n1\n");
  int result = 0;
  readText(cut, &result);
  EXPECT_LT(result, 0);
}

TEST(TableTest, DrawnAsItsBlockAtItsInsertionPoint) {
  auto document = readDrawing(
      "  0\nACAD_TABLE\n100\nAcDbEntity\n  8\n0\n100\nAcDbBlockReference\n  2\n*T1\n"
      " 10\n5\n 20\n6\n 30\n0\n100\nAcDbTable\n280\n0\n342\n7E\n343\n1D\n 11\n1\n 21\n0\n"
      " 10\n99\n 20\n99\n 41\n7\n 90\n1\n 91\n1\n");
  EXPECT_TRUE(document->skippedKinds().empty());
  ASSERT_EQ(document->inserts().count(), 1);
  const DXF_Insert& insert = *document->inserts().at(0);
  EXPECT_STREQ(insert.blockName(), "*T1");
  EXPECT_NEAR(insert.x(), 5.0, 1e-9);
  EXPECT_NEAR(insert.y(), 6.0, 1e-9);
  EXPECT_NEAR(insert.scale(), 1.0, 1e-9);
  // The block's lines through the insert count in the extents.
  EXPECT_NEAR(document->maxX(), 15.0, 1e-9);
  EXPECT_NEAR(document->minY(), 1.0, 1e-9);
}

std::set<std::pair<std::pair<double, double>, std::pair<double, double>>> lineSet(
    const DXF_Zeichnung& document) {
  std::set<std::pair<std::pair<double, double>, std::pair<double, double>>> lines;
  for (const Linie* line : allOf<Linie>(document, "LINE")) {
    std::pair<double, double> a{line->x1(), line->y1()};
    std::pair<double, double> b{line->x2(), line->y2()};
    lines.insert(a < b ? std::make_pair(a, b) : std::make_pair(b, a));
  }
  return lines;
}

TEST(MeshTest, EveryFaceEdgeOnce) {
  // Two unit squares side by side, sharing the edge from (1, 0) to (1, 1).
  auto document = readDrawing(
      "  0\nMESH\n100\nAcDbEntity\n  8\n0\n 92\n40\n310\n00\n100\nAcDbSubDMesh\n"
      " 71\n2\n 72\n0\n 91\n0\n 92\n6\n"
      " 10\n0\n 20\n0\n 30\n0\n 10\n1\n 20\n0\n 30\n0\n 10\n1\n 20\n1\n 30\n0\n"
      " 10\n0\n 20\n1\n 30\n0\n 10\n2\n 20\n0\n 30\n0\n 10\n2\n 20\n1\n 30\n0\n"
      " 93\n10\n 90\n4\n 90\n0\n 90\n1\n 90\n2\n 90\n3\n 90\n4\n 90\n1\n 90\n4\n 90\n5\n 90\n2\n"
      " 94\n1\n 90\n0\n 90\n1\n 95\n0\n 90\n0\n");
  EXPECT_TRUE(document->skippedKinds().empty());
  using L = std::pair<std::pair<double, double>, std::pair<double, double>>;
  const std::set<L> expected{{{0, 0}, {1, 0}}, {{1, 0}, {1, 1}}, {{0, 1}, {1, 1}}, {{0, 0}, {0, 1}},
                             {{1, 0}, {2, 0}}, {{2, 0}, {2, 1}}, {{1, 1}, {2, 1}}};
  EXPECT_EQ(lineSet(*document), expected);
}

// A multi-line along (0, 0), (10, 0), (10, 10) whose miters are the unit normals at the
// ends and the bisector at the corner; `elements` holds the element groups of each vertex.
std::string mline(int flags, const std::vector<std::string>& elements) {
  const double r = std::sqrt(0.5);
  const auto of = [&](std::size_t i) { return i < elements.size() ? elements[i] : ""; };
  std::ostringstream out;
  out << std::setprecision(17);
  out << "  0\nMLINE\n100\nAcDbEntity\n  8\n0\n100\nAcDbMline\n  2\nSTANDARD\n340\n18\n"
      << " 40\n2\n 70\n1\n 71\n"
      << flags << "\n 72\n3\n 73\n2\n 10\n0\n 20\n0\n 30\n0\n"
      << " 11\n0\n 21\n0\n 31\n0\n 12\n1\n 22\n0\n 32\n0\n 13\n0\n 23\n1\n 33\n0\n"
      << of(0) << " 11\n10\n 21\n0\n 31\n0\n 12\n0\n 22\n1\n 32\n0\n 13\n"
      << -r << "\n 23\n"
      << r << "\n 33\n0\n"
      << of(1) << " 11\n10\n 21\n10\n 31\n0\n 12\n0\n 22\n1\n 32\n0\n 13\n-1\n 23\n0\n 33\n0\n"
      << of(2);
  return out.str();
}

// The element groups of a vertex: each element's distance along the miter, then one dash.
std::string elementGroups(const std::vector<double>& offsets) {
  std::ostringstream out;
  out << std::setprecision(17);
  for (double offset : offsets) out << " 74\n2\n 41\n" << offset << "\n 41\n0\n 75\n0\n";
  return out.str();
}

TEST(MLineTest, ElementsFollowTheMiters) {
  const double d = std::sqrt(2.0);  // along the corner's miter, 1 from both segments
  const std::string standard[] = {elementGroups({1, -1}), elementGroups({d, -d}),
                                  elementGroups({1, -1})};
  struct Case {
    const char* name;
    int flags;
    std::vector<std::string> elements;
    std::vector<Points> expected;
    bool closed;
  };
  const Case cases[] = {
      {"element parameters",
       1,
       {standard[0], standard[1], standard[2]},
       {{{0, 1}, {9, 1}, {9, 10}}, {{0, -1}, {11, -1}, {11, 10}}},
       false},
      {"closed",
       3,
       {elementGroups({0.5}), elementGroups({0.5 * d}), elementGroups({0.5})},
       {{{0, 0.5}, {9.5, 0.5}, {9.5, 10}}},
       true},
      // No parameters at all: the default style's two lines at +-0.5 times the scale 2.
      {"default style", 1, {}, {{{0, 1}, {9, 1}, {9, 10}}, {{0, -1}, {11, -1}, {11, 10}}}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto document = readDrawing(mline(c.flags, c.elements));
    EXPECT_TRUE(document->skippedKinds().empty());
    ASSERT_EQ(document->polylines().count(), static_cast<int>(c.expected.size()));
    std::vector<Points> actual;
    for (int i = 0; i < document->polylines().count(); ++i) {
      actual.push_back(verticesOf(*document->polylines().at(i)));
      EXPECT_EQ(document->polylines().at(i)->isClosed(), c.closed);
    }
    for (const Points& expected : c.expected) {
      bool matched = false;
      for (const Points& points : actual) {
        bool same = points.size() == expected.size();
        for (std::size_t k = 0; same && k < points.size(); ++k) {
          same = std::fabs(points[k].first - expected[k].first) < 1e-9 &&
                 std::fabs(points[k].second - expected[k].second) < 1e-9;
        }
        matched = matched || same;
      }
      EXPECT_TRUE(matched) << "element starting at " << expected[0].first << ", "
                           << expected[0].second;
    }
  }
}

// Saved as release 12 and read back, each composite draws the same picture.
TEST(CompositeKindsTest, SavedAsPlainKindsDrawTheSame) {
  const std::string records[] = {
      multiLeader(kTextContent, "170\n1\n291\n1\n"),
      mline(1, {}),
      "  0\nACAD_TABLE\n  8\n0\n100\nAcDbBlockReference\n  2\n*T1\n 10\n5\n 20\n6\n"
      "100\nAcDbTable\n",
  };
  for (const std::string& record : records) {
    auto document = readDrawing(record);
    const std::vector<std::string> drawn = picture(*document);
    ASSERT_FALSE(drawn.empty());
    auto readBack = readOk(writtenText(*document));
    EXPECT_EQ(picture(*readBack), drawn) << record.substr(0, 20);
  }
}

// Inside scaled, rotated and mirrored inserts, the pieces of every composite and the
// endless lines draw the same before and after the inserts are exploded.
TEST(CompositeKindsTest, ExplodedInsertsDrawTheSame) {
  const std::string content =
      multiLeader(kTextContent, "170\n1\n291\n1\n") + mline(1, {}) +
      "  0\nMESH\n  8\n0\n100\nAcDbSubDMesh\n 92\n3\n 10\n0\n 20\n0\n 30\n0\n 10\n4\n 20\n0\n"
      " 30\n0\n 10\n0\n 20\n3\n 30\n0\n 93\n4\n 90\n3\n 90\n0\n 90\n1\n 90\n2\n"
      "  0\nRAY\n  8\n0\n 10\n1\n 20\n2\n 30\n0\n 11\n0.6\n 21\n0.8\n 31\n0\n"
      "  0\nXLINE\n  8\n0\n 10\n-1\n 20\n0\n 30\n0\n 11\n1\n 21\n-1\n 31\n0\n";
  const std::string inserts =
      insert("C", 20, 10, 2, 30) +
      "  0\nINSERT\n  8\n0\n  2\nC\n 10\n-30\n 20\n5\n 41\n-1.5\n 42\n1.5\n 50\n-45\n";
  auto document = readOk(dxfFile(inserts, kBlocks + block("C", content), kTables));
  const auto drawn = picture(*document);
  document->explodeAll();
  EXPECT_EQ(document->inserts().count(), 0);
  EXPECT_EQ(picture(*document), drawn);
  // Per insert at least: two leader segments, the arrow, the text, two multi-line
  // elements of two segments, three mesh edges and the two endless lines.
  EXPECT_GE(drawn.size(), 2U * 13U);
}

TEST(WipeoutTest, BoundaryFilledWithTheBackground) {
  // A picture 1 by 1 pixel, one pixel 4 across and 2 up from (10, 20); its rectangle from
  // the top left to the bottom right corner covers the whole picture.
  const std::string wipeout =
      "  0\nWIPEOUT\n100\nAcDbEntity\n  8\n0\n 92\n16\n310\n00\n100\nAcDbWipeout\n 90\n0\n"
      " 10\n10\n 20\n20\n 30\n0\n 11\n4\n 21\n0\n 31\n0\n 12\n0\n 22\n2\n 32\n0\n 13\n1\n 23\n1\n"
      " 70\n7\n280\n1\n 71\n1\n 91\n2\n 14\n-0.5\n 24\n0.5\n 14\n0.5\n 24\n-0.5\n";
  auto document = readDrawing(line(0, 21, 30, 21) + wipeout);
  EXPECT_TRUE(document->skippedKinds().empty());
  const auto fills = allOf<DXFGeometrie>(*document, "HATCH");
  ASSERT_EQ(fills.size(), 1U);
  EXPECT_STREQ(fills[0]->colour(), "#FFFFFF");
  EXPECT_NEAR(fills[0]->minCorner().x(), 10.0, 1e-9);
  EXPECT_NEAR(fills[0]->minCorner().y(), 20.0, 1e-9);
  EXPECT_NEAR(fills[0]->maxCorner().x(), 14.0, 1e-9);
  EXPECT_NEAR(fills[0]->maxCorner().y(), 22.0, 1e-9);
  // Saved as release 12 (solids in colour 255), it still draws white.
  auto readBack = readOk(writtenText(*document));
  EXPECT_EQ(picture(*readBack), picture(*document));
}

TEST(ToleranceTest, TextSizedByItsStyleWithFramesApartAndLinesBroken) {
  const std::string tables = kTables +
                             "  0\nENDTAB\n  0\nTABLE\n  2\nDIMSTYLE\n"
                             "  0\nDIMSTYLE\n105\n30\n  2\nS\n 40\n1.5\n140\n2\n";
  auto document = readOk(
      dxfFile("  0\nTOLERANCE\n100\nAcDbEntity\n  8\n0\n100\nAcDbFcf\n  3\nS\n 10\n4\n 20\n0\n"
              " 30\n0\n  1\nA%%vB^JC\n 11\n1\n 21\n0\n 31\n0\n",
              kBlocks, tables));
  EXPECT_TRUE(document->skippedKinds().empty());
  const auto texts = allOf<DXFText>(*document, "TEXT");
  ASSERT_EQ(texts.size(), 2U);
  // Capitals 2 * 1.5 = 3 high, the first line's centred on the insertion point.
  const DXFText* first = texts[0]->y() > texts[1]->y() ? texts[0] : texts[1];
  const DXFText* second = first == texts[0] ? texts[1] : texts[0];
  EXPECT_EQ(first->text(), "A   B");
  EXPECT_EQ(second->text(), "C");
  EXPECT_NEAR(first->height(), 3.0, 1e-9);
  EXPECT_NEAR(first->x(), 4.0, 1e-9);
  EXPECT_NEAR(first->y(), -1.5, 1e-9);
}

}  // namespace
