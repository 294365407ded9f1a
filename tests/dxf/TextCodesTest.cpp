// Tests of the special-character codes and the MTEXT formatting cleanup.
#include <gtest/gtest.h>

#include "dxf/TextCodes.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

// The lines of an MTEXT value joined by "|".
std::string shown(std::string_view text) {
  const std::vector<std::string> lines = TextCodes::mtextLines(text);
  std::string joined;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) joined += '|';
    joined += lines[i];
  }
  return joined;
}

TEST(TextCodesSpecials, EveryOccurrenceIsDecoded) {
  EXPECT_EQ(TextCodes::decodeSpecials("45%%d x 45%%d"), "45\xB0 x 45\xB0");
  EXPECT_EQ(TextCodes::decodeSpecials("%%c12 %%C8 %%p0.1 %%P2 %%D"),
            "\xD8"
            "12 \xD8"
            "8 \xB1"
            "0.1 \xB1"
            "2 \xB0");
  EXPECT_EQ(TextCodes::decodeSpecials("\\U+2205 10 \\U+00B0 \\U+00b1 \\U+00B1"),
            "\xD8 10 \xB0 \xB1 \xB1");
}

TEST(TextCodesSpecials, EscapesOfCodePageCharactersBecomeThoseCharacters) {
  EXPECT_EQ(TextCodes::decodeSpecials("\\U+00E4 \\U+20AC \\U+0041"), "\xE4 \x80 A");
  // Control characters and the code page's undefined bytes stay escaped.
  EXPECT_EQ(TextCodes::decodeSpecials("\\U+0009\\U+0081"), "\\U+0009\\U+0081");
}

TEST(TextCodesDrawing, EscapesBeyondTheCodePageBecomeUtf8) {
  EXPECT_EQ(TextCodes::utf8ForDrawing("\xC4 \\U+03B1 \\U+4E2D"), "\xC3\x84 \xCE\xB1 \xE4\xB8\xAD");
  EXPECT_EQ(TextCodes::utf8ForDrawing("\\U+D800 \\U+0000 \\U+12"), "\\U+D800 \\U+0000 \\U+12");
}

TEST(TextCodesSpecials, OtherCodesStayAsWritten) {
  EXPECT_EQ(TextCodes::decodeSpecials("100% %%x %% \\U+03B1 \\U+00B"),
            "100% %%x %% \\U+03B1 \\U+00B");
  EXPECT_EQ(TextCodes::decodeSpecials("%%%c"), "%\xD8");
  EXPECT_EQ(TextCodes::decodeSpecials(""), "");
}

TEST(TextCodesSpecials, EncodingWritesEveryCharacterBack) {
  EXPECT_EQ(TextCodes::encodeSpecials("\xD8"
                                      "12 \xB0 \xB1 \xD8"),
            "%%c12 %%d %%p %%c");
  const std::string chamfer = "45\xB0 x 45\xB0";
  EXPECT_EQ(TextCodes::decodeSpecials(TextCodes::encodeSpecials(chamfer)), chamfer);
}

TEST(TextCodesUtf8, CodePageCharactersBecomeTheirByte) {
  EXPECT_EQ(TextCodes::windows1252FromUtf8("\xC3\x84rger \xC3\x98"
                                           "5 \xE2\x82\xAC 10\xC2\xB0"),
            "\xC4rger \xD8"
            "5 \x80 10\xB0");
}

TEST(TextCodesUtf8, OtherCharactersBecomeEscapes) {
  EXPECT_EQ(TextCodes::windows1252FromUtf8("\xE2\x88\x85"
                                           "4 \xCE\xB1 \xF0\x9F\x98\x80"),
            "\\U+2205"
            "4 \\U+03B1 ?");
  EXPECT_EQ(TextCodes::decodeSpecials(TextCodes::windows1252FromUtf8("\xE2\x88\x85"
                                                                     "4")),
            "\xD8"
            "4");
}

TEST(TextCodesUtf8, BytesThatAreNoUtf8Stay) {
  EXPECT_EQ(TextCodes::windows1252FromUtf8("trac\xE9 \x81 \xC3"), "trac\xE9 ? \xC3");
  EXPECT_EQ(TextCodes::windows1252FromUtf8("\xED\xA0\x80"), "\xED\xA0\x80");
}

TEST(TextCodesMText, ParagraphsAndColumnBreaksStartLinesSpacesBecomeBlanks) {
  EXPECT_EQ(shown("first\\Psecond\\~third\\Nfourth"), "first|second third|fourth");
  EXPECT_EQ(shown("\\P"), "|");
  EXPECT_EQ(shown(""), "");
}

TEST(TextCodesMText, CaretCodesBecomeTheirCharacters) {
  EXPECT_EQ(shown("a^Ib^Jc^ d^M^@e x^2"), "a\tb|c^de x^2");
}

TEST(TextCodesMText, FormattingCodesDisappear) {
  EXPECT_EQ(shown("{\\fArial|b1|i0|c0|p34;bold} text"), "bold text");
  EXPECT_EQ(shown("\\H2.5;big\\H1x;\\C1;red\\c255;"), "bigred");
  EXPECT_EQ(shown("\\A1;\\W0.8;\\Q15;\\T1.2;\\pxi-3,l3;x"), "x");
  EXPECT_EQ(shown("\\Lunder\\l \\Oover\\o \\Kstrike\\k"), "under over strike");
}

TEST(TextCodesMText, EscapedCharactersStay) {
  EXPECT_EQ(shown("a\\\\b \\{c\\} {d}"), "a\\b {c} d");
  EXPECT_EQ(shown("\\U+2205 \\M+1A2B \\z"), "\\U+2205 \\M+1A2B \\z");
}

TEST(TextCodesMText, StackedFractionsKeepTheirNumbers) {
  EXPECT_EQ(shown("\\S1/2;\""), "1/2\"");
  EXPECT_EQ(shown("%%c10\\SH7^h6;"), "%%c10H7/h6");
  EXPECT_EQ(shown("\\S3#4;"), "3/4");
}

TEST(TextCodesMText, UnterminatedCodesEndTheText) {
  EXPECT_EQ(shown("ok\\fArial"), "ok");
  EXPECT_EQ(shown("ok\\S1/2"), "ok1/2");
  EXPECT_EQ(shown("trailing\\"), "trailing\\");
}

}  // namespace

namespace {

// Texts are written as one value line of at most 255 characters, never splitting a code.
TEST(TextCodesValueLine, CutsAt255WithoutSplittingACode) {
  const std::string filler(250, 'x');
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {filler, filler},
      {std::string(255, 'y'), std::string(255, 'y')},
      {std::string(300, 'y'), std::string(255, 'y')},
      {filler + "abc%%c%%d", filler + "abc"},
      {filler + "ab%%c%%d", filler + "ab%%c"},
      {filler + "\\U+2205x", filler},
      {filler + "%%%%%%zz", (filler + "%%%%%%zz").substr(0, 255)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextCodes::valueLine(c.text), c.expected) << c.text.substr(250);
  }
}

}  // namespace
