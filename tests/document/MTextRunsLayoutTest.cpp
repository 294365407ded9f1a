// Tests of how MTEXT runs are laid out: heights, colours and lines of runs on one
// baseline, paragraph alignment, indents and tabs, columns, texts seen from below, and
// the pieces drawn as their exploded copies and through a release 12 save.
#include <algorithm>
#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "document/DXFText.h"
#include "document/MTextLines.h"
#include "document/TextWidths.h"
#include "entities/Linie.h"

namespace {

using documenttesting::block;
using documenttesting::dxfFile;
using documenttesting::expectAlike;
using documenttesting::insert;
using documenttesting::picture;
using documenttesting::readOk;
using documenttesting::writtenText;

constexpr double kSpacing = MTextLines::kLineSpacing;

// An MTEXT at (10, 20) with capitals 1 high, hanging from its top left corner unless
// `more` says otherwise.
std::string mtext(const std::string& value, const std::string& more = "") {
  return "  0\nMTEXT\n  8\n0\n 10\n10\n 20\n20\n 40\n1\n" + more + "  1\n" + value + "\n";
}

std::vector<const DXFText*> textsOf(const DXF_Zeichnung& document) {
  std::vector<const DXFText*> texts;
  for (int i = 0; i < document.entities().count(); ++i) {
    if (const auto* text = dynamic_cast<const DXFText*>(document.entities().at(i)))
      texts.push_back(text);
  }
  return texts;
}

std::vector<const Linie*> linesOf(const DXF_Zeichnung& document) {
  std::vector<const Linie*> lines;
  for (int i = 0; i < document.entities().count(); ++i) {
    if (const auto* line = dynamic_cast<const Linie*>(document.entities().at(i)))
      lines.push_back(line);
  }
  return lines;
}

// A number as a file writes it, with a decimal point whatever the locale.
std::string number(double value) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << std::setprecision(17) << value;
  return out.str();
}

double widthOf(const char* text, double height, double widthFactor = 1.0) {
  return TextWidths::of(text, height, widthFactor);
}

// ---- runs on a line

TEST(MTextRuns, RunsOfOtherHeightsFollowEachOtherOnTheTallestsBaseline) {
  struct Case {
    const char* value;
    double baseline;  // of the first line: the tallest capitals hang from the top
    std::vector<double> lifts;
  };
  // "ab" 1 high, "cd" 2 high, "ef" 1 high; lifted by \A to the line's middle or top.
  for (const Case& c :
       {Case{"ab{\\H2x;cd}ef", 18.0, {0, 0, 0}}, Case{"{\\A1;ab{\\H2x;cd}ef}", 18.0, {0.5, 0, 0.5}},
        Case{"\\A2;ab{\\H2x;cd}ef", 18.0, {1, 0, 1}}}) {
    SCOPED_TRACE(c.value);
    auto document = readOk(dxfFile(mtext(c.value)));
    const auto texts = textsOf(*document);
    ASSERT_EQ(texts.size(), 3u);
    const double heights[] = {1, 2, 1};
    const double starts[] = {10, 10 + widthOf("ab", 1), 10 + widthOf("ab", 1) + widthOf("cd", 2)};
    const char* words[] = {"ab", "cd", "ef"};
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(texts[i]->text(), words[i]);
      EXPECT_DOUBLE_EQ(texts[i]->height(), heights[i]);
      EXPECT_NEAR(texts[i]->x2(), starts[i], 1e-9);
      EXPECT_NEAR(texts[i]->y2(), c.baseline + c.lifts[i], 1e-9);
      EXPECT_EQ(texts[i]->hAlign(), DXFText::kHAlignLeft);
    }
  }
}

TEST(MTextRuns, TallerLinesStandFurtherApart) {
  // The second line is 3 high: it hangs 5/3 of the first line's height below its top.
  auto document = readOk(dxfFile(mtext("a\\P\\H3;b\\Pc")));
  const auto texts = textsOf(*document);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_NEAR(texts[0]->y2(), 19.0, 1e-9);
  EXPECT_NEAR(texts[1]->y2(), 20.0 - kSpacing - 3.0, 1e-9);
  EXPECT_NEAR(texts[2]->y2(), 20.0 - kSpacing - 3.0 * kSpacing - 3.0, 1e-9);
}

TEST(MTextRuns, WidthFactorBoldAndTrackingShapeTheRuns) {
  auto document = readOk(dxfFile(mtext("{\\W2;ab}{\\fArial|b1;cd}{\\T2;ef}")));
  const auto texts = textsOf(*document);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_DOUBLE_EQ(texts[0]->widthFactor(), 2.0);
  EXPECT_FALSE(texts[0]->bold());
  EXPECT_TRUE(texts[1]->bold());
  EXPECT_NEAR(texts[1]->x2(), 10 + widthOf("ab", 1, 2), 1e-9);
  // Tracked letters stand apart, each advance doubled.
  const double e = 10 + widthOf("ab", 1, 2) + widthOf("cd", 1);
  EXPECT_EQ(texts[2]->text(), "e");
  EXPECT_NEAR(texts[2]->x2(), e, 1e-9);
  EXPECT_EQ(texts[3]->text(), "f");
  EXPECT_NEAR(texts[3]->x2(), e + 2 * widthOf("e", 1), 1e-9);
}

TEST(MTextRuns, ColourCodesGiveTheRunsTheirColours) {
  auto document = readOk(dxfFile(mtext("own\\C1;red{\\c16711680;blue}\\C256;layer", " 62\n5\n")));
  const auto texts = textsOf(*document);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_STREQ(texts[0]->colourNumber(), "5");
  EXPECT_STREQ(texts[1]->colourNumber(), "1");
  EXPECT_EQ(texts[1]->trueColour(), -1);
  EXPECT_EQ(texts[2]->trueColour(), 0x0000FF);
  EXPECT_STREQ(texts[2]->colour(), "#0000FF");
  EXPECT_STREQ(texts[3]->colourNumber(), "256");
}

TEST(MTextRuns, UnderOverAndStrikeThroughLinesSpanTheirRuns) {
  struct Case {
    const char* value;
    double lift;  // above the baseline, in heights
  };
  for (const Case& c :
       {Case{"\\Lab cd\\l ef", -MTextLines::kStrokeGap}, Case{"\\Kab cd\\k ef", 0.5},
        Case{"\\Oab cd\\o ef", 1.0 + MTextLines::kStrokeGap}}) {
    SCOPED_TRACE(c.value);
    auto document = readOk(dxfFile(mtext(c.value, " 62\n1\n")));
    const auto lines = linesOf(*document);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(lines[0]->x1(), 10.0, 1e-9);
    EXPECT_NEAR(lines[0]->x2(), 10.0 + widthOf("ab cd", 1), 1e-9);
    EXPECT_NEAR(lines[0]->y1(), 19.0 + c.lift, 1e-9);
    EXPECT_NEAR(lines[0]->y2(), 19.0 + c.lift, 1e-9);
    // Drawn in the text's colour, solid.
    EXPECT_STREQ(lines[0]->colour(), textsOf(*document)[0]->colour());
    EXPECT_STREQ(lines[0]->colourNumber(), "1");
  }
}

// ---- paragraphs

TEST(MTextParagraphs, AlignInTheFrameByTheirCodeOrTheAttachmentPoint) {
  struct Case {
    const char* value;
    int attachment;
    double anchorX;
    int hAlign;
  };
  // A frame 20 wide: from the insertion point for a left attachment, around it for a
  // centre one, ending at it for a right one.
  for (const Case& c :
       {Case{"ab", 1, 10, DXFText::kHAlignLeft}, Case{"\\pqr;ab", 1, 30, DXFText::kHAlignRight},
        Case{"\\pqc;ab", 1, 20, DXFText::kHAlignCentre}, Case{"ab", 2, 10, DXFText::kHAlignCentre},
        Case{"ab", 3, 10, DXFText::kHAlignRight}, Case{"\\pql;ab", 3, -10, DXFText::kHAlignLeft},
        Case{"\\pqc;ab", 9, 0, DXFText::kHAlignCentre}}) {
    SCOPED_TRACE(c.value + std::string(" ") + std::to_string(c.attachment));
    const std::string groups = " 41\n20\n 71\n" + std::to_string(c.attachment) + "\n";
    auto document = readOk(dxfFile(mtext(c.value, groups)));
    const auto texts = textsOf(*document);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NEAR(texts[0]->x2(), c.anchorX, 1e-9);
    EXPECT_EQ(texts[0]->hAlign(), c.hAlign);
  }
}

TEST(MTextParagraphs, IndentsMoveTheFirstAndTheFollowingLines) {
  // Capitals 1 high: the first line starts 3 in, the wrapped ones 1 in; the right indent
  // narrows the room so that every word stands on a line of its own.
  const double room = 1 + widthOf("aaa bbb", 1);
  const std::string groups = " 41\n" + number(room + 0.01) + "\n";
  for (const auto& [value, count] : {std::pair<std::string, std::size_t>{"\\pi2,l1;aaa bbb ccc", 2},
                                     {"\\pi2,l1,r1;aaa bbb ccc", 3},
                                     {"\\pl1;aaa bbb ccc", 2}}) {
    SCOPED_TRACE(value);
    auto document = readOk(dxfFile(mtext(value, groups)));
    const auto texts = textsOf(*document);
    ASSERT_EQ(texts.size(), count);
    const bool firstIndented = value.find("i2") != std::string::npos;
    EXPECT_NEAR(texts[0]->x2(), firstIndented ? 13.0 : 11.0, 1e-9);
    for (std::size_t i = 1; i < count; ++i) EXPECT_NEAR(texts[i]->x2(), 11.0, 1e-9);
  }
}

TEST(MTextParagraphs, JustifiedLinesButTheLastFillTheWidth) {
  // Room for "aa bb cc" but not "dd": the first line's words spread over the 8 units.
  const std::string groups = " 41\n" + number(widthOf("aa bb cc", 1) + 0.5) + "\n";
  const double width = widthOf("aa bb cc", 1) + 0.5;
  auto document = readOk(dxfFile(mtext("\\pqj;aa bb cc dd", groups)));
  const auto texts = textsOf(*document);
  ASSERT_EQ(texts.size(), 4u);
  const double gap = (width - widthOf("aabbcc", 1)) / 2;
  EXPECT_NEAR(texts[0]->x2(), 10.0, 1e-6);
  EXPECT_NEAR(texts[1]->x2(), 10.0 + widthOf("aa", 1) + gap, 1e-6);
  EXPECT_NEAR(texts[2]->x2() + widthOf("cc", 1), 10.0 + width, 1e-6);
  // The last line keeps its blanks.
  EXPECT_EQ(texts[3]->text(), "dd");
  EXPECT_NEAR(texts[3]->x2(), 10.0, 1e-9);
}

TEST(MTextParagraphs, TabsMoveToTheNextStop) {
  struct Case {
    const char* value;
    double second;
  };
  // Stops every 8 blanks unless the paragraph sets its own; the first line's indent
  // counts, as the stops are measured from the frame's left edge.
  const double step = 8 * widthOf(" ", 1);
  for (const Case& c : {Case{"a^Ib", 10 + step}, Case{"\\pt3;a^Ib", 13}, Case{"\\pt0.5,6;a^Ib", 16},
                        Case{"\\pxi-3,l4t4;a^Ib", 14}, Case{"a^Ib^Ic", 10 + 2 * step}}) {
    SCOPED_TRACE(c.value);
    auto document = readOk(dxfFile(mtext(c.value)));
    const auto texts = textsOf(*document);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[1]->text(), "b");
    EXPECT_NEAR(texts.back()->x2(), c.second, 1e-9);
  }
}

TEST(MTextParagraphs, TabStopsPlaceTheTextAfterThemAsTheirKindSays) {
  struct Case {
    const char* value;
    const char* text;  // a text after a tab
    double x;          // where it starts
  };
  // Capitals 1 high at x = 10: a stop at n stands n to the right. The text after a left
  // stop starts there, after a centre stop its middle is there, after a right stop its
  // end, after a decimal stop its first decimal point (its end when it has none); blanks
  // before the next tab do not count.
  const double step = 8 * widthOf(" ", 1);
  for (const Case& c : {
           Case{"\\pxt4;a^Ib", "b", 14},
           Case{"\\pxtc8;a^Iwide", "wide", 18 - widthOf("wide", 1) / 2},
           Case{"\\pxtr12;a^Iwide", "wide", 22 - widthOf("wide", 1)},
           Case{"\\pxtd16;a^I12.75", "12.75", 26 - widthOf("12", 1)},
           Case{"\\pxtd16;a^I1275", "1275", 26 - widthOf("1275", 1)},
           // The blank drawn with "end" does not count.
           Case{"\\pxtr12;a^Iend ^Ix", "end ", 22 - widthOf("end", 1)},
           // One stop of each kind in a row.
           Case{"\\pxt4,c8,r12,d16;a^Ib^Ic^Id^I3.5", "3.5", 26 - widthOf("3", 1)},
           // Text too long to end at its stop starts right after the tab.
           Case{"\\pxtr3;a^Ilonger", "longer", 10 + widthOf("a", 1)},
           // Beyond the paragraph's own stops, the default ones are left stops.
           Case{"\\pxtr1;a^Ib^Ic", "c", 10 + step},
       }) {
    SCOPED_TRACE(c.value);
    auto document = readOk(dxfFile(mtext(c.value)));
    const auto texts = textsOf(*document);
    const auto found = std::find_if(texts.begin(), texts.end(),
                                    [&](const DXFText* text) { return text->text() == c.text; });
    ASSERT_NE(found, texts.end());
    EXPECT_EQ((*found)->hAlign(), DXFText::kHAlignLeft);
    EXPECT_NEAR((*found)->x2(), c.x, 1e-9);
  }
}

// ---- columns

// Lines 1 high stand 5/3 apart: two fit into a column 3 high, the third goes on.
const std::string kFourLines = "a\\Pb\\Pc\\Pd";

struct ColumnCase {
  const char* name;
  std::string groups;
  std::vector<double> starts;  // x of each line
  std::vector<double> baselines;
};

TEST(MTextColumnsFlow, LinesFlowIntoTheNextColumnAtTheColumnHeight) {
  const std::string xdata =
      "1001\nACAD\n1000\nACAD_MTEXT_COLUMN_INFO_BEGIN\n1070\n75\n1070\n2\n1070\n79\n1070\n1\n"
      "1070\n76\n1070\n2\n1070\n78\n1070\n0\n1070\n48\n1040\n5.0\n1070\n49\n1040\n1.0\n"
      "1000\nACAD_MTEXT_COLUMN_INFO_END\n1000\nACAD_MTEXT_DEFINED_HEIGHT_BEGIN\n1070\n46\n"
      "1040\n3.0\n1000\nACAD_MTEXT_DEFINED_HEIGHT_END\n";
  const std::string embedded =
      "101\nEmbedded Object\n 70\n1\n 10\n1\n 20\n0\n 11\n99\n 21\n99\n 40\n5\n 41\n3\n"
      " 71\n2\n 72\n2\n 44\n5\n 45\n1\n 73\n1\n 74\n0\n";
  const double top = 19.0;
  const double next = 19.0 - kSpacing;
  const ColumnCase cases[] = {
      {"own groups",
       " 41\n5\n 75\n2\n 76\n2\n 79\n1\n 49\n1\n 46\n3\n",
       {10, 10, 16, 16},
       {top, next, top, next}},
      {"extended data", " 41\n5\n", {10, 10, 16, 16}, {top, next, top, next}},
      {"embedded object", " 41\n5\n", {10, 10, 16, 16}, {top, next, top, next}},
      {"no columns",
       " 41\n5\n",
       {10, 10, 10, 10},
       {top, next, top - 2 * kSpacing, top - 3 * kSpacing}},
      // Heights of their own: the last column takes the rest.
      {"manual heights",
       " 41\n5\n 75\n2\n 76\n2\n 49\n1\n 50\n2\n 50\n0\n",
       {10, 16, 16, 16},
       {top, top, next, top - 2 * kSpacing}},
      // A static text's last column holds all that is left.
      {"static",
       " 41\n5\n 75\n1\n 76\n1\n 46\n3\n",
       {10, 10, 10, 10},
       {top, next, top - 2 * kSpacing, top - 3 * kSpacing}},
      {"reversed",
       " 41\n5\n 75\n2\n 76\n2\n 78\n1\n 49\n1\n 46\n3\n",
       {16, 16, 10, 10},
       {top, next, top, next}},
  };
  for (const ColumnCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string record = mtext(kFourLines, c.groups);
    if (std::string(c.name) == "extended data") record += xdata;
    if (std::string(c.name) == "embedded object") record += embedded;
    auto document = readOk(dxfFile(record));
    const auto texts = textsOf(*document);
    ASSERT_EQ(texts.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_NEAR(texts[i]->x2(), c.starts[i], 1e-9) << i;
      EXPECT_NEAR(texts[i]->y2(), c.baselines[i], 1e-9) << i;
    }
  }
}

TEST(MTextColumnsFlow, GroupFortyEightIsTheColumnWidthAmongTheTextsOwnGroups) {
  struct Case {
    const char* name;
    std::string record;
    double linetypeScale;
    std::vector<double> starts;  // x of each line
  };
  // Among the entity's common groups 48 is the linetype scale (2.5 here); among the
  // MTEXT's own ones, after its subclass marker or, without markers, after its insertion
  // point, it is the column width: two columns 5 wide, 1 apart, 3 high.
  const std::string place = " 10\n10\n 20\n20\n 40\n1\n";
  const std::string columns = " 75\n2\n 76\n2\n 48\n5\n 49\n1\n 46\n3\n";
  const std::string value = "  1\n" + kFourLines + "\n";
  const Case cases[] = {
      {"subclass markers",
       "  0\nMTEXT\n100\nAcDbEntity\n  8\n0\n 48\n2.5\n100\nAcDbMText\n" + place + columns + value,
       2.5,
       {10, 10, 16, 16}},
      {"no markers",
       "  0\nMTEXT\n  8\n0\n 48\n2.5\n" + place + columns + value,
       2.5,
       {10, 10, 16, 16}},
      {"no columns", "  0\nMTEXT\n  8\n0\n 48\n2.5\n" + place + value, 2.5, {10, 10, 10, 10}},
      {"column width only",
       "  0\nMTEXT\n  8\n0\n" + place + columns + value,
       1.0,
       {10, 10, 16, 16}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto document = readOk(dxfFile(c.record));
    const auto texts = textsOf(*document);
    ASSERT_EQ(texts.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_NEAR(texts[i]->x2(), c.starts[i], 1e-9) << i;
      EXPECT_DOUBLE_EQ(texts[i]->linetypeScale(), c.linetypeScale) << i;
    }
  }
  // Any other kind keeps group 48 as its linetype scale wherever it stands.
  auto text = readOk(dxfFile("  0\nTEXT\n  8\n0\n" + place + " 48\n2.5\n  1\nx\n"));
  ASSERT_EQ(textsOf(*text).size(), 1u);
  EXPECT_DOUBLE_EQ(textsOf(*text)[0]->linetypeScale(), 2.5);
}

TEST(MTextColumnsFlow, ColumnBreaksStartTheNextColumn) {
  auto document = readOk(dxfFile(mtext("a\\Nb\\Pc", " 41\n5\n 75\n1\n 76\n2\n 49\n1\n 46\n30\n")));
  const auto texts = textsOf(*document);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_NEAR(texts[0]->x2(), 10.0, 1e-9);
  EXPECT_NEAR(texts[1]->x2(), 16.0, 1e-9);
  EXPECT_NEAR(texts[1]->y2(), 19.0, 1e-9);
  EXPECT_NEAR(texts[2]->x2(), 16.0, 1e-9);
  EXPECT_NEAR(texts[2]->y2(), 19.0 - kSpacing, 1e-9);
  // Without columns a column break is a paragraph break.
  auto plain = readOk(dxfFile(mtext("a\\Nb")));
  ASSERT_EQ(textsOf(*plain).size(), 2u);
  EXPECT_NEAR(textsOf(*plain)[1]->x2(), 10.0, 1e-9);
  EXPECT_NEAR(textsOf(*plain)[1]->y2(), 19.0 - kSpacing, 1e-9);
}

// ---- seen from below

TEST(MTextFromBelow, LinesFollowOnTheOtherSideAndTheLettersAreMirrored) {
  // Extrusion (0, 0, -1), no direction: the text runs along x and its y axis points down
  // (z cross x), so its lines follow upwards and its letters hang below their baselines:
  // a mirror image across the baseline, as an upside-down text is drawn.
  auto document = readOk(dxfFile(mtext("ab\\Pcd", "210\n0\n220\n0\n230\n-1\n")));
  const auto texts = textsOf(*document);
  ASSERT_EQ(texts.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_NEAR(texts[i]->x2(), 10.0, 1e-9);
    EXPECT_NEAR(texts[i]->y2(), 21.0 + static_cast<double>(i) * kSpacing, 1e-9);
    EXPECT_NEAR(texts[i]->rotation(), 0.0, 1e-9);
    EXPECT_EQ(texts[i]->generationFlags(), DXFText::kUpsideDown);
    EXPECT_TRUE(texts[i]->isMirrored());
    EXPECT_EQ(texts[i]->hAlign(), DXFText::kHAlignLeft);
  }
  // A second line right aligned in a frame 10 wide ends 10 along the direction.
  auto right = readOk(dxfFile(mtext("ab\\P\\pqr;cd", " 41\n10\n210\n0\n220\n0\n230\n-1\n")));
  ASSERT_EQ(textsOf(*right).size(), 2u);
  EXPECT_EQ(textsOf(*right)[1]->hAlign(), DXFText::kHAlignRight);
  EXPECT_NEAR(textsOf(*right)[1]->x2(), 20.0, 1e-9);
  // Turned by a rotation in its plane, whose x axis is the world's -x: 30 degrees there
  // run at 150 in the world.
  auto turned = readOk(dxfFile(mtext("ab", " 50\n30\n210\n0\n220\n0\n230\n-1\n")));
  ASSERT_EQ(textsOf(*turned).size(), 1u);
  EXPECT_NEAR(textsOf(*turned)[0]->rotation(), 150.0, 1e-9);
  EXPECT_EQ(textsOf(*turned)[0]->generationFlags(), DXFText::kUpsideDown);
}

// ---- reading

TEST(MTextReading, ChunksLongerThanATextLineAreReadWhole) {
  // A chunk of 250 characters that escaping made longer, ending inside a code.
  const std::string chunk = std::string(250, 'x') + " \\C1;ye";
  auto document = readOk(dxfFile(mtext("s", "  3\n" + chunk + "\n")));
  const auto texts = textsOf(*document);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1]->text(), "yes");
  EXPECT_STREQ(texts[1]->colourNumber(), "1");
}

// ---- drawn as exploded, and through a save

TEST(MTextRunsInInserts, DrawnAsTheirExplodedCopiesAndThroughASave) {
  const std::string body =
      mtext(
          "{\\H2x;\\C1;Big} \\Lunder\\l {\\c255;\\A1;mid}\\P\\pqc;\\Kcentre\\k^Itab\\Pthird line"
          "\\P\\pxql,tc3,r6,d9;a^Ib^Ic^I1.5",
          " 41\n12\n 75\n2\n 76\n2\n 49\n1\n 46\n4\n") +
      mtext("{\\W0.5;narrow}\\P\\Onext", " 71\n5\n210\n0\n220\n0\n230\n-1\n");
  const std::string blocks = block("M", body);
  const std::string placements = insert("M", 20, 10, 2, 30) + insert("M", -40, 0, 1, 0) +
                                 "  0\nINSERT\n  8\n0\n  2\nM\n 10\n50\n 20\n-30\n 41\n-1.5\n"
                                 " 42\n1.5\n 50\n20\n";
  auto document = readOk(dxfFile(placements, blocks));
  auto exploded = readOk(dxfFile(placements, blocks));
  exploded->explodeAll();
  const auto drawn = picture(*document);
  EXPECT_EQ(drawn, picture(*exploded));
  int texts = 0;
  int lines = 0;
  for (const std::string& figure : drawn) {
    texts += figure.rfind("text_out", 0) == 0;
    lines += figure.rfind("wc_line", 0) == 0;
  }
  // Per insert: Big, under, mid, centre, tab, third line, a, b, c, 1.5, narrow, next;
  // under, strike and over lines.
  EXPECT_EQ(texts, 3 * 12);
  EXPECT_GE(lines, 3 * 3);
  const std::string saved = writtenText(*document);
  EXPECT_EQ(saved.find("MTEXT"), std::string::npos);
  expectAlike(picture(*readOk(saved)), drawn);
  expectAlike(picture(*readOk(writtenText(*exploded))), drawn);
}

}  // namespace
