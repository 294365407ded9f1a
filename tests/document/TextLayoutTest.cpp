// Tests of what texts show: attributes of inserts, the lines of multi-line texts, texts that
// fill the span between their points, and texts inside scaled, turned and mirrored inserts
// drawn as their exploded copies are.
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "document/DXFText.h"
#include "document/MTextLines.h"
#include "document/TextWidths.h"

namespace {

using documenttesting::block;
using documenttesting::dxfFile;
using documenttesting::expectAlike;
using documenttesting::insert;
using documenttesting::line;
using documenttesting::picture;
using documenttesting::readOk;
using documenttesting::writtenText;
using testsupport::RecordingDrawingArea;

// A drawing area on which world (0, 0) to (40, 40) fills 400 by 400 pixels.
void tenPixelsPerUnit(RecordingDrawingArea& area) {
  area.setWorld(0, 0, 40, 40, 400, 400);
  area.containerSize = {400, 400};
  area.dc.yFactor = 0.1;
  area.dc.scaleX = 10.0;
  area.dc.scaleY = -10.0;
  area.dc.offsetY = 400.0;
}

const DXFText& textAt(const DXF_Zeichnung& document, int i) {
  return static_cast<const DXFText&>(*document.entities().at(i));
}

std::string attrib(const std::string& value, double x, double y, int flags = 0,
                   const std::string& more = "") {
  return "  0\nATTRIB\n  8\n0\n 10\n" + std::to_string(x) + "\n 20\n" + std::to_string(y) +
         "\n 40\n2.5\n  1\n" + value + "\n  2\nTAG\n 70\n" + std::to_string(flags) + "\n" + more;
}

std::string mtext(const std::string& value, int attachment, const std::string& more = "") {
  return "  0\nMTEXT\n  8\n0\n 10\n10\n 20\n20\n 40\n2\n 71\n" + std::to_string(attachment) + "\n" +
         more + "  1\n" + value + "\n";
}

// ---- attributes

TEST(Attributes, ShownWhereTheyStandUnlessHiddenAndTheirDefinitionsNever) {
  const std::string attdef = "  0\nATTDEF\n  8\n0\n 10\n1\n 20\n1\n 40\n1\n  1\nDEF\n  2\nTAG\n";
  const std::string withAttributes = insert("B", 100, 0) + " 66\n1\n" + attrib("P-12", 40, 50) +
                                     attrib("secret", 40, 60, 1) + "  0\nSEQEND\n  8\n0\n";
  auto document = readOk(dxfFile(withAttributes, block("B", attdef + line(0, 0, 1, 0))));
  ASSERT_EQ(document->entities().count(), 1);
  const DXFText& shown = textAt(*document, 0);
  EXPECT_EQ(shown.text(), "P-12");
  EXPECT_DOUBLE_EQ(shown.x2(), 40.0);
  EXPECT_DOUBLE_EQ(shown.y2(), 50.0);
  EXPECT_DOUBLE_EQ(shown.height(), 2.5);
  EXPECT_TRUE(document->skippedKinds().kinds().empty());
  // Through the insert only the line is drawn; the definition's default value never.
  for (const std::string& figure : picture(*document)) {
    EXPECT_EQ(figure.find("DEF"), std::string::npos) << figure;
  }
  // Saved as a text of its own; the hidden one and the definition are gone.
  const std::string saved = writtenText(*document);
  EXPECT_NE(saved.find("TEXT\n  8\n0\n 10\n40.0000\n 20\n50.0000\n"), std::string::npos);
  EXPECT_EQ(saved.find("secret"), std::string::npos);
  EXPECT_EQ(saved.find("ATTDEF"), std::string::npos);
  EXPECT_EQ(saved.find("ATTRIB"), std::string::npos);
}

TEST(Attributes, VerticalAlignmentComesFrom74AndFieldLength73IsNoAlignment) {
  auto document =
      readOk(dxfFile(insert("B", 0, 0) + " 66\n1\n" +
                         attrib("top", 0, 0, 0, " 72\n1\n 73\n8\n 74\n3\n 11\n5\n 21\n6\n") +
                         attrib("plain", 0, 0, 0, " 73\n2\n") + "  0\nSEQEND\n",
                     block("B", line(0, 0, 1, 0))));
  ASSERT_EQ(document->entities().count(), 2);
  EXPECT_EQ(textAt(*document, 0).vAlign(), DXFText::kVAlignTop);
  EXPECT_EQ(textAt(*document, 0).hAlign(), DXFText::kHAlignCentre);
  EXPECT_DOUBLE_EQ(textAt(*document, 0).x2(), 5.0);
  EXPECT_EQ(textAt(*document, 1).hasAlignment(), 0);
}

// ---- multi-line texts

// Three lines 2 high, 10/3 apart, from (10, 20) by the attachment point: hanging from it,
// centred on it, standing on it; left, centre or right on it.
TEST(MTextLayout, LinesHangCentreOrStandByTheAttachmentPoint) {
  const double spacing = 2.0 * 5.0 / 3.0;
  const double block = 2.0 + 2 * spacing;
  struct Case {
    int attachment;
    double firstBaseline;
    int hAlign;
  };
  for (const Case& c : {Case{1, 20 - 2.0, 0}, Case{5, 20 - 2.0 + block / 2, 1},
                        Case{9, 20 - 2.0 + block, 2}, Case{7, 20 - 2.0 + block, 0}}) {
    SCOPED_TRACE(c.attachment);
    auto document = readOk(dxfFile(mtext("one\\Ptwo\\Pthree", c.attachment)));
    ASSERT_EQ(document->entities().count(), 3);
    const char* words[] = {"one", "two", "three"};
    for (int i = 0; i < 3; ++i) {
      const DXFText& line = textAt(*document, i);
      EXPECT_EQ(line.text(), words[i]);
      EXPECT_NEAR(line.x2(), 10.0, 1e-9);
      EXPECT_NEAR(line.y2(), c.firstBaseline - i * spacing, 1e-9);
      EXPECT_EQ(line.hAlign(), c.hAlign);
      EXPECT_EQ(line.vAlign(), DXFText::kVAlignBaseline);
      EXPECT_DOUBLE_EQ(line.height(), 2.0);
    }
  }
}

TEST(MTextLayout, SpacingFactorAndDirectionMoveTheLines) {
  // Spacing factor 2: lines 20/3 apart. Direction (0, 1): lines run upwards and follow
  // each other to the right.
  auto document = readOk(dxfFile(mtext("a\\Pb", 1, " 44\n2\n 11\n0\n 21\n1\n")));
  ASSERT_EQ(document->entities().count(), 2);
  EXPECT_NEAR(textAt(*document, 0).x2(), 12.0, 1e-9);
  EXPECT_NEAR(textAt(*document, 0).y2(), 20.0, 1e-9);
  EXPECT_NEAR(textAt(*document, 1).x2(), 12.0 + 20.0 / 3.0, 1e-9);
  EXPECT_NEAR(textAt(*document, 1).rotation(), 90.0, 1e-9);
}

TEST(MTextLayout, EmptyParagraphsTakeTheirRoomButGiveNoText) {
  auto document = readOk(dxfFile(mtext("top\\P\\Pbottom", 1)));
  ASSERT_EQ(document->entities().count(), 2);
  EXPECT_NEAR(textAt(*document, 1).y2(), 18.0 - 2 * 2.0 * 5.0 / 3.0, 1e-9);
}

// Arial's advance widths: "a" 0.556 em, the blank 0.278 em; its capitals stand 0.716 em
// (0.688 em in its metric twin), so "aaa" 1 high is about 2.4 wide and "aaa bbb" 5.2.
TEST(MTextLayout, WrapsBetweenWordsAtTheReferenceWidth) {
  struct Case {
    double width;
    std::vector<std::string> lines;
  };
  for (const Case& c : {Case{0.0, {"aaa bbb ccc"}}, Case{6.0, {"aaa bbb", "ccc"}},
                        Case{4.0, {"aaa", "bbb", "ccc"}}, Case{1.0, {"aaa", "bbb", "ccc"}}}) {
    SCOPED_TRACE(c.width);
    EXPECT_EQ(MTextLines::wrap("aaa bbb ccc", c.width, 1.0), c.lines);
  }
  auto document = readOk(dxfFile(mtext("aaa bbb ccc\\Pd", 1, " 40\n1\n 41\n6\n")));
  ASSERT_EQ(document->entities().count(), 3);
  EXPECT_EQ(textAt(*document, 1).text(), "ccc");
  EXPECT_EQ(textAt(*document, 2).text(), "d");
}

TEST(MTextLayout, AWordNeedsRoomForTheBlanksBeforeItToo) {
  struct Case {
    const char* paragraph;
    double width;  // in blanks more or less than "aaa bbb" needs
    std::vector<std::string> lines;
  };
  // Half a blank short of the words and the blanks between them, the second word wraps,
  // though both words alone would fit.
  const double words = TextWidths::of("aaa bbb", 1.0);
  const double blank = TextWidths::of(" ", 1.0);
  for (const Case& c :
       {Case{"aaa bbb", 0.5, {"aaa bbb"}}, Case{"aaa bbb", -0.5, {"aaa", "bbb"}},
        Case{"aaa  bbb", 1.5, {"aaa  bbb"}}, Case{"aaa  bbb", 0.5, {"aaa", "bbb"}}}) {
    SCOPED_TRACE(testing::Message() << c.paragraph << ", " << c.width << " blanks");
    EXPECT_EQ(MTextLines::wrap(c.paragraph, words + c.width * blank, 1.0), c.lines);
  }
}

TEST(MTextLayout, EscapesCaretCodesAndFractionsBecomeCharacters) {
  struct Case {
    const char* value;
    std::vector<std::string> lines;
  };
  for (const Case& c : {Case{"\\U+00E4rger \\U+00b0", {"\xE4rger \xB0"}},
                        Case{"\\U+4E2D", {"\\U+4E2D"}},   // no character of the code page
                        Case{"a^Jc ^ d", {"a", "c ^d"}},  // tabs: MTextTabs
                        Case{"\\S1/2; and \\S3^4;", {"1/2 and 3/4"}},
                        Case{"{\\fArial|b1;bold}\\Pnext", {"bold", "next"}}}) {
    SCOPED_TRACE(c.value);
    auto document = readOk(dxfFile(mtext(c.value, 1)));
    ASSERT_EQ(document->entities().count(), static_cast<int>(c.lines.size()));
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
      EXPECT_EQ(textAt(*document, static_cast<int>(i)).text(), c.lines[i]);
    }
  }
}

TEST(MTextLayout, SavedAsOneTextPerLineThatReadsBackInPlace) {
  auto document = readOk(dxfFile(mtext("left\\Pright", 6, " 11\n1\n 21\n1\n")));
  const std::string saved = writtenText(*document);
  EXPECT_EQ(saved.find("MTEXT"), std::string::npos);
  expectAlike(picture(*readOk(saved)), picture(*document));
}

// ---- texts that fill their span, and middle

TEST(TextAlignment, AlignedAndFitFillTheSpanMiddleCentresOnTheSecondPoint) {
  struct Case {
    int hAlign;
    double x2, y2;
    TextFit fit;
    double anchorX, anchorY, fitWidth, escapement;
    TextHAlign h;
    TextVAlign v;
  };
  // One unit is ten pixels; world (0, 0) is the pixel (0, 400).
  for (const Case& c :
       {Case{3, 30, 40, TextFit::Aligned, 0, 400, 500, 531, TextHAlign::Left, TextVAlign::Baseline},
        Case{5, 0, 20, TextFit::Stretched, 0, 400, 200, 900, TextHAlign::Left,
             TextVAlign::Baseline},
        Case{4, 30, 40, TextFit::None, 300, 0, 0, 0, TextHAlign::Centre, TextVAlign::Middle}}) {
    SCOPED_TRACE(c.hAlign);
    auto document = readOk(dxfFile("  0\nTEXT\n  8\n0\n 10\n0\n 20\n0\n 40\n2\n  1\nSPAN\n 72\n" +
                                   std::to_string(c.hAlign) + "\n 11\n" + std::to_string(c.x2) +
                                   "\n 21\n" + std::to_string(c.y2) + "\n"));
    RecordingDrawingArea area;
    tenPixelsPerUnit(area);
    document->entities().at(0)->draw(area, 1.0, 0, 0, 0);
    const auto calls = area.log.named("text_out");
    ASSERT_EQ(calls.size(), 1u);
    const auto& a = calls[0].args;
    EXPECT_NEAR(a[0], c.anchorX, 1e-6);
    EXPECT_NEAR(a[1], c.anchorY, 1e-6);
    EXPECT_NEAR(a[2], 20.0, 1e-6);  // capitals 2 units high
    EXPECT_EQ(a[3], c.escapement);
    EXPECT_EQ(a[6], static_cast<int>(c.fit));
    EXPECT_NEAR(a[7], c.fitWidth, 1e-6);
    EXPECT_EQ(a[8], static_cast<int>(c.h));
    EXPECT_EQ(a[9], static_cast<int>(c.v));
    // The alignment is written back as it was read.
    EXPECT_NE(writtenText(*document).find(" 72\n" + std::to_string(c.hAlign) + "\n"),
              std::string::npos);
  }
}

// ---- inserts

// A block with every kind of text, placed scaled, turned and mirrored, draws what its
// exploded copies draw; and a saved drawing reads back drawing the same.
TEST(TextsInInserts, DrawnAsTheirExplodedCopiesAndThroughASave) {
  const std::string texts =
      "  0\nTEXT\n  8\n0\n 10\n1\n 20\n2\n 40\n1.5\n 50\n15\n 41\n0.8\n  1\nplain\n"
      "  0\nTEXT\n  8\n0\n 10\n0\n 20\n0\n 40\n1\n  1\nfit\n 72\n5\n 11\n8\n 21\n1\n"
      "  0\nTEXT\n  8\n0\n 10\n0\n 20\n4\n 40\n1\n  1\naligned\n 72\n3\n 11\n6\n 21\n6\n"
      "  0\nTEXT\n  8\n0\n 10\n0\n 20\n0\n 40\n1\n  1\nmiddle\n 72\n4\n 11\n3\n 21\n-3\n"
      "  0\nMTEXT\n  8\n0\n 10\n-5\n 20\n-5\n 40\n1\n 71\n5\n  1\nfirst\\Psecond\n" +
      insert("INNER", 2, 2, 0.5, 10) + " 66\n1\n" + attrib("attr", 3, 3) + "  0\nSEQEND\n";
  const std::string blocks = block("T", texts) + block("INNER", line(0, 0, 1, 1));
  const std::string placements = insert("T", 20, 10, 2, 30) + insert("T", -40, 0, 1, 0) +
                                 "  0\nINSERT\n  8\n0\n  2\nT\n 10\n50\n 20\n-30\n 41\n-1.5\n"
                                 " 42\n1.5\n 50\n20\n" +
                                 "  0\nINSERT\n  8\n0\n  2\nT\n 10\n-60\n 20\n40\n 41\n1\n"
                                 " 42\n-1\n 50\n-45\n";
  auto document = readOk(dxfFile(placements, blocks));
  auto exploded = readOk(dxfFile(placements, blocks));
  exploded->explodeAll();
  const auto drawn = picture(*document);
  EXPECT_EQ(drawn, picture(*exploded));
  int texts_drawn = 0;
  for (const std::string& figure : drawn) texts_drawn += figure.rfind("text_out", 0) == 0;
  EXPECT_EQ(texts_drawn, 4 * 7);
  expectAlike(picture(*readOk(writtenText(*document))), drawn);
  expectAlike(picture(*readOk(writtenText(*exploded))), drawn);
}

TEST(TextsInInserts, HeightAndWidthGrowWithTheInsertsScale) {
  auto document =
      readOk(dxfFile(insert("T", 0, 0, 3, 0),
                     block("T", "  0\nTEXT\n  8\n0\n 10\n0\n 20\n0\n 40\n2\n 41\n0.5\n  1\nH\n")));
  RecordingDrawingArea area;
  tenPixelsPerUnit(area);
  document->drawAll(area, 1.0);
  const auto calls = area.log.named("text_out");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_NEAR(calls[0].args[2], 2 * 3 * 10.0, 1e-9);  // capitals 6 units: 60 pixels
  EXPECT_DOUBLE_EQ(calls[0].args[5], 0.5);            // width factor kept
}

}  // namespace
