// The reader on DXF files as other programs write them: code padding, sections in any order
// or missing, binary files, stale extents, block base points, object coordinate systems,
// MTEXT tails, frozen layers, paper space, layer 0 and BYBLOCK in blocks, skipped kinds.
#include <algorithm>
#include <numbers>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "TestSupport.h"
#include "document/DXFText.h"
#include "document/DxfReader.h"
#include "document/InsertCycles.h"
#include "document/PlacedContent.h"
#include "dxf/BinaryDxf.h"
#include "entities/Kreis.h"
#include "entities/Kreisbogen.h"
#include "entities/Linie.h"

namespace {

using namespace documenttesting;

const Linie& lineAt(const DXF_Zeichnung& document, int i) {
  return static_cast<const Linie&>(*document.entities().at(i));
}

// An ENTITIES section alone, as small exporters write it.
std::string entitiesOnly(const std::string& records) {
  return "  0\nSECTION\n  2\nENTITIES\n" + records + "  0\nENDSEC\n  0\nEOF\n";
}

// The copies an insert puts on the drawing when drawn.
std::vector<std::unique_ptr<DXFGeometrie>> drawnContent(const DXF_Zeichnung& document,
                                                        int insert = 0) {
  std::vector<std::unique_ptr<DXFGeometrie>> placed;
  PlacedContent(document.blocks(), PlacedContent::Purpose::Draw)
      .ofInsert(*document.inserts().at(insert),
                [&](std::unique_ptr<DXFGeometrie> copy) { placed.push_back(std::move(copy)); });
  return placed;
}

// ---- code lines

TEST(ReaderCodeLines, CodesReadWithAnyBlanksAroundThem) {
  for (const char* pad : {"", " ", "  ", "   "}) {
    const std::string p = pad;
    const std::string record = p + "0\nLINE\n" + p + "8\nL\n" + p + "10\n1\n" + p + "20\n2\n" + p +
                               "11 \n3\n" + p + "21\n4\n";
    auto document = readOk(dxfFile(record));
    ASSERT_EQ(document->entities().count(), 1) << "pad '" << p << "'";
    EXPECT_STREQ(lineAt(*document, 0).layerName(), "L");
    EXPECT_DOUBLE_EQ(lineAt(*document, 0).x1(), 1.0);
    EXPECT_DOUBLE_EQ(lineAt(*document, 0).y2(), 4.0);
  }
}

TEST(ReaderCodeLines, AValueNeverStartsARecord) {
  // Text values "0" and "LINE", a layer named "0" before a value "SOLID".
  auto document = readOk(
      entitiesOnly("0\nTEXT\n8\n0\n1\n0\n10\n5\n20\n6\n0\nTEXT\n8\nLINE\n1\nLINE\n10\n7\n20\n8\n"
                   "0\nHATCH\n8\n0\n2\nSOLID\n70\n1\n"));
  ASSERT_EQ(document->entities().count(), 3);
  EXPECT_STREQ(document->entities().at(2)->typeName(), "HATCH");
  const auto& first = static_cast<const DXFText&>(*document->entities().at(0));
  EXPECT_EQ(first.text(), "0");
  EXPECT_DOUBLE_EQ(first.x(), 5.0);
  EXPECT_EQ(static_cast<const DXFText&>(*document->entities().at(1)).text(), "LINE");
}

TEST(ReaderCodeLines, HeaderValuesReadFromUnpaddedCodes) {
  auto document = readOk(
      "0\nSECTION\n2\nHEADER\n9\n$EXTMIN\n10\n-1\n20\n-2\n9\n$EXTMAX\n10\n30\n20\n40\n"
      "9\n$LTSCALE\n40\n2.5\n0\nENDSEC\n" +
      entitiesOnly(line(0, 0, 10, 10)));
  EXPECT_DOUBLE_EQ(document->minX(), -1.0);
  EXPECT_DOUBLE_EQ(document->maxY(), 40.0);
  EXPECT_DOUBLE_EQ(document->linetypeScale(), 2.5);
}

// ---- sections

TEST(ReaderSections, EntitiesOnlyFileGetsLayerZeroAndTheNamedLayers) {
  auto document = readOk(entitiesOnly(line(0, 0, 1, 1, "WALLS") + line(1, 1, 2, 2)));
  ASSERT_EQ(document->layers().count(), 2);
  EXPECT_STREQ(document->layers().at(0)->name(), "0");
  EXPECT_STREQ(document->layers().at(0)->colourNumber(), "7");
  EXPECT_STREQ(document->layers().at(0)->linetypeName(), "CONTINUOUS");
  EXPECT_STREQ(document->layers().at(1)->name(), "WALLS");
  EXPECT_EQ(lineAt(*document, 0).layer(), document->layers().at(1));
  EXPECT_EQ(lineAt(*document, 1).layer(), document->layers().at(0));
}

TEST(ReaderSections, SectionsAndTablesInAnyOrder) {
  const std::string full =
      dxfFile(line(0, 0, 1, 1, "RED"), block("B", line(0, 0, 2, 2)), layerEntry("RED", 1));
  const auto cut = [&](const std::string& from, const std::string& to) {
    const std::size_t start = full.find(from);
    return full.substr(start, full.find(to, start) - start);
  };
  const std::string header = cut("  0\nSECTION\n  2\nHEADER", "  0\nSECTION\n  2\nTABLES");
  const std::string ltype = cut("  0\nTABLE\n  2\nLTYPE", "  0\nTABLE\n  2\nLAYER");
  const std::string layer = cut("  0\nTABLE\n  2\nLAYER", "  0\nENDSEC");
  const std::string blocks = cut("  0\nSECTION\n  2\nBLOCKS", "  0\nSECTION\n  2\nENTITIES");
  const std::string entities = cut("  0\nSECTION\n  2\nENTITIES", "  0\nEOF");
  const std::string tables = "  0\nSECTION\n  2\nTABLES\n" + layer + ltype + "  0\nENDSEC\n";
  auto document = readOk(entities +
                         "  0\nSECTION\n  2\nOBJECTS\n  0\nDICTIONARY\n  5\nC\n"
                         "  0\nENDSEC\n" +
                         blocks + tables + header + "  0\nEOF\n");
  EXPECT_EQ(countsOf(*document), (Counts{1, 1, 0, 0, 1, 0, 1}));
  // The table came after the line, which still takes its layer's colour.
  EXPECT_STREQ(lineAt(*document, 0).colour(), "#FF0000");
}

TEST(ReaderSections, EveryEntitiesSectionIsRead) {
  auto document = readOk("  0\nSECTION\n  2\nENTITIES\n" + line(0, 0, 1, 1) + "  0\nENDSEC\n" +
                         entitiesOnly(line(2, 2, 3, 3)));
  EXPECT_EQ(document->entities().count(), 2);
}

TEST(ReaderSections, ResultCodesOfDamagedFiles) {
  struct Case {
    std::string text;
    int code;
  };
  const std::string complete = dxfFile(line(0, 0, 1, 1), block("B", line(0, 0, 1, 1)));
  const std::vector<Case> cases = {
      {"This is a letter, not a drawing.\n", DxfReader::kNotDxf},
      {complete.substr(0, complete.find("  0\nENDSEC")), DxfReader::kEndInHeader},
      {complete.substr(0, complete.find("  0\nENDTAB", complete.find("  2\nLAYER"))), -38},
      {complete.substr(0, complete.find("  0\nENDSEC", complete.find("BLOCKS"))), -54},
      {complete.substr(0, complete.find("ENDSEC\n  0\nEOF")), DxfReader::kEndInEntities},
      // Cut between sections, before any drawing objects.
      {complete.substr(0, complete.find("  0\nSECTION\n  2\nBLOCKS")), DxfReader::kEndInEntities},
      // Only the end mark is missing.
      {complete.substr(0, complete.find("  0\nEOF")), 0},
      {std::string(BinaryDxf::kSentinel) + "garbage", DxfReader::kUnreadableBinary},
  };
  for (const Case& c : cases) {
    int result = 1;
    readText(c.text, &result);
    EXPECT_EQ(result, c.code) << c.text.substr(c.text.size() > 60 ? c.text.size() - 60 : 0);
  }
}

// ---- binary files

// Binary DXF bytes of a header with $ACADVER and one LINE, with one-byte codes (before
// release 13) or two-byte codes.
std::string binaryLine(bool wideCodes) {
  std::string bytes(BinaryDxf::kSentinel);
  const auto code = [&](int value) {
    bytes += static_cast<char>(value & 0xFF);
    if (wideCodes) bytes += static_cast<char>((value >> 8) & 0xFF);
  };
  const auto text = [&](int c, const std::string& value) {
    code(c);
    bytes += value;
    bytes += '\0';
  };
  const auto real = [&](int c, double value) {
    code(c);
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i) bytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
  };
  text(0, "SECTION");
  text(2, "HEADER");
  text(9, "$ACADVER");
  text(1, wideCodes ? "AC1015" : "AC1009");
  text(0, "ENDSEC");
  text(0, "SECTION");
  text(2, "ENTITIES");
  text(0, "LINE");
  text(8, "EDGE");
  code(62);
  bytes += '\x03';
  bytes += '\0';
  real(10, 1.5);
  real(20, -2.25);
  real(11, 100.0);
  real(21, 1e-3);
  text(0, "ENDSEC");
  text(0, "EOF");
  return bytes;
}

TEST(ReaderBinary, OneAndTwoByteGroupCodes) {
  for (bool wide : {false, true}) {
    auto document = readOk(binaryLine(wide));
    ASSERT_EQ(document->entities().count(), 1) << wide;
    const Linie& read = lineAt(*document, 0);
    EXPECT_STREQ(read.layerName(), "EDGE");
    EXPECT_STREQ(read.colourNumber(), "3");
    EXPECT_DOUBLE_EQ(read.x1(), 1.5);
    EXPECT_DOUBLE_EQ(read.y1(), -2.25);
    EXPECT_DOUBLE_EQ(read.x2(), 100.0);
    EXPECT_DOUBLE_EQ(read.y2(), 1e-3);
  }
}

TEST(ReaderBinary, CutBinaryFileIsRefused) {
  const std::string bytes = binaryLine(true);
  int result = 0;
  for (std::size_t keep :
       {bytes.size() - 20, BinaryDxf::kSentinel.size(), BinaryDxf::kSentinel.size() + 3}) {
    readText(bytes.substr(0, keep), &result);
    EXPECT_EQ(result, DxfReader::kUnreadableBinary) << keep;
  }
}

TEST(ReaderBinary, SampleReadsLikeItsAsciiTwin) {
  DXF_Zeichnung binary;
  ASSERT_EQ(binary.readDXF(testsupport::dataPath("bin_dxf_r12.dxf")), 0);
  EXPECT_GT(binary.entities().count() + binary.polylines().count() + binary.inserts().count(), 0);
  EXPECT_GT(binary.layers().count(), 0);
}

// ---- extents

TEST(ReaderExtents, HeaderExtentsUsedOnlyWhenPlausibleAndHoldingTheDrawing) {
  const auto extents = [](double x1, double y1, double x2, double y2) {
    std::ostringstream out;
    out << "  9\n$EXTMIN\n 10\n"
        << x1 << "\n 20\n"
        << y1 << "\n  9\n$EXTMAX\n 10\n"
        << x2 << "\n 20\n"
        << y2 << "\n";
    return out.str();
  };
  struct Case {
    std::string header;
    double minX, maxX;
  };
  const std::vector<Case> cases = {
      {extents(-10, -10, 50, 50), -10, 50},  // holds the drawing: kept
      {extents(0, 0, 5, 5), 1, 30},          // stale: a quarter of the drawing
      {extents(3, 3, 3, 3), 1, 30},          // a single point
      {extents(1, 2, 1e20, 1e20), 1, 30},    // sentinels
      {extents(40, 0, 0, 40), 1, 30},        // inverted
  };
  for (const Case& c : cases) {
    auto document = readOk(dxfFile(line(1, 2, 30, 20), "", layerEntry("0", 7), c.header));
    EXPECT_DOUBLE_EQ(document->minX(), c.minX) << c.header;
    EXPECT_DOUBLE_EQ(document->maxX(), c.maxX) << c.header;
  }
}

// ---- blocks

TEST(ReaderBlocks, BasePointLandsOnTheInsertionPoint) {
  const std::string based = "  0\nBLOCK\n  8\n0\n  2\nB\n 70\n0\n 10\n10\n 20\n5\n 30\n0\n" +
                            line(10, 5, 12, 5) + "  0\nENDBLK\n";
  auto document = readOk(dxfFile(insert("B", 100, 0, 2, 90), based));
  const auto placed = drawnContent(*document);
  ASSERT_EQ(placed.size(), 1u);
  const auto& copy = static_cast<const Linie&>(*placed[0]);
  EXPECT_NEAR(copy.x1(), 100.0, 1e-9);
  EXPECT_NEAR(copy.y1(), 0.0, 1e-9);
  EXPECT_NEAR(copy.x2(), 100.0, 1e-9);
  EXPECT_NEAR(copy.y2(), 4.0, 1e-9);
}

TEST(ReaderBlocks, LayerZeroAndByblockTakeTheInsertsLayerAndColour) {
  const std::string body =
      line(0, 0, 1, 0) +                                               // layer 0, BYLAYER
      "  0\nLINE\n  8\n0\n 62\n0\n 10\n0\n 20\n1\n 11\n1\n 21\n1\n" +  // BYBLOCK
      "  0\nLINE\n  8\nOWN\n 62\n5\n 10\n0\n 20\n2\n 11\n1\n 21\n2\n";
  const std::string redInsert = insert("B", 0, 0, 1, 0, "RED");
  const std::string greenInsert = "  0\nINSERT\n  8\nRED\n 62\n3\n  2\nB\n 10\n5\n 20\n0\n";
  auto document = readOk(dxfFile(redInsert + greenInsert, block("B", body),
                                 layerEntry("0", 7) + layerEntry("RED", 1) + layerEntry("OWN", 7)));
  const auto red = drawnContent(*document, 0);
  ASSERT_EQ(red.size(), 3u);
  std::vector<std::string> colours;
  for (const auto& copy : red)
    colours.push_back(std::string(copy->layerName()) + " " + copy->colour());
  std::sort(colours.begin(), colours.end());
  EXPECT_EQ(colours, (std::vector<std::string>{"OWN #0000FF", "RED #FF0000", "RED #FF0000"}));
  const auto green = drawnContent(*document, 1);
  colours.clear();
  for (const auto& copy : green) colours.push_back(copy->colour());
  std::sort(colours.begin(), colours.end());
  // BYBLOCK takes the insert's own colour 3; BYLAYER the layer's red.
  EXPECT_EQ(colours, (std::vector<std::string>{"#0000FF", "#149E0A", "#FF0000"}));
}

// ---- object coordinate systems

TEST(ReaderCoordinateSystems, DownwardExtrusionMirrorsInX) {
  const std::string down = "210\n0\n220\n0\n230\n-1\n";
  auto document = readOk(entitiesOnly(
      "  0\nARC\n  8\n0\n 10\n5\n 20\n1\n 40\n2\n 50\n0\n 51\n90\n" + down +
      "  0\nCIRCLE\n  8\n0\n 10\n7\n 20\n3\n 40\n1\n" + down +
      "  0\nTEXT\n  8\n0\n 10\n4\n 20\n2\n 40\n1\n  1\nt\n 50\n30\n" + down +
      "  0\nLWPOLYLINE\n  8\n0\n 90\n2\n 70\n0\n 10\n1\n 20\n0\n 42\n1\n 10\n3\n 20\n0\n" + down));
  ASSERT_EQ(document->entities().count(), 3);
  const auto& arc = static_cast<const Kreisbogen&>(*document->entities().at(0));
  EXPECT_NEAR(arc.cx(), -5.0, 1e-12);
  EXPECT_NEAR(arc.cy(), 1.0, 1e-12);
  // The quarter from 0 to 90 degrees seen from below runs from 90 to 180 degrees.
  EXPECT_NEAR(arc.startAngle(), std::numbers::pi / 2, 1e-12);
  EXPECT_NEAR(arc.endAngle(), std::numbers::pi, 1e-12);
  const auto& circle = static_cast<const Kreis&>(*document->entities().at(1));
  EXPECT_NEAR(circle.cx(), -7.0, 1e-12);
  const auto& text = static_cast<const DXFText&>(*document->entities().at(2));
  EXPECT_NEAR(text.x(), -4.0, 1e-12);
  EXPECT_NEAR(text.rotation(), 150.0, 1e-9);
  ASSERT_EQ(document->polylines().count(), 1);
  const Polylinie& polyline = *document->polylines().at(0);
  EXPECT_NEAR(polyline.vertexAt(0).x(), -1.0, 1e-12);
  EXPECT_NEAR(polyline.vertexAt(1).x(), -3.0, 1e-12);
  // The half circle bulging down from left to right bulges down from right to left.
  const PolylineSegment halfSegment = polyline.segmentAt(0);
  const auto& half = static_cast<const Kreisbogen&>(*halfSegment);
  EXPECT_NEAR(half.cx(), -2.0, 1e-9);
  EXPECT_NEAR(half.pointAt(0.5).y(), -1.0, 1e-9);
}

TEST(ReaderCoordinateSystems, TiltedPlaneWithElevationIsSeenFromAbove) {
  // Extrusion along world x: the plane's x axis is world y, its y axis world z, and the
  // elevation lies along world x.
  auto document = readOk(
      entitiesOnly("  0\nLWPOLYLINE\n  8\n0\n 90\n2\n 38\n5\n 10\n1\n 20\n2\n 10\n3\n 20\n4\n"
                   "210\n1\n220\n0\n230\n0\n"
                   "  0\nPOLYLINE\n  8\n0\n 66\n1\n 10\n0\n 20\n0\n 30\n7\n210\n1\n220\n0\n230\n0\n"
                   "  0\nVERTEX\n  8\n0\n 10\n1\n 20\n2\n  0\nVERTEX\n  8\n0\n 10\n3\n 20\n4\n"
                   "  0\nSEQEND\n"));
  ASSERT_EQ(document->polylines().count(), 2);
  for (int i = 0; i < 2; ++i) {
    const Polylinie& polyline = *document->polylines().at(i);
    const double elevation = i == 0 ? 5.0 : 7.0;
    EXPECT_NEAR(polyline.vertexAt(0).x(), elevation, 1e-12);
    EXPECT_NEAR(polyline.vertexAt(0).y(), 1.0, 1e-12);
    EXPECT_NEAR(polyline.vertexAt(1).x(), elevation, 1e-12);
    EXPECT_NEAR(polyline.vertexAt(1).y(), 3.0, 1e-12);
  }
}

TEST(ReaderCoordinateSystems, MirroredInsertPlacesItsBlockMirrored) {
  const std::string mirrored =
      "  0\nINSERT\n  8\n0\n  2\nB\n 10\n10\n 20\n0\n 50\n90\n"
      "210\n0\n220\n0\n230\n-1\n";
  auto document = readOk(dxfFile(mirrored, block("B", line(0, 0, 2, 0))));
  const auto placed = drawnContent(*document);
  ASSERT_EQ(placed.size(), 1u);
  const auto& copy = static_cast<const Linie&>(*placed[0]);
  // In its own plane the insert turns the line to (10, 0)-(10, 2); mirrored in x that is
  // (-10, 0)-(-10, 2).
  EXPECT_NEAR(copy.x1(), -10.0, 1e-9);
  EXPECT_NEAR(copy.y1(), 0.0, 1e-9);
  EXPECT_NEAR(copy.x2(), -10.0, 1e-9);
  EXPECT_NEAR(copy.y2(), 2.0, 1e-9);
}

// ---- texts

TEST(ReaderTexts, MTextEmbeddedObjectKeepsTheTextsPlace) {
  auto document = readOk(
      entitiesOnly("  0\nMTEXT\n  8\n0\n100\nAcDbMText\n 10\n12\n 20\n34\n 40\n2.5\n  1\nhello\n"
                   "101\nEmbedded Object\n 70\n1\n 10\n1\n 20\n0\n 11\n99\n 21\n99\n 40\n77\n"));
  ASSERT_EQ(document->entities().count(), 1);
  const auto& text = static_cast<const DXFText&>(*document->entities().at(0));
  // Attached top left: the capitals hang from the insertion point.
  EXPECT_DOUBLE_EQ(text.x(), 12.0);
  EXPECT_DOUBLE_EQ(text.y(), 34.0 - 2.5);
  EXPECT_DOUBLE_EQ(text.height(), 2.5);
  EXPECT_DOUBLE_EQ(text.rotation(), 0.0);
}

// The embedded object repeats attachment (71), direction (72) and alignment groups for its
// own columns; the text keeps the ones it gave before it.
TEST(ReaderTexts, MTextEmbeddedObjectKeepsTheTextsAttachment) {
  auto document = readOk(entitiesOnly(
      "  0\nMTEXT\n  8\n0\n100\nAcDbMText\n 10\n12\n 20\n34\n 40\n2\n 41\n50\n 71\n1\n"
      " 72\n5\n  1\nfirst\\Psecond\n 73\n1\n 44\n1\n"
      "101\nEmbedded Object\n 70\n1\n 10\n1\n 20\n0\n 71\n2\n 72\n1\n 73\n0\n 74\n0\n"));
  ASSERT_EQ(document->entities().count(), 2);
  for (int i = 0; i < 2; ++i) {
    const auto& line = static_cast<const DXFText&>(*document->entities().at(i));
    // Top left: every line starts at the insertion point's x, unaligned.
    EXPECT_DOUBLE_EQ(line.x(), 12.0);
    EXPECT_EQ(line.hasAlignment(), 0);
  }
}

TEST(ReaderTexts, AttributeEmbeddedObjectDoesNotHideIt) {
  auto document = readOk(
      dxfFile(insert("E", 0, 0) +
                  " 66\n1\n"
                  "  0\nATTRIB\n  8\n0\n 10\n1\n 20\n2\n 40\n1\n  1\nshown\n  2\nTAG\n 70\n0\n"
                  "101\nEmbedded Object\n 70\n1\n 10\n1\n 20\n0\n  1\nother\n"
                  "  0\nSEQEND\n  8\n0\n",
              block("E", "")));
  ASSERT_EQ(document->entities().count(), 1);
  EXPECT_EQ(static_cast<const DXFText&>(*document->entities().at(0)).text(), "shown");
}

// ---- visibility

TEST(ReaderVisibility, FrozenLayersAndPaperSpaceAreNotDrawn) {
  const std::string frozen = "  0\nLAYER\n  2\nICE\n 70\n1\n 62\n7\n  6\nCONTINUOUS\n";
  const std::string paper = "  0\nLINE\n  8\n0\n 67\n1\n 10\n0\n 20\n0\n 11\n9\n 21\n9\n";
  auto document = readOk(
      dxfFile(line(0, 0, 1, 1, "ICE") + paper + line(0, 0, 2, 2) + insert("B", 0, 0, 1, 0, "ICE"),
              block("B", line(5, 5, 6, 6)), layerEntry("0", 7) + frozen));
  EXPECT_EQ(document->entities().at(0)->visible(), 0);
  EXPECT_EQ(document->entities().at(1)->visible(), 0);
  EXPECT_EQ(document->entities().at(2)->visible(), 1);
  EXPECT_TRUE(drawnContent(*document).empty());
  // The paper space line does not widen the extents either.
  EXPECT_DOUBLE_EQ(document->maxX(), 2.0);
  // Frozen and paper space survive a save.
  const std::string written = writtenText(*document);
  EXPECT_NE(written.find("LAYER\n  2\nICE\n 70\n1\n"), std::string::npos);
  EXPECT_NE(written.find(" 67\n1\n"), std::string::npos);
}

TEST(ReaderSkipped, KindsPassedOverAreCounted) {
  const std::string region = "  0\nREGION\n  8\n0\n 70\n1\n 10\n0\n";
  auto document = readOk(dxfFile(region + region + "  0\nIMAGE\n  8\n0\n" + line(0, 0, 1, 1) +
                                     insert("B", 0, 0) + "  0\nATTRIB\n  1\nv\n  0\nSEQEND\n",
                                 block("B", "  0\nREGION\n  8\n0\n" + line(0, 0, 1, 1))));
  using Kinds = std::vector<std::pair<std::string, long>>;
  // The attribute after the insert is drawn as a text.
  EXPECT_EQ(document->skippedKinds().kinds(), (Kinds{{"REGION", 3}, {"IMAGE", 1}}));
  EXPECT_EQ(document->entities().count(), 2);
  EXPECT_EQ(document->blocks().at(0)->entities().count(), 1);
}

// ---- saving

TEST(WriterKeepsWhatWasRead, ColoursLinetypesAndExtents) {
  const std::string coloured =
      "  0\nLINE\n  8\nRED\n 62\n5\n  6\nDASHED\n 10\n0\n 20\n0\n 11\n4\n 21\n3\n"
      "  0\nCIRCLE\n  8\nRED\n 62\n0\n 10\n0\n 20\n0\n 40\n1\n"
      "  0\nTEXT\n  8\nRED\n 62\n7\n 10\n1\n 20\n1\n 40\n1\n  1\nt\n";
  auto document = readOk(dxfFile(coloured, "", layerEntry("RED", 1)));
  // The viewer widens its window around the drawing; the file keeps the drawing's box.
  document->growExtents(-100, -100, 100, 100);
  testsupport::TempDir dir;
  ASSERT_EQ(document->writeDXF(dir.file("saved.dxf")), 0);
  DXF_Zeichnung again;
  ASSERT_EQ(again.readDXF(dir.file("saved.dxf")), 0);
  ASSERT_EQ(again.entities().count(), 3);
  std::vector<std::string> read;
  for (int i = 0; i < 3; ++i) {
    const DXFGeometrie& entity = *again.entities().at(i);
    read.push_back(std::string(entity.typeName()) + " " + entity.colourNumber() + " " +
                   entity.linetypeName());
  }
  std::sort(read.begin(), read.end());
  EXPECT_EQ(read, (std::vector<std::string>{"CIRCLE 0 ", "LINE 5 DASHED", "TEXT 7 "}));
  EXPECT_DOUBLE_EQ(again.minX(), -1.0);
  EXPECT_DOUBLE_EQ(again.maxX(), 4.0);
  EXPECT_DOUBLE_EQ(again.maxY(), 3.0);
}

TEST(WriterKeepsWhatWasRead, BlocksInsertingEachOtherLoseOnlyTheClosingInsert) {
  auto document =
      readOk(dxfFile(insert("A", 0, 0), block("A", line(0, 0, 1, 0) + insert("B", 5, 0)) +
                                            block("B", line(0, 0, 0, 1) + insert("A", 0, 5))));
  EXPECT_EQ(cyclicInserts(document->blocks()).size(), 1u);
  const std::string written = writtenText(*document);
  auto again = readOk(written);
  EXPECT_EQ(again->blocks().at(0)->inserts().count() + again->blocks().at(1)->inserts().count(), 1);
  EXPECT_TRUE(cyclicInserts(again->blocks()).empty());
  // What the insert shows is unchanged: both blocks' lines, once each.
  EXPECT_EQ(drawnContent(*again).size(), drawnContent(*document).size());
}

}  // namespace
