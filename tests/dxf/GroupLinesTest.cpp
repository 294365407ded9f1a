// Tests of the DXF line reader, the group code recognisers and number conversion.
#include <cmath>
#include <climits>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dxf/GroupLines.h"
#include "TestSupport.h"

namespace {

// Every line of the reader until eof(), with the eof state after each read.
std::vector<std::string> allLines(DxfLineReader& reader) {
  std::vector<std::string> lines;
  for (int guard = 0; guard < 1000; ++guard) {
    const char* line = reader.readLine();
    if (reader.eof()) {
      if (line[0] != '\0') lines.push_back(std::string(line) + "<eof>");
      break;
    }
    lines.emplace_back(line);
  }
  return lines;
}

TEST(DxfLineReader, ReadsWholeLinesWithoutTheirNewlines) {
  auto reader = DxfLineReader::fromString("  0\nSECTION\n  LINE  \n\t10\nEOF");
  EXPECT_EQ(allLines(reader),
            (std::vector<std::string>{"  0", "SECTION", "  LINE  ", "\t10", "EOF<eof>"}));
}

TEST(DxfLineReader, CarriageReturnBeforeNewlineIsDropped) {
  auto reader = DxfLineReader::fromString(" 10\r\n1.5\r\n\r\nx\r\r\n");
  // Only one carriage return right before the newline goes, as text mode does.
  EXPECT_EQ(allLines(reader), (std::vector<std::string>{" 10", "1.5", "", "x\r"}));
}

TEST(DxfLineReader, EndOfFileOnlyAfterReadingPastTheLastNewline) {
  auto reader = DxfLineReader::fromString("a\n");
  EXPECT_STREQ(reader.readLine(), "a");
  EXPECT_FALSE(reader.eof());
  EXPECT_STREQ(reader.readLine(), "");
  EXPECT_TRUE(reader.eof());
  // Reading on stays at the end without failing.
  EXPECT_STREQ(reader.readLine(), "");
  EXPECT_TRUE(reader.eof());
}

TEST(DxfLineReader, EmptyInputIsAtEndBeforeAnyRead) {
  auto empty = DxfLineReader::fromString("");
  EXPECT_TRUE(empty.atEnd());
  EXPECT_FALSE(empty.eof());
  auto oneLine = DxfLineReader::fromString("x\n");
  EXPECT_FALSE(oneLine.atEnd());
  EXPECT_STREQ(oneLine.readLine(), "x");
  EXPECT_TRUE(oneLine.atEnd());
}

TEST(DxfLineReader, OverlongLinesKeepTheirFirst99CharactersAndSkipTheRest) {
  auto reader =
      DxfLineReader::fromString("B" + std::string(150, 'A') + "\nnext\n" + std::string(500, 'q'));
  EXPECT_EQ(std::string(reader.readLine()), "B" + std::string(98, 'A'));
  EXPECT_STREQ(reader.readLine(), "next");
  EXPECT_EQ(std::string(reader.readLine()), std::string(99, 'q'));
  EXPECT_TRUE(reader.eof());
}

TEST(DxfLineReader, LineOf99CharactersFitsWithItsCarriageReturn) {
  const std::string exact(99, 'x');
  auto reader = DxfLineReader::fromString(exact + "\r\n" + std::string(100, 'y') + "\r\nz\n");
  EXPECT_EQ(std::string(reader.readLine()), exact);
  EXPECT_EQ(std::string(reader.readLine()), std::string(99, 'y'));
  EXPECT_STREQ(reader.readLine(), "z");
}

// Text values keep up to 255 characters, every other line 99; the rest is skipped either
// way, and a carriage return goes only from a line kept whole.
TEST(DxfLineReader, TextValueLinesKeep255CharactersOtherLines99) {
  const struct {
    std::size_t length;
    bool asText;
    std::size_t kept;
  } cases[] = {
      {99, false, 99},  {100, false, 99}, {150, true, 150},
      {255, true, 255}, {256, true, 255}, {600, true, 255},
  };
  for (const auto& c : cases) {
    for (const std::string ending : {"\n", "\r\n"}) {
      auto reader = DxfLineReader::fromString(std::string(c.length, 't') + ending + "next\n");
      const std::string line = c.asText ? reader.readTextLine() : reader.readLine();
      EXPECT_EQ(line, std::string(c.kept, 't')) << c.length << (c.asText ? " text" : "");
      EXPECT_STREQ(reader.readLine(), "next") << c.length;
    }
  }
}

TEST(DxfLineReader, NulBytesAndBinaryDataDoNotDerailTheReader) {
  std::string bytes("A\0B\n", 4);
  for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
  bytes += "\nlast\n";
  auto reader = DxfLineReader::fromBytes(bytes);
  EXPECT_STREQ(reader.readLine(), "A");
  EXPECT_EQ(reader.length(), 3u);
  int lines = 1;
  while (!reader.eof() && lines < 100) {
    reader.readLine();
    ++lines;
  }
  EXPECT_TRUE(reader.eof());
  EXPECT_EQ(reader.lineNumber(), 5);
}

TEST(DxfLineReader, StreamSourceJoinsLinesAcrossBlocks) {
  // More than one 64 KiB block, with lines straddling the block boundaries.
  std::string text;
  for (int i = 0; i < 20000; ++i) text += " 10\r\n" + std::to_string(i) + ".25\r\n";
  std::istringstream in(text);
  auto reader = DxfLineReader::fromStream(in);
  int pairs = 0;
  bool inStep = true;
  for (;;) {
    const std::string code = reader.readLine();
    if (reader.eof()) break;
    const std::string value = reader.readLine();
    inStep = inStep && code == " 10" && value == std::to_string(pairs) + ".25";
    ++pairs;
  }
  EXPECT_TRUE(inStep);
  EXPECT_EQ(pairs, 20000);
}

TEST(DxfLineReader, FileSourceAndMissingFile) {
  testsupport::TempDir dir;
  testsupport::writeFile(dir.file("a.dxf"), "  0\r\nEOF\r\n");
  auto reader = DxfLineReader::openFile(dir.file("a.dxf"));
  ASSERT_TRUE(reader.isOpen());
  EXPECT_STREQ(reader.readLine(), "  0");
  EXPECT_STREQ(reader.readLine(), "EOF");
  reader.readLine();
  EXPECT_TRUE(reader.eof());

  auto missing = DxfLineReader::openFile(dir.file("none.dxf"));
  EXPECT_FALSE(missing.isOpen());
  missing.readLine();
  EXPECT_TRUE(missing.eof());
}

TEST(DxfLineReader, CrLfFileReadsLikeItsLfCopy) {
  const auto path = testsupport::dataPath("insert-recursive-pair.dxf");
  std::string lf = testsupport::readFile(path);
  ASSERT_NE(lf.find("\r\n"), std::string::npos);
  for (std::size_t at = lf.find('\r'); at != std::string::npos; at = lf.find('\r', at)) {
    lf.erase(at, 1);
  }
  auto crlfReader = DxfLineReader::openFile(path);
  auto lfReader = DxfLineReader::fromString(lf);
  const auto lines = allLines(crlfReader);
  EXPECT_EQ(lines, allLines(lfReader));
  EXPECT_GT(lines.size(), 50u);
}

TEST(MatchCode, TheCodeWithAnyBlanksAroundIt) {
  EXPECT_TRUE(matchCode(" 10", 10));
  EXPECT_TRUE(matchCode("  10", 10));
  EXPECT_TRUE(matchCode("  0", 0));
  EXPECT_TRUE(matchCode("10", 10));
  EXPECT_TRUE(matchCode(" 10 ", 10));
  EXPECT_TRUE(matchCode("0", 0));
  EXPECT_FALSE(matchCode("\t10", 10));
  EXPECT_FALSE(matchCode(" 100", 10));
  EXPECT_FALSE(matchCode(" 010", 10));
  EXPECT_FALSE(matchCode(" ", 0));
  EXPECT_FALSE(matchCode("", 0));
}

TEST(GroupCode, StandardRule) {
  EXPECT_EQ(groupCode(" 10"), 10);
  EXPECT_EQ(groupCode("  10"), 10);
  EXPECT_EQ(groupCode(" 10 "), 10);
  EXPECT_EQ(groupCode("10"), 10);
  EXPECT_EQ(groupCode("10  "), 10);
  EXPECT_EQ(groupCode("0"), 0);
  EXPECT_EQ(groupCode("10x"), -1);
  EXPECT_EQ(groupCode("\t10"), -1);
  EXPECT_EQ(groupCode(" 0"), 0);
  EXPECT_EQ(groupCode("  0"), 0);
  EXPECT_EQ(groupCode("  "), -1);
  EXPECT_EQ(groupCode(" x0"), 0);  // reads as 0 and holds a '0'
  EXPECT_EQ(groupCode(" abc"), -1);
  EXPECT_EQ(groupCode(""), -1);
  EXPECT_EQ(groupCode(" 99999999999999"), INT_MAX);
}

TEST(GroupCode, EntityRuleAcceptsFourUnindentedOddCodes) {
  const auto entity = GroupCodeVariant::Entity;
  EXPECT_EQ(groupCode("100", entity), 100);
  EXPECT_EQ(groupCode("210", entity), 210);
  EXPECT_EQ(groupCode("220x", entity), 220);
  EXPECT_EQ(groupCode("230 y", entity), 230);
  EXPECT_EQ(groupCode("10x", entity), -1);
  EXPECT_EQ(groupCode("10", entity), 10);
  EXPECT_EQ(groupCode("0", entity), 0);
  EXPECT_EQ(groupCode(" 10", entity), 10);
  EXPECT_EQ(groupCode("  ", entity), -1);
}

TEST(GroupCode, LinetypeRuleTakesBlanksAndZerosAsCodeZero) {
  const auto linetype = GroupCodeVariant::LinetypeDimension;
  EXPECT_EQ(groupCode("  ", linetype), 0);
  EXPECT_EQ(groupCode(" 0", linetype), 0);
  EXPECT_EQ(groupCode(" 0 0", linetype), 0);
  EXPECT_EQ(groupCode(" x0", linetype), -1);
  EXPECT_EQ(groupCode(" 72", linetype), 72);
  EXPECT_EQ(groupCode("65", linetype), 65);
  EXPECT_EQ(groupCode("100x", linetype), -1);
}

TEST(Numbers, RealsFollowStrtod) {
  EXPECT_DOUBLE_EQ(parseReal(" 1.5"), 1.5);
  EXPECT_DOUBLE_EQ(parseReal("-2.25e2xyz"), -225.0);
  EXPECT_DOUBLE_EQ(parseReal("+3"), 3.0);
  EXPECT_DOUBLE_EQ(parseReal("abc"), 0.0);
  EXPECT_DOUBLE_EQ(parseReal(""), 0.0);
  EXPECT_DOUBLE_EQ(parseReal("+-1"), 0.0);
  EXPECT_DOUBLE_EQ(parseReal("1,5"), 1.0);  // the decimal separator is the point
  EXPECT_DOUBLE_EQ(parseReal("0x10"), 16.0);
  EXPECT_DOUBLE_EQ(parseReal("1e308"), 1e308);
  EXPECT_TRUE(std::isinf(parseReal("1e999")));
  EXPECT_TRUE(std::isinf(parseReal("-inf")));
  EXPECT_TRUE(std::isnan(parseReal("nan")));
}

TEST(Numbers, IntegersFollowAtoiAndClamp) {
  EXPECT_EQ(parseInt(" 1.5"), 1);
  EXPECT_EQ(parseInt("-7"), -7);
  EXPECT_EQ(parseInt("+12abc"), 12);
  EXPECT_EQ(parseInt("abc"), 0);
  EXPECT_EQ(parseInt("\t 42"), 42);
  EXPECT_EQ(parseInt("99999999999999999999"), INT_MAX);
  EXPECT_EQ(parseInt("-99999999999999999999"), INT_MIN);
  EXPECT_EQ(parseInt("2147483648"), INT_MAX);
  EXPECT_EQ(parseInt("-2147483648"), INT_MIN);
}

}  // namespace
