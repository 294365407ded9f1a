// Tests of linetype entries: reading, writing, element counts and limits.
#include <cstring>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "dxf/GroupLines.h"
#include "dxf/Linientyp.h"

namespace {

int readLinetype(Linientyp& linetype, const std::string& text) {
  auto reader = DxfLineReader::fromString(text);
  return linetype.read(reader);
}

std::string written(const Linientyp& linetype) {
  std::ostringstream out;
  EXPECT_EQ(linetype.write(out), 0);
  return out.str();
}

const char* const kDashed =
    "  2\nDASHED\n 70\n64\n  3\n__ __ __\n 72\n65\n 73\n2\n 40\n0.75\n 49\n0.5\n 49\n-0.25\n"
    "  0\nLTYPE\n";

TEST(Linientyp, ReadsAllGroups) {
  Linientyp linetype;
  ASSERT_EQ(readLinetype(linetype, kDashed), 0);
  EXPECT_STREQ(linetype.name(), "DASHED");
  EXPECT_STREQ(linetype.description(), "__ __ __");
  EXPECT_EQ(linetype.flags(), 64);
  EXPECT_EQ(linetype.elementCount(), 2);
  EXPECT_STREQ(linetype.patternLength(), "0.75");
  ASSERT_EQ(linetype.storedElements(), 2);
  EXPECT_STREQ(linetype.element(0), "0.5");
  EXPECT_STREQ(linetype.element(1), "-0.25");
  EXPECT_STREQ(linetype.element(2), "");
  EXPECT_STREQ(linetype.element(-1), "");
}

TEST(Linientyp, WritesInItsOwnLayout) {
  Linientyp linetype;
  ASSERT_EQ(readLinetype(linetype, kDashed), 0);
  EXPECT_EQ(written(linetype),
            "LTYPE\n  2\nDASHED\n  70\n64\n  3\n__ __ __\n 72\n65\n 73\n2\n 40\n0.75\n"
            " 49\n0.5\n 49\n-0.25\n  0\n");
}

TEST(Linientyp, KeepsMoreElementsThanCountedButWritesOnlyTheCount) {
  Linientyp linetype;
  ASSERT_EQ(readLinetype(linetype, "  2\nX\n 73\n2\n 49\n1\n 49\n2\n 49\n3\n  0\n"), 0);
  EXPECT_EQ(linetype.storedElements(), 3);
  const std::string text = written(linetype);
  EXPECT_NE(text.find(" 49\n2\n"), std::string::npos);
  EXPECT_EQ(text.find(" 49\n3\n"), std::string::npos);
}

// Every pattern value line holds a number, since other readers refuse the file otherwise.
TEST(Linientyp, PatternValuesWithoutANumberAreWrittenAsNumbers) {
  const struct {
    const char* groups;
    const char* pattern;
  } cases[] = {
      {" 73\n3\n 49\n1\n  0\n", " 40\n0.0\n 49\n1\n 49\n0.0\n 49\n0.0\n"},
      {" 73\n1\n 40\n\n 49\n\n  0\n", " 40\n0.0\n 49\n0.0\n"},
      {" 73\n2\n 40\n  \n 49\n -0.25 \n 49\n2.5mm\n  0\n", " 40\n0.0\n 49\n -0.25 \n 49\n2.5\n"},
      {" 73\n1\n 40\n1e3\n 49\n-2\n  0\n", " 40\n1e3\n 49\n-2\n"},
  };
  for (const auto& c : cases) {
    Linientyp linetype;
    ASSERT_EQ(readLinetype(linetype, c.groups), 0) << c.groups;
    const std::string text = written(linetype);
    EXPECT_EQ(text.substr(text.find(" 40\n"), std::strlen(c.pattern) + 4),
              std::string(c.pattern) + "  0\n")
        << c.groups;
  }
}

TEST(Linientyp, AtMostFiftyElementsAreKeptAndWritten) {
  std::string text = " 73\n999\n";
  for (int i = 0; i < 60; ++i) text += " 49\n" + std::to_string(i) + "\n";
  text += "  0\n";
  Linientyp linetype;
  ASSERT_EQ(readLinetype(linetype, text), 0);
  EXPECT_EQ(linetype.storedElements(), Linientyp::kMaxElements);
  EXPECT_STREQ(linetype.element(49), "49");
  const std::string out = written(linetype);
  int elements = 0;
  for (std::size_t at = out.find(" 49\n"); at != std::string::npos;
       at = out.find(" 49\n", at + 1)) {
    ++elements;
  }
  EXPECT_EQ(elements, Linientyp::kMaxElements);
}

TEST(Linientyp, BlankLineEndsTheEntryAsCodeZero) {
  Linientyp linetype;
  // The linetype rule takes a line of blanks as code 0.
  auto reader = DxfLineReader::fromString("  2\nA\n   \nLTYPE\n");
  ASSERT_EQ(linetype.read(reader), 0);
  EXPECT_STREQ(reader.readLine(), "LTYPE");
}

TEST(Linientyp, DivideIsRenamed) {
  Linientyp linetype;
  ASSERT_EQ(readLinetype(linetype, "  2\nDIVIDE\n  0\n"), 0);
  EXPECT_STREQ(linetype.name(), "GETRENNT");
}

TEST(Linientyp, EndOfFileInsideTheEntryFails) {
  Linientyp linetype;
  EXPECT_EQ(readLinetype(linetype, "  2\nDASHED\n 73\n"), Linientyp::kEndOfFile);
}

TEST(Linientyp, CopyTakesTheCountedElements) {
  Linientyp source;
  ASSERT_EQ(readLinetype(source, "  2\nX\n 70\n1\n 73\n1\n 49\n1\n 49\n2\n  0\n"), 0);
  const Linientyp copy(source);
  EXPECT_STREQ(copy.name(), "X");
  EXPECT_EQ(copy.flags(), 1);
  EXPECT_EQ(copy.elementCount(), 1);
  EXPECT_EQ(copy.storedElements(), 1);
  EXPECT_STREQ(copy.element(0), "1");
  EXPECT_STREQ(copy.element(1), "");
}

}  // namespace

namespace {

// A complex linetype: a dash, a gap carrying a text, a gap carrying a shape, a dash.
const char* const kWithTextAndShape =
    "  2\nPIPE\n 70\n0\n  3\n-- GAS --\n 72\n65\n 73\n4\n 40\n5.75\n"
    " 49\n1.75\n 74\n0\n"
    " 49\n-0.25\n 74\n3\n 75\n0\n340\n11\n 46\n0.625\n 50\n15.0\n 44\n0.1\n 45\n-0.3\n  9\nGAS\n"
    " 49\n-2.0\n 74\n4\n 75\n132\n340\n12\n 46\n0.5\n"
    " 49\n1.75\n 74\n0\n  0\nLTYPE\n";

}  // namespace

TEST(Linientyp, ElementsKeepTheTextsAndShapesTheyCarry) {
  Linientyp linetype;
  ASSERT_EQ(readLinetype(linetype, kWithTextAndShape), 0);
  ASSERT_EQ(linetype.storedElements(), 4);
  const auto& texts = linetype.elementTexts();
  ASSERT_EQ(texts.size(), 2U);
  EXPECT_EQ(texts[0].element, 1);
  EXPECT_EQ(texts[0].flags, Linientyp::kAbsoluteRotation | Linientyp::kCarriesText);
  EXPECT_DOUBLE_EQ(texts[0].scale, 0.625);
  EXPECT_DOUBLE_EQ(texts[0].rotation, 15.0);
  EXPECT_DOUBLE_EQ(texts[0].offsetX, 0.1);
  EXPECT_DOUBLE_EQ(texts[0].offsetY, -0.3);
  EXPECT_EQ(texts[0].text, "GAS");
  EXPECT_EQ(texts[1].element, 2);
  EXPECT_EQ(texts[1].flags, Linientyp::kCarriesShape);
  EXPECT_DOUBLE_EQ(texts[1].scale, 0.5);
  // A copy draws the same.
  const Linientyp copy(linetype);
  ASSERT_EQ(copy.elementTexts().size(), 2U);
  EXPECT_EQ(copy.elementTexts()[0].text, "GAS");
}
