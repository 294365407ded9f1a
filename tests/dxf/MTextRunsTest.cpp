// Tests of the MTEXT inline formatting: which characters come in which format.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dxf/MTextRuns.h"

namespace {

using Kind = MTextPiece::Kind;

MTextFormat initialFormat() {
  MTextFormat format;
  format.height = 2.0;
  return format;
}

std::vector<MTextParagraph> parsed(const std::string& value) {
  return MTextRuns::parse(value, initialFormat());
}

// The format of the single word of a value "<codes>w".
MTextFormat formatOfWord(const std::string& value) {
  const std::vector<MTextParagraph> paragraphs = parsed(value);
  EXPECT_EQ(paragraphs.size(), 1u) << value;
  EXPECT_EQ(paragraphs.front().pieces.size(), 1u) << value;
  if (paragraphs.empty() || paragraphs.front().pieces.empty()) return {};
  EXPECT_EQ(paragraphs.front().pieces.front().text, "w") << value;
  return paragraphs.front().pieces.front().format;
}

TEST(MTextRunsFormat, CodesSetTheFormatOfTheCharactersAfterThem) {
  struct Case {
    const char* value;
    double height, widthFactor, oblique, tracking;
  };
  for (const Case& c : {Case{"\\H5;w", 5.0, 1, 0, 1}, Case{"\\H1.5x;w", 3.0, 1, 0, 1},
                        Case{"\\H2x;\\H0.5x;w", 2.0, 1, 0, 1},
                        Case{"\\H-1;\\H0;\\Habc;w", 2.0, 1, 0, 1},  // no height: kept
                        Case{"\\H1e9;w", 2.0, 1, 0, 1},             // absurd: kept
                        Case{"\\W0.7;w", 2.0, 0.7, 0, 1}, Case{"\\W2;\\W0.5x;w", 2.0, 1.0, 0, 1},
                        Case{"\\Q15;w", 2.0, 1, 15, 1},
                        Case{"\\Q95;w", 2.0, 1, 0, 1},  // beyond a right angle: kept
                        Case{"\\T1.5;w", 2.0, 1, 0, 1.5}, Case{"\\T2;\\T1.5x;w", 2.0, 1, 0, 3.0},
                        Case{"\\T9;w", 2.0, 1, 0, 4.0},  // clamped to the usual range
                        Case{"\\T0.1;w", 2.0, 1, 0, 0.75}}) {
    SCOPED_TRACE(c.value);
    const MTextFormat format = formatOfWord(c.value);
    EXPECT_DOUBLE_EQ(format.height, c.height);
    EXPECT_DOUBLE_EQ(format.widthFactor, c.widthFactor);
    EXPECT_DOUBLE_EQ(format.obliqueDegrees, c.oblique);
    EXPECT_DOUBLE_EQ(format.tracking, c.tracking);
  }
}

TEST(MTextRunsFormat, ColoursFontFlagsAndAlignment) {
  struct Case {
    const char* value;
    int colourIndex;
    std::int32_t rgb;
    bool bold, italic;
    MTextRunAlign align;
  };
  const int own = MTextFormat::kEntityColour;
  const std::int32_t none = MTextFormat::kNoRgb;
  for (const Case& c :
       {Case{"\\C1;w", 1, none, false, false, MTextRunAlign::kBottom},
        Case{"\\C256;w", 256, none, false, false, MTextRunAlign::kBottom},
        Case{"\\C300;w", own, none, false, false, MTextRunAlign::kBottom},
        // Red is the low byte of a "\c" number.
        Case{"\\c255;w", own, 0xFF0000, false, false, MTextRunAlign::kBottom},
        Case{"\\c16711680;w", own, 0x0000FF, false, false, MTextRunAlign::kBottom},
        Case{"\\c7528479;w", own, 0x1FE072, false, false, MTextRunAlign::kBottom},
        Case{"\\c255;\\C3;w", 3, none, false, false, MTextRunAlign::kBottom},
        Case{"\\fArial|b1|i0|c0|p34;w", own, none, true, false, MTextRunAlign::kBottom},
        Case{"\\fArial|b0|i1;w", own, none, false, true, MTextRunAlign::kBottom},
        Case{"\\fArial|b1;\\Ftxt;w", own, none, true, false, MTextRunAlign::kBottom},
        Case{"\\A1;w", own, none, false, false, MTextRunAlign::kCentre},
        Case{"\\A2;w", own, none, false, false, MTextRunAlign::kTop},
        Case{"\\A2;\\A7;w", own, none, false, false, MTextRunAlign::kTop}}) {
    SCOPED_TRACE(c.value);
    const MTextFormat format = formatOfWord(c.value);
    EXPECT_EQ(format.colourIndex, c.colourIndex);
    EXPECT_EQ(format.rgb, c.rgb);
    EXPECT_EQ(format.bold, c.bold);
    EXPECT_EQ(format.italic, c.italic);
    EXPECT_EQ(format.align, c.align);
  }
}

TEST(MTextRunsFormat, BracesKeepTheirFormatToThemselves) {
  const std::vector<MTextParagraph> paragraphs = parsed("a{\\H3;\\C1;b{\\L c}d}e");
  ASSERT_EQ(paragraphs.size(), 1u);
  const std::vector<MTextPiece>& pieces = paragraphs[0].pieces;
  ASSERT_EQ(pieces.size(), 6u);
  const char* texts[] = {"a", "b", "", "c", "d", "e"};
  const double heights[] = {2, 3, 3, 3, 3, 2};
  const bool underlined[] = {false, false, true, true, false, false};
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(pieces[i].kind, i == 2 ? Kind::kSpace : Kind::kWord);
    EXPECT_EQ(pieces[i].text, texts[i]);
    EXPECT_DOUBLE_EQ(pieces[i].format.height, heights[i]);
    EXPECT_EQ(pieces[i].format.underline, underlined[i]);
  }
  EXPECT_EQ(pieces[1].format.colourIndex, 1);
  EXPECT_EQ(pieces[5].format.colourIndex, MTextFormat::kEntityColour);
  // A closing brace too many changes nothing.
  EXPECT_DOUBLE_EQ(formatOfWord("}}\\H3;}w").height, 3.0);
}

TEST(MTextRunsFormat, LineSwitchesTurnOnAndOff) {
  const std::vector<MTextParagraph> paragraphs = parsed("\\La\\O\\Kb\\l\\oc\\kd");
  ASSERT_EQ(paragraphs.size(), 1u);
  const std::vector<MTextPiece>& pieces = paragraphs[0].pieces;
  ASSERT_EQ(pieces.size(), 4u);
  const struct {
    bool under, over, through;
  } expected[] = {
      {true, false, false}, {true, true, true}, {false, false, true}, {false, false, false}};
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(pieces[i].format.underline, expected[i].under);
    EXPECT_EQ(pieces[i].format.overline, expected[i].over);
    EXPECT_EQ(pieces[i].format.strikeThrough, expected[i].through);
  }
}

TEST(MTextRunsPieces, BlanksTabsAndGluedWords) {
  const std::vector<MTextParagraph> paragraphs = parsed("ab\\~c d^Ie\\S1/2;{f}");
  ASSERT_EQ(paragraphs.size(), 1u);
  const std::vector<MTextPiece>& pieces = paragraphs[0].pieces;
  const std::vector<Kind> kinds = {
      Kind::kWord, Kind::kNonBreakingSpace, Kind::kWord, Kind::kSpace, Kind::kWord, Kind::kTab,
      Kind::kWord};
  ASSERT_EQ(pieces.size(), kinds.size());
  for (std::size_t i = 0; i < kinds.size(); ++i) EXPECT_EQ(pieces[i].kind, kinds[i]) << i;
  // A fraction and a word in braces of the same format are glued to the word before.
  EXPECT_EQ(pieces.back().text, "e1/2f");
  EXPECT_EQ(MTextRuns::plainText(paragraphs[0]), "ab c d\te1/2f");
}

TEST(MTextRunsParagraphs, BreaksEndParagraphsAndColumnBreaksTheirColumns) {
  const std::vector<MTextParagraph> paragraphs = parsed("a\\Pb\\Nc^Jd");
  ASSERT_EQ(paragraphs.size(), 4u);
  const bool endsColumn[] = {false, true, false, false};
  const char* texts[] = {"a", "b", "c", "d"};
  for (std::size_t i = 0; i < paragraphs.size(); ++i) {
    EXPECT_EQ(MTextRuns::plainText(paragraphs[i]), texts[i]);
    EXPECT_EQ(paragraphs[i].endsColumn, endsColumn[i]) << i;
  }
}

TEST(MTextRunsParagraphs, ParagraphCodesSetIndentsAlignmentAndTabs) {
  struct Case {
    const char* value;
    double first, left, right;
    MTextParagraphAlign align;
    std::vector<double> tabs;
  };
  using A = MTextParagraphAlign;
  for (const Case& c :
       {Case{"\\pxi-3,l4t4;w", -3, 4, 0, A::kDefault, {4}},
        Case{"\\pi2,l1,r3;w", 2, 1, 3, A::kDefault, {}}, Case{"\\pxqr;w", 0, 0, 0, A::kRight, {}},
        Case{"\\pxqc;w", 0, 0, 0, A::kCentre, {}}, Case{"\\pxi0,qj;w", 0, 0, 0, A::kJustified, {}},
        Case{"\\pqd;w", 0, 0, 0, A::kJustified, {}},
        Case{"\\pxqr;\\pq*;w", 0, 0, 0, A::kDefault, {}},
        Case{"\\pt4,c8,r12;w", 0, 0, 0, A::kDefault, {4, 8, 12}},
        Case{"\\pi1,l2,t3;\\pi*,l*,t;w", 0, 0, 0, A::kDefault, {}}}) {
    SCOPED_TRACE(c.value);
    const std::vector<MTextParagraph> paragraphs = parsed(c.value);
    ASSERT_EQ(paragraphs.size(), 1u);
    const MTextParagraphFormat& format = paragraphs[0].format;
    EXPECT_DOUBLE_EQ(format.firstIndent, c.first);
    EXPECT_DOUBLE_EQ(format.leftIndent, c.left);
    EXPECT_DOUBLE_EQ(format.rightIndent, c.right);
    EXPECT_EQ(format.align, c.align);
    ASSERT_EQ(format.tabs.size(), c.tabs.size());
    for (std::size_t i = 0; i < c.tabs.size(); ++i)
      EXPECT_DOUBLE_EQ(format.tabs[i].position, c.tabs[i]);
  }
  const MTextParagraphFormat stops = parsed("\\pxt4,c8,r12,d16.5;w")[0].format;
  ASSERT_EQ(stops.tabs.size(), 4u);
  EXPECT_EQ(stops.tabs[0].kind, MTextTabStop::Kind::kLeft);
  EXPECT_EQ(stops.tabs[1].kind, MTextTabStop::Kind::kCentre);
  EXPECT_EQ(stops.tabs[2].kind, MTextTabStop::Kind::kRight);
  EXPECT_EQ(stops.tabs[3].kind, MTextTabStop::Kind::kDecimal);
  EXPECT_DOUBLE_EQ(stops.tabs[3].position, 16.5);
}

TEST(MTextRunsParagraphs, ParagraphFormatCarriesOnUntilChanged) {
  // Set inside braces, it holds for its paragraph, and the next ones get the outer one.
  const std::vector<MTextParagraph> paragraphs = parsed("\\pqr;a\\P{\\pqc;b}\\Pc");
  ASSERT_EQ(paragraphs.size(), 3u);
  EXPECT_EQ(paragraphs[0].format.align, MTextParagraphAlign::kRight);
  EXPECT_EQ(paragraphs[1].format.align, MTextParagraphAlign::kCentre);
  EXPECT_EQ(paragraphs[2].format.align, MTextParagraphAlign::kRight);
}

TEST(MTextRunsFormat, DeepBracesShareTheInnermostFormat) {
  std::string value;
  for (std::size_t i = 0; i < MTextRuns::kMaxNesting + 10; ++i) value += "{\\H3;";
  value += "w";
  for (std::size_t i = 0; i < MTextRuns::kMaxNesting + 10; ++i) value += "}";
  value += "\\H4;x";
  const std::vector<MTextParagraph> paragraphs = parsed(value);
  ASSERT_EQ(paragraphs[0].pieces.size(), 2u);
  EXPECT_DOUBLE_EQ(paragraphs[0].pieces[0].format.height, 3.0);
  EXPECT_DOUBLE_EQ(paragraphs[0].pieces[1].format.height, 4.0);
}

}  // namespace
