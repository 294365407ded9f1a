// Tests of the Windows-1252 <-> UTF-8 conversion used at the GTK and Pango boundary.
#include "settings/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string byte(unsigned char b) { return std::string(1, static_cast<char>(b)); }

TEST(Cp1252ToUtf8, LeavesAsciiAlone) {
  EXPECT_EQ(cp1252ToUtf8("M12 x 1,5 - 40"), "M12 x 1,5 - 40");
  EXPECT_EQ(cp1252ToUtf8(""), "");
}

TEST(Cp1252ToUtf8, ConvertsTheDrawingSymbols) {
  EXPECT_EQ(cp1252ToUtf8(byte(0x80)), "\u20AC");             // euro sign
  EXPECT_EQ(cp1252ToUtf8(byte(0xD8) + "12"), "\u00D812");    // diameter
  EXPECT_EQ(cp1252ToUtf8("90" + byte(0xB0)), "90\u00B0");    // degree
  EXPECT_EQ(cp1252ToUtf8(byte(0xB1) + "0,1"), "\u00B10,1");  // plus-minus
  EXPECT_EQ(cp1252ToUtf8(byte(0x95)), "\u2022");             // bullet of the status line
}

TEST(Cp1252ToUtf8, ConvertsUmlautsAndSharpS) {
  const std::string text =
      byte(0xC4) + byte(0xD6) + byte(0xDC) + byte(0xE4) + byte(0xF6) + byte(0xFC) + byte(0xDF);
  EXPECT_EQ(cp1252ToUtf8(text), "\u00C4\u00D6\u00DC\u00E4\u00F6\u00FC\u00DF");
}

TEST(Cp1252ToUtf8, ConvertsEveryDefinedByteOfTheHighControlRange) {
  const char* expected[32] = {"\u20AC", nullptr,  "\u201A", "\u0192", "\u201E", "\u2026", "\u2020",
                              "\u2021", "\u02C6", "\u2030", "\u0160", "\u2039", "\u0152", nullptr,
                              "\u017D", nullptr,  nullptr,  "\u2018", "\u2019", "\u201C", "\u201D",
                              "\u2022", "\u2013", "\u2014", "\u02DC", "\u2122", "\u0161", "\u203A",
                              "\u0153", nullptr,  "\u017E", "\u0178"};
  for (int i = 0; i < 32; ++i) {
    if (!expected[i]) continue;
    EXPECT_EQ(cp1252ToUtf8(byte(static_cast<unsigned char>(0x80 + i))), expected[i])
        << "byte 0x" << std::hex << 0x80 + i;
  }
}

TEST(Cp1252ToUtf8, MapsTheLatin1RangeOntoTheSameCodePoints) {
  for (int b = 0xA0; b <= 0xFF; ++b) {
    const std::string expected = {static_cast<char>(0xC0 | (b >> 6)),
                                  static_cast<char>(0x80 | (b & 0x3F))};
    EXPECT_EQ(cp1252ToUtf8(byte(static_cast<unsigned char>(b))), expected) << "byte " << b;
  }
}

TEST(Cp1252ToUtf8, KeepsUndefinedBytesAsControlCharactersOfTheSameNumber) {
  for (const unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    const std::string utf8 = cp1252ToUtf8(byte(b));
    ASSERT_EQ(utf8.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(utf8[0]), 0xC2);
    EXPECT_EQ(static_cast<unsigned char>(utf8[1]), b);
  }
}

TEST(Cp1252RoundTrip, EveryByteSurvivesTheWayThereAndBack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Utf8ToCp1252, ReplacesCharactersTheCodePageLacks) {
  EXPECT_EQ(utf8ToCp1252("\u4E2D"
                         "a\u03A9"),
            "?a?");
  EXPECT_EQ(utf8ToCp1252("\U0001F600"), "?");
}

TEST(Utf8ToCp1252, ReplacesMalformedSequencesByteByByteWithoutOverreading) {
  EXPECT_EQ(utf8ToCp1252("\x80"), "?");            // lone continuation byte
  EXPECT_EQ(utf8ToCp1252("a\xE2\x82"), "a??");     // cut off at the end
  EXPECT_EQ(utf8ToCp1252("\xC0\x80"), "??");       // overlong NUL
  EXPECT_EQ(utf8ToCp1252("\xED\xA0\x80"), "???");  // surrogate half
  EXPECT_EQ(utf8ToCp1252("\xC3"
                         "A"),
            "?A");  // lead byte without continuation
  EXPECT_EQ(utf8ToCp1252("\xFF"), "?");
}

}  // namespace
