// One budget of placed copies per pass over a document: fan-outs of nested blocks are cut
// at the budget and say so, nesting beyond the limit is reported, plain drawings are whole.
#include <string>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "document/IndexedDrawing.h"
#include "document/PlacedContent.h"

namespace {

using namespace documenttesting;

// Block B0 holds `leafLines` lines; block Bk inserts B(k-1) `fan` times; the drawing
// inserts the top block `topInserts` times.
std::string nestedBlocks(int levels, int fan, int leafLines = 1, int topInserts = 1) {
  std::string leaf;
  for (int i = 0; i < leafLines; ++i) leaf += line(i, 0, i, 1);
  std::string blocks = block("B0", leaf);
  for (int k = 1; k <= levels; ++k) {
    std::string body;
    for (int i = 0; i < fan; ++i) body += insert("B" + std::to_string(k - 1), i * 2.0, 0);
    blocks += block("B" + std::to_string(k), body);
  }
  std::string top;
  for (int i = 0; i < topInserts; ++i) top += insert("B" + std::to_string(levels), 0, i * 5.0);
  return dxfFile(top, blocks);
}

// Copies the walk hands out for each insert of the document, all under one budget.
long placedUnder(const DXF_Zeichnung& document, PlacementBudget& budget) {
  long placed = 0;
  for (int i = 0; i < document.inserts().count(); ++i) {
    PlacedContent(document.blocks(), PlacedContent::Purpose::Draw, &budget)
        .ofInsert(*document.inserts().at(i), [&](auto) { ++placed; });
  }
  return placed;
}

TEST(PlacementBudget, IsSharedByEveryInsertOfAPass) {
  // Four inserts of a block of 30 lines: 4 x (1 + 30) units wanted, 100 there.
  const auto document = readOk(nestedBlocks(0, 0, 30, 4));
  PlacementBudget budget(100);
  EXPECT_EQ(placedUnder(*document, budget), 100 - 4);  // four blocks entered, 96 copies
  EXPECT_GT(budget.refused(), 0);
  PlacementBudget enough(124);
  EXPECT_EQ(placedUnder(*document, enough), 120);
  EXPECT_EQ(enough.refused(), 0);
}

TEST(PlacementBudget, FanOutOfEmptyBlocksStopsAtTheBudget) {
  // Ten to the eighth blocks entered if nothing stopped the walk.
  const auto document = readOk(nestedBlocks(8, 10, 0));
  PlacementBudget budget(1000);
  EXPECT_EQ(placedUnder(*document, budget), 0);
  EXPECT_GT(budget.refused(), 0);
  EXPECT_LT(budget.refused(), 1000);
}

TEST(PlacementBudget, PaintingAFanOutSaysHowMuchWasCut) {
  const auto document = readOk(nestedBlocks(8, 10, 0));
  testsupport::RecordingDrawingArea area;
  document->drawAll(area, 1.0);
  const PlacementCut& cut = document->lastCut();
  EXPECT_TRUE(cut.cut());
  EXPECT_EQ(cut.limit, PlacementBudget::kDrawFloor);
  EXPECT_DOUBLE_EQ(cut.wanted, 111111111.0);  // 1 + 10 + ... + 10^8 blocks entered
  EXPECT_NE(cut.sentence().find("1.11e+08"), std::string::npos) << cut.sentence();
}

TEST(PlacementBudget, PlainDrawingIsWholeAndSaysNothing) {
  const auto document = readOk(nestedBlocks(2, 20, 5));
  EXPECT_EQ(picture(*document).size(), 20u * 20u * 5u);
  EXPECT_FALSE(document->lastCut().cut());
  EXPECT_EQ(document->lastCut().sentence(), "");
}

TEST(PlacementBudget, GrowsWithTheDrawingSoThatPlainInsertsAreWhole) {
  struct Case {
    bool explode;
    long floor;
  };
  // Inserts of a block of 63 lines want 64 units each (the block entered and its lines),
  // as many as each insert adds to the budget; one more insert than the floor pays for.
  std::string lines;
  for (int i = 0; i < 63; ++i) lines += line(i, 0, i, 1);
  for (const Case& c :
       {Case{false, PlacementBudget::kDrawFloor}, Case{true, PlacementBudget::kExplodeFloor}}) {
    SCOPED_TRACE(c.explode ? "explode" : "paint");
    const long inserts = c.floor / 64 + 1;
    std::string top;
    for (long i = 0; i < inserts; ++i) top += insert("B", 0, 0);
    auto document = readOk(dxfFile(top, block("B", lines)));
    // The inserts, the block and its lines.
    const long units = 64 * (inserts + 1 + 63);
    PlacementCut cut;
    long placed = 0;
    if (c.explode) {
      EXPECT_EQ(PlacementBudget::forExplode(*document).units(), units);
      cut = document->explodeAll();
      placed = document->entities().count();
    } else {
      EXPECT_EQ(PlacementBudget::forDrawing(*document).units(), units);
      testsupport::RecordingDrawingArea area;
      area.setWorld(-200, -200, 200, 200, 400, 400);
      area.containerSize = {400, 400};
      document->drawAll(area, 1.0);
      cut = document->lastCut();
      placed = area.log.count("wc_line");
    }
    EXPECT_FALSE(cut.cut()) << cut.sentence();
    EXPECT_EQ(placed, inserts * 63);
  }
}

struct DepthCase {
  int levels;
  int linesAfterExplode;
  long tooDeep;
};

class ExplodeNesting : public testing::TestWithParam<DepthCase> {};

TEST_P(ExplodeNesting, DeeperThanTheLimitIsLeftOutAndReported) {
  const DepthCase& depth = GetParam();
  auto document = readOk(nestedBlocks(depth.levels, 1));
  const PlacementCut cut = document->explodeAll();
  EXPECT_EQ(document->entities().count(), depth.linesAfterExplode);
  EXPECT_EQ(cut.tooDeep, depth.tooDeep);
  EXPECT_EQ(cut.sentence().find("nested deeper than 64 levels") != std::string::npos,
            depth.tooDeep > 0)
      << cut.sentence();
}

// Blocks B0..Blevels under the drawing's insert: levels + 1 nested blocks.
INSTANTIATE_TEST_SUITE_P(Depths, ExplodeNesting,
                         testing::Values(DepthCase{10, 1, 0}, DepthCase{63, 1, 0},
                                         DepthCase{64, 0, 1}, DepthCase{100, 0, 1}));

TEST(PlacementBudget, ExplodeOfAFanOutStaysWithinItsBudget) {
  auto document = readOk(nestedBlocks(6, 10));
  const PlacementCut cut = document->explodeAll();
  EXPECT_TRUE(cut.cut());
  EXPECT_LE(document->entities().count(), PlacementBudget::kExplodeFloor);
  // Each leaf block entered costs a unit as well as its line.
  EXPECT_GT(document->entities().count(), PlacementBudget::kExplodeFloor / 3);
  EXPECT_EQ(document->blocks().count(), 0);
}

}  // namespace

namespace {

// Paints the document as `bands` bands of one picture that each show the whole drawing, so
// that each band meets every insert, all under the picture's budget of `units`.
PlacementCut cutOfBandedPicture(const DXF_Zeichnung& document, int bands, long units) {
  const IndexedDrawing scene(document);
  PlacementBudget picture(units);
  for (int band = 0; band < bands; ++band) {
    testsupport::RecordingDrawingArea area;
    area.setWorld(-10, -10, 100, 100, 400, 400);
    area.containerSize = {400, 400};
    PaintOptions options;
    options.budget = &picture;
    scene.paint(area, options);
  }
  return cutOf(document, picture);
}

}  // namespace

TEST(PlacementBudget, APictureIsCutOrNotWhateverTheNumberOfItsBands) {
  // 1 + 10 x (1 + 10 x (1 + 1)) = 211 units for the one insert of a two-level fan-out.
  const auto document = readOk(nestedBlocks(2, 10, 1));
  for (const int bands : {1, 4, 60}) {
    EXPECT_FALSE(cutOfBandedPicture(*document, bands, 211).cut()) << bands << " bands";
    const PlacementCut cut = cutOfBandedPicture(*document, bands, 210);
    EXPECT_TRUE(cut.cut()) << bands << " bands";
    EXPECT_GE(cut.refused, bands) << bands << " bands";
  }
}

TEST(PlacementBudget, ACopyWeighsThePiecesItIsDrawnAs) {
  // A solid hatch of a circle (two half-circle arcs) is filled as many triangles.
  const std::string disc =
      "  0\nHATCH\n  8\n0\n 70\n1\n 91\n1\n 92\n1\n 93\n2\n"
      " 72\n2\n 10\n0\n 20\n0\n 40\n5\n 50\n0\n 51\n180\n 73\n1\n"
      " 72\n2\n 10\n0\n 20\n0\n 40\n5\n 50\n180\n 51\n360\n 73\n1\n 97\n0\n 75\n0\n 76\n1\n "
      "98\n0\n";
  std::string top;
  for (int i = 0; i < 10; ++i) top += insert("DISC", i * 20.0, 0);
  const auto document = readOk(dxfFile(top, block("DISC", disc)));
  const DXFGeometrie& hatch = *document->blocks().at(0)->entities().at(0);
  const long cost = hatch.placementCost();
  ASSERT_GT(cost, 10) << "the disc is filled as more than a few triangles";

  // Ten inserts: each enters its block (1) and places the hatch (its cost).
  PlacementBudget enough(10 * (1 + cost));
  EXPECT_EQ(placedUnder(*document, enough), 10);
  EXPECT_EQ(enough.refused(), 0);
  PlacementBudget forFive(5 * (1 + cost));
  EXPECT_EQ(placedUnder(*document, forFive), 5);
  EXPECT_GT(forFive.refused(), 0);
  EXPECT_DOUBLE_EQ(placedCopiesWanted(*document), 10.0 * (1 + cost));
}

TEST(PlacementBudget, ATextCopyWeighsItsLetters) {
  struct Case {
    const char* text;
    long cost;
  };
  const Case cases[] = {{"A", 2}, {"0123456789", 11}};
  for (const Case& c : cases) {
    std::string top;
    for (int i = 0; i < 10; ++i) top += insert("LABEL", i * 20.0, 0);
    const auto document = readOk(dxfFile(
        top, block("LABEL", std::string("  0\nTEXT\n  8\n0\n 10\n0\n 20\n0\n 40\n2\n  1\n") +
                                c.text + "\n")));
    EXPECT_EQ(document->blocks().at(0)->entities().at(0)->placementCost(), c.cost) << c.text;
    // Each insert enters its block (1) and places the text (its cost).
    PlacementBudget forFive(5 * (1 + c.cost));
    EXPECT_EQ(placedUnder(*document, forFive), 5) << c.text;
    EXPECT_GT(forFive.refused(), 0) << c.text;
  }
}

TEST(PlacementBudget, SaysNoCountWhereTheCountMissesCopies) {
  struct Case {
    PlacementCut cut;
    const char* expected;
  };
  const Case cases[] = {
      {{5, 0, 2.5e6, 500000},
       "The drawing was cut: its blocks place 2.5e+06 copies, more than the 500000 this viewer "
       "draws; the rest is left out."},
      // Blocks inserting each other: the count found fewer copies than were refused.
      {{5, 0, 3000.0, 500000},
       "The drawing was cut: its blocks place more copies than the 500000 this viewer draws; "
       "the rest is left out."},
      {{0, 0, 0.0, 500000}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.cut.sentence(), c.expected);
}
