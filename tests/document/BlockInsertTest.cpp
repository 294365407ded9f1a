// Tests of blocks and inserts: reading, placement, drawing, explode, nesting and cycles.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "document/PlacedContent.h"
#include "entities/Linie.h"

namespace {

using namespace documenttesting;

DXF_Insert readInsert(const std::string& groups) {
  DXF_Insert insert;
  auto in = DxfLineReader::fromString(groups);
  EXPECT_EQ(insert.read(in), 0);
  return insert;
}

std::string writtenInsert(const DXF_Insert& insert) {
  std::ostringstream out;
  out << std::fixed << std::setprecision(4);
  insert.write(out);
  return out.str();
}

// The one line a document draws, as "x1 y1 x2 y2" rounded to 1e-4.
std::string onlyLine(const DXF_Zeichnung& document) {
  const auto figures = picture(document);
  EXPECT_EQ(figures.size(), 1u);
  return figures.empty() ? "" : figures[0];
}

TEST(InsertReading, ScalesAreReducedToOneSignedScale) {
  const DXF_Insert mirrored = readInsert("  2\nB\n 41\n-2\n 42\n2\n  0\n");
  EXPECT_DOUBLE_EQ(mirrored.scale(), -2.0);
  EXPECT_DOUBLE_EQ(mirrored.rotation(), 180.0);
  const std::string text = writtenInsert(mirrored);
  EXPECT_NE(text.find(" 41\n2.0000\n 42\n-2.0000\n 50\n180.0000\n"), std::string::npos) << text;
  EXPECT_DOUBLE_EQ(readInsert("  2\nB\n 41\n2\n 42\n3\n  0\n").scale(), 2.0);
  const DXF_Insert both = readInsert(" 41\n-2\n 42\n-2\n 50\n10\n  0\n");
  EXPECT_DOUBLE_EQ(both.scale(), 2.0);
  EXPECT_DOUBLE_EQ(both.rotation(), 190.0);
}

TEST(InsertReading, UnusedValuesAreDroppedWithTheirCodes) {
  const DXF_Insert insert = readInsert(
      "  8\nL1\n 62\n     0\n  8\nL2\n  2\nB\n 10\n3\n 41\n2.5\n 42\n2.5\n 50\n45\n"
      "102\n{ACAD\n  0\n");
  EXPECT_STREQ(insert.layerName(), "L1");
  EXPECT_DOUBLE_EQ(insert.x(), 3.0);
  EXPECT_DOUBLE_EQ(insert.scale(), 2.5);
  EXPECT_DOUBLE_EQ(insert.rotation(), 45.0);
}

TEST(InsertReading, BraceGroupsArePassedOver) {
  const DXF_Insert insert = readInsert("{\n  2\nNOT\n}\n  2\nB\n  0\n");
  EXPECT_STREQ(insert.blockName(), "B");
  DXF_Insert open;
  auto in = DxfLineReader::fromString("{\n  2\nB\n");
  EXPECT_EQ(open.read(in), DXF_Insert::kEndOfFile);
}

TEST(InsertPlacement, RotatedMirroredInsertFollowsTheFile) {
  // Mirror in x (41 = -1), then turn by 90 degrees: (1, 0) to (2, 0) lands on (0, -1) to
  // (0, -2).
  const std::string mirroredX = "  0\nINSERT\n  8\n0\n  2\nB\n 41\n-1\n 42\n1\n 50\n90\n";
  auto document = readOk(dxfFile(mirroredX, block("B", line(1, 0, 2, 0))));
  EXPECT_EQ(onlyLine(*document), "wc_line 0.0000 -1.0000 0.0000 -2.0000 ");
  // Mirror in y, then turn by 90 degrees: (0, 1) to (0, 2) lands on (1, 0) to (2, 0).
  const std::string mirroredY = "  0\nINSERT\n  8\n0\n  2\nB\n 41\n1\n 42\n-1\n 50\n90\n";
  document = readOk(dxfFile(mirroredY, block("B", line(0, 1, 0, 2))));
  EXPECT_EQ(onlyLine(*document), "wc_line 1.0000 0.0000 2.0000 0.0000 ");
}

TEST(InsertPlacement, SavedMirroredInsertIsPlacedAlike) {
  const std::string mirroredX = "  0\nINSERT\n  8\n0\n  2\nB\n 41\n-1\n 42\n1\n 50\n30\n";
  auto document = readOk(dxfFile(mirroredX, block("B", line(1, 0, 2, 3))));
  auto again = readOk(writtenText(*document));
  EXPECT_EQ(picture(*again), picture(*document));
}

TEST(InsertPlacement, ScaleAppliesToGeometryAndNestedPositions) {
  auto document =
      readOk(dxfFile(insert("OUTER", 10, 0, 2),
                     block("INNER", line(0, 0, 1, 0)) + block("OUTER", insert("INNER", 5, 0))));
  EXPECT_EQ(onlyLine(*document), "wc_line 20.0000 0.0000 22.0000 0.0000 ");
}

TEST(InsertLookup, DrawingIsExactButExplodeIgnoresCase) {
  auto document = readOk(dxfFile(insert("b", 0, 0), block("B", line(0, 0, 1, 1))));
  EXPECT_TRUE(picture(*document).empty());
  ASSERT_GT(document->inserts().count(), 0);
  EXPECT_EQ(document->inserts().at(0)->findBlock(document->blocks()), DXF_Insert::kBlockNotFound);
  document->explodeAll();
  EXPECT_EQ(document->entities().count(), 1);
}

TEST(InsertLookup, LastBlockOfANameWins) {
  auto document = readOk(
      dxfFile(insert("B", 0, 0), block("B", line(0, 0, 1, 1)) + block("B", line(5, 5, 6, 6))));
  EXPECT_EQ(onlyLine(*document), "wc_line 5.0000 5.0000 6.0000 6.0000 ");
}

TEST(InsertExplode, PictureOfTheExplodedDrawingIsTheSame) {
  const std::string inner =
      line(0, 0, 3, 1) +
      "  0\nARC\n  8\n0\n 10\n1\n 20\n1\n 40\n2\n 50\n10\n 51\n100\n"
      "  0\nCIRCLE\n  8\n0\n 10\n2\n 20\n-1\n 40\n0.5\n  0\nTEXT\n  8\n0\n 10\n1\n 20\n2\n"
      " 40\n3\n  1\nlabel\n  0\nSOLID\n  8\n0\n 10\n0\n 20\n0\n 11\n1\n 21\n0\n 12\n0\n 22\n1\n"
      " 13\n1\n 23\n1\n  0\nLWPOLYLINE\n  8\n0\n 90\n3\n 10\n0\n 20\n0\n 42\n0.4\n 10\n4\n"
      " 20\n0\n 10\n4\n 20\n3\n  0\nPOINT\n  8\n0\n 10\n7\n 20\n7\n";
  const std::string outer = insert("INNER", 10, 5, 1.5, 30) +
                            "  0\nINSERT\n  8\n0\n  2\nINNER\n 10\n-4\n 41\n-1\n 42\n1\n 50\n20\n";
  const std::string entities = insert("OUTER", 20, 10, 2, 45) +
                               "  0\nINSERT\n  8\n0\n  2\nOUTER\n 10\n-50\n 41\n1\n 42\n-0.5\n"
                               " 50\n-60\n" +
                               line(-1, -1, 1, 1);
  auto document = readOk(dxfFile(entities, block("INNER", inner) + block("OUTER", outer)));
  const auto drawn = picture(*document);
  document->explodeAll();
  EXPECT_EQ(document->inserts().count(), 0);
  EXPECT_EQ(document->blocks().count(), 0);
  EXPECT_EQ(document->polylines().count(), 0);
  EXPECT_EQ(picture(*document), drawn);
  EXPECT_GT(drawn.size(), 20u);
}

TEST(InsertExplode, MissingBlockContributesNothing) {
  auto document = readOk(dxfFile(insert("NONE", 0, 0) + line(0, 0, 1, 1)));
  document->explodeAll();
  EXPECT_EQ(document->entities().count(), 1);
  EXPECT_EQ(document->inserts().count(), 0);
}

TEST(InsertLineWeight, ByBlockTakesTheWeightOfTheInsertsAroundIt) {
  struct Case {
    const char* name;
    const char* topBlock;  // B itself, or N, which inserts B
    std::string top;       // the drawing's insert, with its weight
    std::string inner;     // N's insert of B, with its weight
    int weight;            // drawn by B's BYBLOCK line
  };
  // A BYBLOCK insert passes on the weight it takes itself; outside every insert BYBLOCK
  // is the drawing's default.
  const std::string byBlock = "370\n-2\n";
  const Case cases[] = {
      {"insert of 2.00 mm", "B", "370\n200\n", byBlock, 200},
      {"BYBLOCK insert in one of 2.00 mm", "N", "370\n200\n", byBlock, 200},
      {"insert of 0.50 mm in one of 2.00 mm", "N", "370\n200\n", "370\n50\n", 50},
      {"BYBLOCK insert in a BYBLOCK insert", "N", byBlock, byBlock, LineWeight::kDefault},
  };
  for (const Case& c : cases) {
    const auto document = readOk(
        dxfFile(insert(c.topBlock, 0, 0) + c.top,
                block("B", line(0, 0, 1, 0) + byBlock) + block("N", insert("B", 0, 0) + c.inner)));
    std::vector<int> weights;
    PlacedContent(document->blocks(), PlacedContent::Purpose::Draw)
        .ofInsert(*document->inserts().at(0),
                  [&](auto placed) { weights.push_back(placed->drawnLineWeight()); });
    EXPECT_EQ(weights, std::vector<int>{c.weight}) << c.name;
  }
}

TEST(BlockNesting, BlocksThatInsertEachOtherEndEverything) {
  const std::string blocks = block("A", line(0, 0, 1, 0) + insert("B", 10, 0)) +
                             block("B", line(0, 0, 0, 1) + insert("A", 0, 10)) +
                             block("SELF", line(0, 0, 2, 2) + insert("SELF", 1, 1));
  auto document = readOk(dxfFile(insert("A", 0, 0) + insert("SELF", 0, 0), blocks));
  const auto drawn = picture(*document);
  EXPECT_EQ(drawn.size(), 3u);
  DXF_Zeichnung copy;
  copy.copyBlockFrom(*document, "A");
  EXPECT_EQ(copy.blocks().count(), 2);
  Layer layer("NEW");
  EXPECT_EQ(document->applyLayer(&layer, "0"), 1);
  ASSERT_GT(document->blocks().count(), 1);
  ASSERT_GT(document->blocks().at(1)->entities().count(), 0);
  EXPECT_STREQ(document->blocks().at(1)->entities().at(0)->layerName(), "NEW");
  document->rotateAll(1.0, 90, 0, 0, 0);
  document->explodeAll();
  EXPECT_EQ(document->entities().count(), 3);
}

TEST(BlockNesting, DeepNestingStopsAfterSixtyFourLevels) {
  std::string blocks;
  for (int i = 0; i < 100; ++i) {
    blocks += block("N" + std::to_string(i),
                    line(0, 0, 1, 0) + insert("N" + std::to_string(i + 1), 0, 1));
  }
  auto document = readOk(dxfFile(insert("N0", 0, 0), blocks));
  EXPECT_EQ(picture(*document).size(), 64u);
  document->explodeAll();
  EXPECT_EQ(document->entities().count(), 64);
}

TEST(BlockDimensions, DimensionsInBlocksAreDrawnAndWritten) {
  const std::string dimension = "  0\nDIMENSION\n  8\n0\n  2\n*D1\n 70\n32\n  1\n<>\n";
  auto document = readOk(
      dxfFile(insert("PART", 100, 0), block("*D1", line(0, 0, 5, 0)) + block("PART", dimension)));
  EXPECT_EQ(onlyLine(*document), "wc_line 100.0000 0.0000 105.0000 0.0000 ");
  auto again = readOk(writtenText(*document));
  const DXF_Block* part = again->findBlock("PART");
  ASSERT_NE(part, nullptr);
  EXPECT_EQ(part->dimensions().count(), 1);
  EXPECT_EQ(picture(*again), picture(*document));
}

TEST(BlockDimensions, TopLevelDimensionDrawsItsBlockAtPoint12) {
  auto document = readOk(dxfFile("  0\nDIMENSION\n  8\n0\n  2\n*D2\n 12\n3\n 22\n4\n",
                                 block("*D2", line(0, 0, 1, 0))));
  EXPECT_EQ(onlyLine(*document), "wc_line 3.0000 4.0000 4.0000 4.0000 ");
  document->explodeAll();
  ASSERT_EQ(document->entities().count(), 1);
  EXPECT_DOUBLE_EQ(static_cast<const Linie&>(*document->entities().at(0)).x1(), 0.0);
}

TEST(BlockCopy, CopyKeepsTheOrderOfItsObjects) {
  auto document = readOk(dxfFile(
      "", block("B", line(1, 0, 1, 1) + line(2, 0, 2, 2) + insert("X", 0, 0) + insert("Y", 0, 0))));
  ASSERT_GT(document->blocks().count(), 0);
  const DXF_Block copy(*document->blocks().at(0));
  EXPECT_STREQ(copy.name(), "B");
  ASSERT_EQ(copy.entities().count(), 2);
  EXPECT_DOUBLE_EQ(static_cast<const Linie&>(*copy.entityAt(0)).x1(), 1.0);
  EXPECT_STREQ(copy.insertAt(0)->blockName(), "X");
  EXPECT_EQ(copy.drawOrder().kinds(), document->blocks().at(0)->drawOrder().kinds());
}

TEST(BlockReading, FlagsComeOnlyFromTheBlockHead) {
  const std::string attdef = "  0\nATTDEF\n  8\n0\n 70\n8\n  2\nTAG\n";
  std::string text = dxfFile(
      "", "  0\nBLOCK\n  8\n0\n  2\n*U1\n 70\n1\n" + attdef + line(0, 0, 1, 1) + "  0\nENDBLK\n");
  auto document = readOk(text);
  ASSERT_EQ(document->blocks().count(), 1);
  EXPECT_EQ(document->blocks().at(0)->flags(), 1);
  EXPECT_EQ(document->blocks().at(0)->entities().count(), 1);
}

TEST(BlockLayers, RelayerGivesLayerZeroObjectsTheInsertLayer) {
  auto document = readOk(dxfFile(insert("B", 0, 0, 1, 0, "RED"),
                                 block("B", line(0, 0, 1, 1) + line(0, 0, 2, 2, "KEEP")),
                                 layerEntry("0", 7) + layerEntry("RED", 1)));
  ASSERT_GT(document->blocks().count(), 0);
  const DXF_Block& b = *document->blocks().at(0);
  ASSERT_GT(document->inserts().count(), 0);
  EXPECT_EQ(document->inserts().at(0)->relayer(document->blocks(), document->layers()), 1);
  EXPECT_STREQ(b.entityAt(0)->layerName(), "RED");
  EXPECT_STREQ(b.entityAt(0)->colour(), "#FF0000");
  EXPECT_STREQ(b.entityAt(1)->layerName(), "KEEP");
}

}  // namespace
