// Tests of the DXF reader: section order, dispatch of type names, result codes, bad input.
#include <string>

#include <gtest/gtest.h>

#include "document/DXFText.h"
#include "DocumentTesting.h"
#include "entities/Linie.h"
#include "entities/Solid.h"
#include "TestSupport.h"

namespace {

using namespace documenttesting;

const std::string kExtents =
    "  9\n$EXTMIN\n 10\n-5.0\n 20\n-6.0\n 30\n0.0\n  9\n$EXTMAX\n 10\n50.0\n 20\n60.0\n"
    " 30\n0.0\n  9\n$LTSCALE\n 40\n2.5\n";

TEST(DxfReaderSections, ReadsHeaderTablesBlocksAndEntities) {
  auto document =
      readOk(dxfFile(line(0, 0, 10, 5, "RED") + insert("B", 1, 1), block("B", line(0, 0, 1, 1)),
                     layerEntry("0", 7) + layerEntry("RED", 1, "DASHED"), kExtents));
  EXPECT_DOUBLE_EQ(document->minX(), -5.0);
  EXPECT_DOUBLE_EQ(document->minY(), -6.0);
  EXPECT_DOUBLE_EQ(document->maxX(), 50.0);
  EXPECT_DOUBLE_EQ(document->maxY(), 60.0);
  EXPECT_DOUBLE_EQ(document->linetypeScale(), 2.5);
  EXPECT_EQ(document->linetypes().count(), 1);
  EXPECT_EQ(document->layers().count(), 2);
  ASSERT_EQ(document->blocks().count(), 1);
  EXPECT_EQ(document->blocks().at(0)->entities().count(), 1);
  ASSERT_EQ(document->entities().count(), 1);
  const DXFGeometrie& entity = *document->entities().at(0);
  EXPECT_STREQ(entity.colour(), "#FF0000");
  EXPECT_EQ(entity.lineStyleCode(), 1);
  EXPECT_EQ(document->inserts().count(), 1);
}

TEST(DxfReaderSections, EveryKindGoesToItsList) {
  const std::string entities =
      line(0, 0, 1, 1) +
      "  0\nCIRCLE\n  8\n0\n 10\n1\n 20\n1\n 40\n2\n  0\nARC\n  8\n0\n 10\n0\n"
      " 20\n0\n 40\n1\n 50\n0\n 51\n90\n  0\nPOINT\n  8\n0\n 10\n1\n 20\n2\n  0\nTEXT\n  8\n0\n"
      "  1\nT\n  0\nMTEXT\n  8\n0\n  1\nM\\Pm\n  0\nSOLID\n  8\n0\n 10\n0\n 20\n0\n  0\nPOLYLINE\n"
      "  8\n0\n 66\n1\n  0\nVERTEX\n  8\n0\n 10\n0\n 20\n0\n  0\nVERTEX\n  8\n0\n 10\n1\n 20\n0\n"
      "  0\nSEQEND\n  8\n0\n  0\nLWPOLYLINE\n  8\n0\n 90\n2\n 10\n0\n 20\n0\n 10\n5\n 20\n5\n"
      "  0\nLEADER\n  8\n0\n 76\n2\n 10\n0\n 20\n0\n 10\n5\n 20\n5\n  0\nDIMENSION\n  8\n0\n"
      "  2\n*D1\n 70\n1\n  1\n<>\n" +
      insert("B", 0, 0);
  auto document = readOk(dxfFile(entities, block("B", "")));
  // The MTEXT gives a text for each of its two lines, the LEADER its arrowhead (a SOLID).
  ASSERT_EQ(document->entities().count(), 9);
  EXPECT_EQ(document->polylines().count(), 3);
  EXPECT_EQ(document->dimensions().count(), 1);
  EXPECT_EQ(document->inserts().count(), 1);
  EXPECT_EQ(static_cast<const DXFText&>(*document->entities().at(5)).text(), "M");
  EXPECT_EQ(static_cast<const DXFText&>(*document->entities().at(6)).text(), "m");
}

TEST(DxfReaderSections, ObjectsTakeTheFirstLayerOfTheirName) {
  const std::string polyline = "  0\nLWPOLYLINE\n  8\nA\n 90\n2\n 10\n0\n 20\n0\n 10\n5\n 20\n0\n";
  auto document =
      readOk(dxfFile(line(0, 0, 1, 1, "A") + polyline + line(0, 0, 1, 1, "NONE"),
                     block("B", line(0, 0, 1, 1, "A")), layerEntry("A", 1) + layerEntry("A", 2)));
  const Layer* first = document->layerAt(0);
  ASSERT_GT(document->entities().count(), 1);
  EXPECT_EQ(document->entities().at(0)->layer(), first);
  ASSERT_GT(document->polylines().count(), 0);
  EXPECT_EQ(document->polylines().at(0)->segmentAt(0)->layer(), first);
  ASSERT_GT(document->blocks().count(), 0);
  EXPECT_EQ(document->blocks().at(0)->entityAt(0)->layer(), first);
  EXPECT_EQ(document->entities().at(1)->layer(), nullptr);
  EXPECT_STREQ(document->entities().at(1)->colour(), "BYLAYER");
}

TEST(DxfReaderSections, UnknownEntitiesArePassedOver) {
  const std::string region = "  0\nREGION\n  8\n0\n 10\n0\n 20\n0\n 11\n5\n 21\n0\n 40\n0.5\n";
  auto document = readOk(dxfFile(region + line(0, 0, 1, 1) + "  0\nOLE2FRAME\n  8\n0\n 10\n1\n"));
  EXPECT_EQ(document->entities().count(), 1);
}

TEST(DxfReaderTypeNames, ValuesThatReadAsTypeNamesStartNothing) {
  // A solid-filled hatch, and a circle and an attribute definition on layers named TEXT
  // and LINE.
  const std::string hatch = "  0\nHATCH\n  8\n0\n  2\nSOLID\n 70\n1\n 10\n0\n 20\n0\n";
  const std::string onTextLayer =
      "  0\nATTDEF\n  8\nTEXT\n 10\n5\n 20\n5\n  1\nvalue\n  0\nCIRCLE\n  8\nLINE\n 10\n1\n"
      " 20\n1\n 40\n3\n";
  auto document = readOk(dxfFile(hatch + onTextLayer, block("B", hatch + line(0, 0, 1, 1))));
  ASSERT_EQ(document->entities().count(), 2);
  EXPECT_STREQ(document->entities().at(0)->typeName(), "HATCH");
  EXPECT_STREQ(document->entities().at(1)->typeName(), "CIRCLE");
  EXPECT_STREQ(document->entities().at(1)->layerName(), "LINE");
  ASSERT_EQ(document->blocks().count(), 1);
  ASSERT_EQ(document->blocks().at(0)->entities().count(), 2);
  EXPECT_STREQ(document->blocks().at(0)->entities().at(1)->typeName(), "LINE");
}

TEST(DxfReaderTypeNames, CodeZeroLineMayBeUnpadded) {
  auto document = readOk(dxfFile("0\nLINE\n  8\n0\n 10\n1\n 20\n2\n 11\n3\n 21\n4\n"));
  ASSERT_EQ(document->entities().count(), 1);
  EXPECT_DOUBLE_EQ(static_cast<const Linie&>(*document->entities().at(0)).x2(), 3.0);
}

TEST(DxfReaderLines, UnpaddedCodesAreRecognised) {
  auto document = readOk(dxfFile("  0\nLINE\n8\nL\n10\n1\n20\n2\n 11\n3\n"));
  ASSERT_EQ(document->entities().count(), 1);
  const auto& entity = static_cast<const Linie&>(*document->entities().at(0));
  EXPECT_STREQ(entity.layerName(), "L");
  EXPECT_DOUBLE_EQ(entity.x1(), 1.0);
  EXPECT_DOUBLE_EQ(entity.x2(), 3.0);
}

TEST(DxfReaderLines, CarriageReturnsReadLikeNewlines) {
  std::string text = dxfFile(line(0, 0, 10, 5), "", layerEntry("0", 7), kExtents);
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  auto a = readOk(text);
  auto b = readOk(crlf);
  EXPECT_EQ(countsOf(*a), countsOf(*b));
  EXPECT_DOUBLE_EQ(b->maxY(), 60.0);
}

TEST(DxfReaderTexts, Release2007TextsAreUtf8) {
  const std::string texts =
      "  0\nTEXT\n  8\n0\n  1\n\xC3\x98"
      "5 \xE2\x88\x85"
      "6\n"
      "  0\nDIMENSION\n  8\n0\n  2\n*D\n  1\n\xC2\xB1"
      "1\n";
  const std::string utf8 = "  9\n$ACADVER\n  1\nAC1027\n";
  auto document = readOk(dxfFile(texts, "", layerEntry("0", 7), utf8));
  ASSERT_GT(document->entities().count(), 0);
  EXPECT_EQ(static_cast<const DXFText&>(*document->entities().at(0)).text(),
            "\xD8"
            "5 \xD8"
            "6");
  ASSERT_GT(document->dimensions().count(), 0);
  EXPECT_EQ(document->dimensions().at(0)->text(),
            "\xB1"
            "1");
  const std::string older = "  9\n$ACADVER\n  1\nAC1018\n";
  auto codePage = readOk(dxfFile(texts, "", layerEntry("0", 7), older));
  ASSERT_GT(codePage->entities().count(), 0);
  EXPECT_EQ(static_cast<const DXFText&>(*codePage->entities().at(0)).text(),
            "\xC3\x98"
            "5 \xE2\x88\x85"
            "6");
}

TEST(DxfReaderResults, MissingOrEmptyFile) {
  testsupport::TempDir dir;
  DXF_Zeichnung missing;
  EXPECT_EQ(missing.readDXF(dir.file("nothing.dxf")), -50);
  testsupport::writeFile(dir.file("empty.dxf"), "");
  DXF_Zeichnung empty;
  EXPECT_EQ(empty.readDXF(dir.file("empty.dxf")), -51);
  int result = 0;
  readText("", &result);
  EXPECT_EQ(result, -51);
}

TEST(DxfReaderResults, FileAndMemoryReadAlike) {
  testsupport::TempDir dir;
  const std::string text =
      dxfFile(line(0, 0, 10, 5) + insert("B", 0, 0), block("B", line(1, 1, 2, 2)));
  testsupport::writeFile(dir.file("a.dxf"), text);
  DXF_Zeichnung fromFile;
  ASSERT_EQ(fromFile.readDXF(dir.file("a.dxf")), 0);
  EXPECT_EQ(countsOf(fromFile), countsOf(*readOk(text)));
}

TEST(DxfReaderResults, DamagedBinaryFileIsRefused) {
  int result = 0;
  auto document = readText(
      std::string("AutoCAD Binary DXF\r\n\x1a\0\0\x02SECTION\0", 30) + std::string(2000, '\x01'),
      &result);
  EXPECT_EQ(result, -57);
  EXPECT_EQ(countsOf(*document), (Counts{0, 0, 0, 0, 0, 0, 0}));
}

TEST(DxfReaderResults, EndOfDataInEachSection) {
  int result = 0;
  readText("  0\nSECTION\n  2\nHEADER\n  9\n$EXTMIN\n 10\n", &result);
  EXPECT_EQ(result, -52);
  // No tables are needed, but the ENTITIES section that was started must end.
  readText("  0\nSECTION\n  2\nHEADER\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n", &result);
  EXPECT_EQ(result, -55);
  const std::string full = dxfFile(line(0, 0, 1, 1));
  readText(full.substr(0, full.find("  0\nENDSEC", full.find("BLOCKS"))), &result);
  EXPECT_EQ(result, -54);
  // Cut before the BLOCKS section: nothing drawn was read yet.
  readText(full.substr(0, full.find("BLOCKS")), &result);
  EXPECT_EQ(result, -55);
  readText(full.substr(0, full.find("ENTITIES")), &result);
  EXPECT_EQ(result, -55);
  const std::string empty = dxfFile("");
  readText(empty.substr(0, empty.find("  0\nENDSEC\n  0\nEOF")), &result);
  EXPECT_EQ(result, -55);
}

TEST(DxfReaderResults, EndOfDataInsideEachObject) {
  const std::string head = dxfFile("@");
  const std::string before = head.substr(0, head.find('@'));
  const std::pair<const char*, int> cases[] = {
      {"LINE", -32},  {"POINT", -31}, {"CIRCLE", -33}, {"ARC", -34},       {"TEXT", -35},
      {"MTEXT", -35}, {"SOLID", -36}, {"INSERT", -37}, {"DIMENSION", -37}, {"LWPOLYLINE", -32},
  };
  for (const auto& [type, code] : cases) {
    int result = 0;
    readText(before + "  0\n" + type + "\n  8\n0\n 10\n1\n", &result);
    EXPECT_EQ(result, code) << type;
  }
  int result = 0;
  const std::string tables = dxfFile("");
  readText(tables.substr(0, tables.find("  0\nENDTAB\n  0\nENDSEC")), &result);
  EXPECT_EQ(result, -38);
  readText(tables.substr(0, tables.find(" 40\n0.0\n")), &result);
  EXPECT_EQ(result, -37);
  const std::string blocks = dxfFile("", block("B", line(0, 0, 1, 1)));
  readText(blocks.substr(0, blocks.find("ENDBLK")), &result);
  EXPECT_EQ(result, -30);
}

TEST(DxfReaderResults, TableOrderAndMissingBlocksAreNoErrors) {
  std::string swapped = dxfFile(line(0, 0, 1, 1));
  const std::size_t ltype = swapped.find("  0\nTABLE\n  2\nLTYPE");
  const std::size_t layer = swapped.find("  0\nTABLE\n  2\nLAYER");
  const std::size_t end = swapped.find("  0\nENDSEC", layer);
  swapped = swapped.substr(0, ltype) + swapped.substr(layer, end - layer) +
            swapped.substr(ltype, layer - ltype) + swapped.substr(end);
  int result = 0;
  auto document = readText(swapped, &result);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(countsOf(*document), (Counts{1, 0, 0, 0, 1, 0, 1}));
  std::string noBlocks = dxfFile(line(0, 0, 1, 1));
  noBlocks.erase(noBlocks.find("  0\nSECTION\n  2\nBLOCKS"),
                 std::string("  0\nSECTION\n  2\nBLOCKS\n  0\nENDSEC\n").size());
  readText(noBlocks, &result);
  EXPECT_EQ(result, 0);
}

TEST(DxfReaderResults, ReadingStopsAtTheFirstEntitiesEnd) {
  std::string text = dxfFile(line(0, 0, 1, 1));
  text += "  0\nSECTION\n  2\nENTITIES\n" + line(5, 5, 6, 6) + "  0\nENDSEC\n";
  EXPECT_EQ(readOk(text)->entities().count(), 1);
}

TEST(DxfReaderBadInput, EveryTruncationEndsWithADocumentedCode) {
  const std::string text = dxfFile(
      line(0, 0, 1, 1) + insert("B", 0, 0) +
          "  0\nTEXT\n  8\n0\n  1\nx\n  0\nLWPOLYLINE\n  8\n0\n"
          " 90\n2\n 10\n0\n 20\n0\n 10\n1\n 20\n1\n  0\nDIMENSION\n  2\nB\n"
          "  0\nELLIPSE\n  8\n0\n 11\n2\n 40\n0.5\n",
      block("B", line(0, 0, 1, 1) + "  0\nPOLYLINE\n  8\n0\n  0\nVERTEX\n 10\n1\n  0\nSEQEND\n"),
      layerEntry("0", 7), kExtents);
  // Cuts up to the end of the ENTITIES section's closing line; with that line whole, only
  // the end mark is missing, which some writers leave out.
  const std::size_t complete = text.find("ENDSEC\n  0\nEOF") + 6;
  int whole = 1;
  readText(text.substr(0, complete), &whole);
  EXPECT_EQ(whole, 0);
  for (std::size_t n = 0; n < complete; ++n) {
    int result = 0;
    readText(text.substr(0, n), &result);
    const bool documented =
        result == 0 || (result <= -30 && result >= -39) || (result <= -50 && result >= -57);
    ASSERT_TRUE(documented) << "cut at " << n << " gives " << result;
    ASSERT_NE(result, 0) << "cut at " << n;
  }
}

TEST(DxfReaderBadInput, GarbageNeverCrashes) {
  std::string noise;
  unsigned state = 12345;
  for (int i = 0; i < 200000; ++i) {
    state = state * 1103515245u + 12345u;
    const char* pieces[] = {"  0\n",   "LINE\n",     "INSERT\n",   "BLOCK\n",   "ENDBLK\n",
                            " 10\n",   "x\n",        "\n",         "SECTION\n", "ENDSEC\n",
                            "LTYPE\n", "LAYER\n",    "ENDTAB\n",   "BLOCKS\n",  "ENTITIES\n",
                            " 90\n",   "99999999\n", "POLYLINE\n", "VERTEX\n",  "{\n",
                            "MTEXT\n", "  3\n",      "\xff\xfe\n"};
    noise += pieces[(state >> 16) % (sizeof pieces / sizeof *pieces)];
  }
  int result = 1;
  auto document = readText(noise, &result);
  EXPECT_LE(result, 0);
}

TEST(DxfReaderExtents, ComputedWhenTheHeaderHasNone) {
  auto document = readOk(dxfFile(line(-2, 3, 10, 4) + insert("B", 100, 0, 2, 90) +
                                     "  0\nDIMENSION\n  8\n0\n  2\nD\n 12\n0\n 22\n-50\n",
                                 block("B", line(0, 0, 5, 1)) + block("D", line(0, 0, 0, 1))));
  EXPECT_NEAR(document->minX(), -2.0, 1e-9);
  EXPECT_NEAR(document->maxX(), 100.0, 1e-9);
  EXPECT_NEAR(document->minY(), -50.0, 1e-9);
  EXPECT_NEAR(document->maxY(), 10.0, 1e-9);
}

// A block line (0, 0)-(10, 10) inserted mirrored in one direction by its 41 or 42 scale.
TEST(DxfReaderExtents, MirroredInsertCountsItsMirroredBlock) {
  struct Case {
    double sx, sy;
    double minX, maxX, minY, maxY;
  };
  for (const Case& c :
       {Case{1, -1, 0, 10, -10, 0}, Case{-1, 1, -10, 0, 0, 10}, Case{-2, -2, -20, 0, -20, 0}}) {
    std::ostringstream insert;
    insert << "  0\nINSERT\n  8\n0\n  2\nB\n 10\n0\n 20\n0\n 41\n"
           << c.sx << "\n 42\n"
           << c.sy << "\n";
    auto document = readOk(dxfFile(insert.str(), block("B", line(0, 0, 10, 10))));
    SCOPED_TRACE(insert.str());
    EXPECT_NEAR(document->minX(), c.minX, 1e-9);
    EXPECT_NEAR(document->maxX(), c.maxX, 1e-9);
    EXPECT_NEAR(document->minY(), c.minY, 1e-9);
    EXPECT_NEAR(document->maxY(), c.maxY, 1e-9);
  }
}

TEST(DxfReaderExtents, SentinelsAndInvertedBoxesAreNotUsed) {
  const std::string sentinels =
      "  9\n$EXTMIN\n 10\n1e+20\n 20\n1e+20\n  9\n$EXTMAX\n 10\n-1e+20\n 20\n-1e+20\n";
  auto document = readOk(dxfFile(line(1, 2, 3, 4), "", layerEntry("0", 7), sentinels));
  EXPECT_DOUBLE_EQ(document->minX(), 1.0);
  EXPECT_DOUBLE_EQ(document->maxY(), 4.0);
  const std::string inverted = "  9\n$EXTMIN\n 10\n10\n 20\n0\n  9\n$EXTMAX\n 10\n0\n 20\n10\n";
  auto second = readOk(dxfFile(line(1, 2, 3, 4), "", layerEntry("0", 7), inverted));
  EXPECT_DOUBLE_EQ(second->minX(), 1.0);
  EXPECT_DOUBLE_EQ(second->maxX(), 3.0);
}

// A text of height 10 at (0, 0) over a line at y = -50: its letters stand above the line.
TEST(DxfReaderExtents, TextsCountByTheirLettersAndSolidsByTheirCorners) {
  auto document = readOk(
      dxfFile("  0\nTEXT\n  8\n0\n 10\n0\n 20\n0\n 40\n10\n  1\nt\n" + line(0, -50, 100, -50) +
              "  0\nSOLID\n  8\n0\n 10\n140\n 20\n-41\n 11\n142\n 21\n-43\n 12\n144\n 22\n-45\n"
              " 13\n146\n 23\n-47\n"));
  EXPECT_GE(document->maxY(), 10.0);
  EXPECT_DOUBLE_EQ(document->minY(), -50.0);
  EXPECT_DOUBLE_EQ(document->maxX(), 146.0);
}

TEST(DxfReaderExtents, NothingDrawnKeepsTheEmptyBox) {
  auto document = readOk(dxfFile(""));
  EXPECT_DOUBLE_EQ(document->minX(), 10000.0);
  EXPECT_DOUBLE_EQ(document->maxX(), 0.0);
}

TEST(DxfReaderExtents, HeaderExtentsWinWhenUsableAndHoldingTheDrawing) {
  auto document = readOk(dxfFile(line(-4, 0, 4, 1), "", layerEntry("0", 7), kExtents));
  EXPECT_DOUBLE_EQ(document->minX(), -5.0);
  auto stale = readOk(dxfFile(line(-500, 0, 500, 1), "", layerEntry("0", 7), kExtents));
  EXPECT_DOUBLE_EQ(stale->minX(), -500.0);
}

}  // namespace
