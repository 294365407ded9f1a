// Tests of the drawing document: lookups, adding and merging, layers, rotation, captions.
#include <cmath>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "document/DXFText.h"
#include "DocumentTesting.h"
#include "entities/Linie.h"

namespace {

using namespace documenttesting;

std::unique_ptr<Linientyp> linetypeNamed(const std::string& name) {
  auto linetype = std::make_unique<Linientyp>();
  auto in = DxfLineReader::fromString("  2\n" + name + "\n  0\n");
  linetype->read(in);
  return linetype;
}

TEST(DocumentState, NewDocumentHasTheEmptyBox) {
  const DXF_Zeichnung document;
  EXPECT_DOUBLE_EQ(document.minX(), 10000.0);
  EXPECT_DOUBLE_EQ(document.maxX(), 0.0);
  EXPECT_DOUBLE_EQ(document.minY(), 10000.0);
  EXPECT_DOUBLE_EQ(document.maxY(), 0.0);
  EXPECT_DOUBLE_EQ(document.linetypeScale(), 1.0);
  EXPECT_EQ(countsOf(document), (Counts{0, 0, 0, 0, 0, 0, 0}));
}

TEST(DocumentState, GrowExtentsOnlyWidens) {
  DXF_Zeichnung document;
  document.growExtents(-1, -2, 3, 4);
  document.growExtents(0, 0, 1, 1);
  EXPECT_DOUBLE_EQ(document.minX(), -1.0);
  EXPECT_DOUBLE_EQ(document.minY(), -2.0);
  EXPECT_DOUBLE_EQ(document.maxX(), 3.0);
  EXPECT_DOUBLE_EQ(document.maxY(), 4.0);
}

TEST(DocumentLookups, LastOfANameWinsAndCaseMatters) {
  auto document = readOk(dxfFile("", block("B", line(0, 0, 1, 1)) + block("B", ""),
                                 layerEntry("A", 1) + layerEntry("a", 2) + layerEntry("A", 3)));
  ASSERT_GT(document->blocks().count(), 1);
  EXPECT_EQ(document->findBlock("B"), document->blocks().at(1));
  EXPECT_EQ(document->findBlock("b"), nullptr);
  EXPECT_EQ(document->findLayer("A"), document->layerAt(2));
  EXPECT_EQ(document->findLayer("a"), document->layerAt(1));
  EXPECT_EQ(document->findLayerByShownName("a"), document->layerAt(1));
  EXPECT_EQ(document->layerAt(3), nullptr);
  EXPECT_EQ(document->layerAt(-1), nullptr);
  EXPECT_NE(document->linetypeAt(0), nullptr);
  EXPECT_EQ(document->linetypeAt(1), nullptr);
}

TEST(DocumentAdding, BlocksAndInserts) {
  DXF_Zeichnung document;
  document.addBlock("_VIEW_7");
  document.addInsert("_VIEW_7", "0", 1, 2, 3, 45, 2);
  document.findBlock("_VIEW_7")->addInsert("INNER", "0", 5, 0, 0, 0, 1);
  ASSERT_EQ(document.inserts().count(), 1);
  const DXF_Insert& insert = *document.inserts().at(0);
  EXPECT_DOUBLE_EQ(insert.z(), 3.0);
  EXPECT_DOUBLE_EQ(insert.rotation(), 45.0);
  EXPECT_EQ(document.findBlock("_VIEW_7")->inserts().count(), 1);
}

TEST(DocumentAdding, DuplicateLinetypesAreDropped) {
  DXF_Zeichnung document;
  EXPECT_EQ(document.addLinetype(linetypeNamed("DASHED")), 0);
  EXPECT_EQ(document.addLinetype(linetypeNamed("DASHED")), 0);
  EXPECT_EQ(document.addLinetype(nullptr), 0);
  EXPECT_EQ(document.addLinetype(linetypeNamed("HIDDEN")), 0);
  EXPECT_EQ(document.linetypes().count(), 2);
}

TEST(DocumentMerging, LayersAndLinetypesByName) {
  auto source = readOk(dxfFile("", "", layerEntry("0", 7) + layerEntry("NEW", 3)));
  auto target = readOk(dxfFile("", "", layerEntry("0", 1)));
  target->mergeLayers(*source);
  target->mergeLinetypes(*source);
  ASSERT_EQ(target->layers().count(), 2);
  EXPECT_STREQ(target->layerAt(0)->colourNumber(), "1");
  EXPECT_STREQ(target->layerAt(1)->name(), "NEW");
  EXPECT_STREQ(target->layerAt(1)->colour(), "#149E0A");
  EXPECT_EQ(target->linetypes().count(), 1);
}

TEST(DocumentMerging, CopyBlockFromTakesNestedBlocksOnce) {
  auto source = readOk(dxfFile("", block("LEAF", line(0, 0, 1, 1)) +
                                       block("ROOT", insert("LEAF", 0, 0) + insert("LEAF", 5, 0) +
                                                         insert("MISSING", 0, 0))));
  DXF_Zeichnung target;
  target.copyBlockFrom(*source, "ROOT");
  target.copyBlockFrom(*source, "NONE");
  ASSERT_EQ(target.blocks().count(), 2);
  EXPECT_STREQ(target.blocks().at(0)->name(), "ROOT");
  EXPECT_STREQ(target.blocks().at(1)->name(), "LEAF");
  target.copyBlockFrom(*source, "LEAF");
  EXPECT_EQ(target.blocks().count(), 3);
}

TEST(DocumentLayers, ApplyLayerReachesBlocksAndLayerlessNamesakesOfAnyCase) {
  auto document =
      readOk(dxfFile(line(0, 0, 1, 1, "A") + line(0, 0, 1, 1, "a") + line(0, 0, 1, 1, "B") +
                         line(0, 0, 1, 1, "b") + insert("BL", 0, 0),
                     block("BL", line(0, 0, 1, 1, "a") + line(0, 0, 1, 1, "A")),
                     layerEntry("A", 1) + layerEntry("a", 2) + layerEntry("B", 3)));
  Layer* a = document->findLayer("a");
  a->setColourNumber("5");
  a->deriveColourAndStyle();
  EXPECT_EQ(document->applyLayer(a, "a"), 1);
  ASSERT_EQ(document->entities().count(), 4);
  // "A" is a layer of its own and keeps its objects.
  EXPECT_STREQ(document->entities().at(0)->colour(), "#FF0000");
  EXPECT_STREQ(document->entities().at(1)->colour(), "#0000FF");
  EXPECT_STREQ(document->entities().at(2)->colour(), "#149E0A");
  const DXF_Block& blockBl = *document->findBlock("BL");
  EXPECT_STREQ(blockBl.entityAt(0)->colour(), "#0000FF");
  EXPECT_STREQ(blockBl.entityAt(1)->colour(), "#FF0000");
  EXPECT_EQ(document->applyLayer(a, "nothing"), 0);
  // "b" has no layer of its own table entry: "B" takes it.
  EXPECT_EQ(document->applyLayer(document->findLayer("B"), "B"), 1);
  EXPECT_STREQ(document->entities().at(3)->layerName(), "B");
  EXPECT_STREQ(document->entities().at(3)->colour(), "#149E0A");
}

TEST(DocumentLayers, ApplyLayerAddsAMissingLinetypeOnlyWhenThereAreSome) {
  auto document = readOk(dxfFile(line(0, 0, 1, 1, "L"), "", layerEntry("L", 1, "DASHED")));
  document->applyLayer(document->findLayer("L"), "L");
  ASSERT_EQ(document->linetypes().count(), 2);
  EXPECT_STREQ(document->linetypeAt(1)->name(), "DASHED");
  EXPECT_STREQ(document->linetypeAt(1)->description(), document->linetypeAt(0)->description());
  document->applyLayer(document->findLayer("L"), "L");
  EXPECT_EQ(document->linetypes().count(), 2);
  std::string bare = dxfFile(line(0, 0, 1, 1, "L"), "", layerEntry("L", 1, "DASHED"));
  const std::size_t from = bare.find("  0\nLTYPE\n  2\nCONTINUOUS");
  bare.erase(from, bare.find("  0\nENDTAB") - from);
  auto without = readOk(bare);
  ASSERT_EQ(without->linetypes().count(), 0);
  EXPECT_EQ(without->applyLayer(without->findLayer("L"), "L"), 1);
  EXPECT_EQ(without->linetypes().count(), 0);
}

TEST(DocumentRotation, EntitiesAndExtentsTurnDimensionsStay) {
  auto document =
      readOk(dxfFile(line(10, 0, 20, 0) + "  0\nDIMENSION\n  8\n0\n  2\n*D1\n 12\n0\n 22\n0\n",
                     block("*D1", line(0, 0, 5, 0)), layerEntry("0", 7),
                     "  9\n$EXTMIN\n 10\n0\n 20\n0\n  9\n$EXTMAX\n 10\n20\n 20\n10\n"));
  document->rotateAll(1.0, 90, 0, 0, 0);
  ASSERT_GT(document->entities().count(), 0);
  const auto& turned = static_cast<const Linie&>(*document->entities().at(0));
  EXPECT_NEAR(turned.x1(), 0.0, 1e-9);
  EXPECT_NEAR(turned.y1(), 10.0, 1e-9);
  EXPECT_NEAR(document->minX(), -10.0, 1e-9);
  EXPECT_NEAR(document->maxX(), 0.0, 1e-9);
  EXPECT_NEAR(document->minY(), 0.0, 1e-9);
  EXPECT_NEAR(document->maxY(), 20.0, 1e-9);
  const auto& dimensionLine = static_cast<const Linie&>(*document->findBlock("*D1")->entityAt(0));
  EXPECT_DOUBLE_EQ(dimensionLine.x2(), 5.0);
}

TEST(DocumentRotation, SharedBlockIsTurnedWithEveryInsert) {
  auto document =
      readOk(dxfFile(insert("B", 10, 0) + insert("B", 0, 10), block("B", line(0, 0, 1, 0))));
  auto expected = readOk(dxfFile(insert("B", 0, 10, 1, 90) + insert("B", -10, 0, 1, 90),
                                 block("B", line(0, 0, 1, 0))));
  document->rotateAll(1.0, 90, 0, 0, 0);
  EXPECT_EQ(picture(*document), picture(*expected));
  document->rotateAll(1.0, -90, 0, 0, 0);
  auto original =
      readOk(dxfFile(insert("B", 10, 0) + insert("B", 0, 10), block("B", line(0, 0, 1, 0))));
  EXPECT_EQ(picture(*document), picture(*original));
}

TEST(DocumentRotation, MirroredInsertTurnsWithTheDrawing) {
  const std::string mirrored = "  0\nINSERT\n  8\n0\n  2\nB\n 10\n5\n 41\n-1\n 42\n1\n 50\n30\n";
  auto document = readOk(dxfFile(mirrored, block("B", line(1, 0, 2, 1))));
  auto exploded = readOk(dxfFile(mirrored, block("B", line(1, 0, 2, 1))));
  exploded->explodeAll();
  document->rotateAll(1.0, 90, 0, 0, 0);
  exploded->rotateAll(1.0, 90, 0, 0, 0);
  EXPECT_EQ(picture(*document), picture(*exploded));
}

// A mirroring scale (negative) places inserts, plain and already mirrored ones, where it
// places the entities of the same drawing exploded.
TEST(DocumentRotation, MirroringScaleMovesInsertsLikeTheirExplodedEntities) {
  const std::string inserts =
      insert("B", 5, 2, 1, 30) +
      "  0\nINSERT\n  8\n0\n  2\nB\n 10\n-4\n 20\n3\n 41\n-1\n 42\n1\n 50\n20\n";
  for (const double scale : {-1.0, -2.0}) {
    for (const double angle : {0.0, 90.0, 30.0}) {
      SCOPED_TRACE(testing::Message() << "scale " << scale << ", angle " << angle);
      auto document = readOk(dxfFile(inserts, block("B", line(1, 0, 2, 1))));
      auto exploded = readOk(dxfFile(inserts, block("B", line(1, 0, 2, 1))));
      exploded->explodeAll();
      document->rotateAll(scale, angle, 3, -1, 0);
      exploded->rotateAll(scale, angle, 3, -1, 0);
      EXPECT_EQ(picture(*document), picture(*exploded));
    }
  }
}

TEST(DocumentRotation, EmptyBoxStaysEmpty) {
  DXF_Zeichnung document;
  document.rotateAll(1.0, 90, 0, 0, 0);
  EXPECT_LT(document.maxX(), document.minX());
}

TEST(DocumentPrinting, CaptionLinesAtTheirCorner) {
  DXF_Zeichnung document;
  document.growExtents(0, 0, 100, 50);
  testsupport::RecordingDeviceContext dc;
  dc.width = 1000;
  dc.height = 1000;
  document.drawPrintCaption(dc, 1.0, "first\nsecond", 4);
  EXPECT_DOUBLE_EQ(document.printMargin(), 0.0);
  const auto texts = dc.log().named("text_out");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "first");
  EXPECT_EQ(texts[1].text, "second");
  // Window (-10, -10) to (110, 60): 1000 / 120 pixels per unit; line 0 at (106, -6).
  const double k = 1000.0 / 120.0;
  EXPECT_DOUBLE_EQ(texts[0].args[0], std::trunc(k * 116.0));
  EXPECT_DOUBLE_EQ(texts[0].args[1], std::trunc(k * 66.0));
  EXPECT_DOUBLE_EQ(texts[1].args[1], std::trunc(k * 64.0));
  EXPECT_DOUBLE_EQ(texts[0].args[4], 700.0);
  dc.log().clear();
  document.drawPrintCaption(dc, 1.0, nullptr, 1);
  document.drawPrintCaption(dc, 1.0, "x", 9);
  EXPECT_EQ(dc.log().count("text_out"), 0);
}

TEST(DocumentPrinting, EverythingIsDrawnOnTheDevice) {
  auto document =
      readOk(dxfFile(line(0, 0, 10, 0) + insert("B", 0, 5) + "  0\nDIMENSION\n  8\n0\n  2\n*D\n",
                     block("B", line(0, 0, 10, 0)) + block("*D", line(0, 9, 10, 9))));
  testsupport::RecordingDeviceContext dc;
  dc.width = 100;
  dc.height = 100;
  EXPECT_EQ(document->drawAllOnDevice(dc, 1.0, 0, 0, 10, 10), 0);
  const auto lines = dc.log().named("line");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].str(), "line 0 100 100 100");
  EXPECT_EQ(lines[1].str(), "line 0 50 100 50");
  EXPECT_EQ(lines[2].str(), "line 0 10 100 10");
}

TEST(DocumentExplode, LeavesOnlyEntitiesLayersAndLinetypes) {
  auto document = readOk(dxfFile(
      insert("B", 0, 0) +
          "  0\nLWPOLYLINE\n  8\n0\n 90\n3\n 10\n0\n 20\n0\n 10\n1\n 20\n0\n"
          " 10\n1\n 20\n1\n  0\nDIMENSION\n  8\n0\n  2\n*D\n  0\nDIMENSION\n  8\n0\n  2\nGONE\n",
      block("B", line(0, 0, 1, 1) + line(1, 1, 2, 2)) + block("*D", line(0, 0, 3, 0))));
  document->explodeAll();
  EXPECT_EQ(countsOf(*document), (Counts{5, 0, 0, 0, 1, 0, 1}));
}

// In the file's order across the lists: what comes later covers what came before.
TEST(DocumentDrawing, ObjectsAreDrawnInTheFilesOrder) {
  auto document = readOk(dxfFile(line(0, 0, 1, 0) + line(0, 0, 2, 0) + insert("B", 0, 0) +
                                     "  0\nPOLYLINE\n  8\n0\n 66\n1\n  0\nVERTEX\n  8\n0\n 10\n0\n"
                                     " 20\n0\n  0\nVERTEX\n  8\n0\n 10\n3\n 20\n0\n  0\nSEQEND\n",
                                 block("B", line(0, 0, 4, 0))));
  testsupport::RecordingDrawingArea area;
  area.setWorld(-10, -10, 10, 10, 100, 100);
  EXPECT_EQ(document->drawAll(area, 1.0), 0);
  const auto lines = area.log.named("wc_line");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_DOUBLE_EQ(lines[0].args[2], 1.0);
  EXPECT_DOUBLE_EQ(lines[1].args[2], 2.0);
  EXPECT_DOUBLE_EQ(lines[2].args[2], 4.0);
  EXPECT_DOUBLE_EQ(lines[3].args[2], 3.0);
}

}  // namespace
