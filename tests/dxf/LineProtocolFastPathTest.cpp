// Tests that the quick roads of the line protocol (short lines, plain code lines, ordinary
// decimals) give exactly what the general rules give, over many generated and odd inputs.
#include <locale.h>
#include <stdlib.h>

#include <bit>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dxf/GroupLines.h"
#include "TestSupport.h"

namespace {

// strtod in the "C" locale: the rule every real conversion must follow to the bit.
double referenceReal(const std::string& text) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  const int saved = errno;
  const double value = strtod_l(text.c_str(), nullptr, c);
  errno = saved;
  return value;
}

// Equal as strtod's result: the same bits, or both not a number.
::testing::AssertionResult sameReal(const std::string& text, double value) {
  const double expected = referenceReal(text);
  if (std::isnan(expected) && std::isnan(value)) return ::testing::AssertionSuccess();
  if (std::bit_cast<std::uint64_t>(expected) == std::bit_cast<std::uint64_t>(value)) {
    return ::testing::AssertionSuccess();
  }
  char message[160];
  std::snprintf(message, sizeof message, "\"%s\": %.17g instead of %.17g", text.c_str(), value,
                expected);
  return ::testing::AssertionFailure() << message;
}

// parseReal on the text, and readReal on it as a line: after a longer line of digits, so
// that the line buffer holds stale digits behind it; and followed by more lines of digits
// (LF or CR LF), which a reader of the line must not run into.
::testing::AssertionResult bothRoadsMatch(const std::string& text) {
  if (auto plain = sameReal(text, parseReal(text.c_str())); !plain) return plain;
  if (text.find('\n') != std::string::npos || text.size() > 99) {
    return ::testing::AssertionSuccess();
  }
  const std::string digitLines = "  1234567890123456789\n98765.4321e5\n 0.5\n";
  const std::string inputs[] = {std::string(99, '7') + "\n" + text + "\n", text + "\n" + digitLines,
                                text + "\r\n" + digitLines};
  for (const std::string& input : inputs) {
    auto in = DxfLineReader::fromString(input);
    if (&input == &inputs[0]) in.readLine();
    if (auto line = sameReal(text, in.readReal()); !line) return line;
  }
  return ::testing::AssertionSuccess();
}

std::string digits(std::mt19937_64& random, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += static_cast<char>('0' + random() % 10);
  return text;
}

TEST(RealConversion, OddTextsReadAsStrtodReadsThem) {
  const char* const texts[] = {"",
                               " ",
                               "+",
                               "-",
                               ".",
                               "-.",
                               "+.",
                               "e5",
                               ".e5",
                               "0x1p3",
                               "0X1P-3",
                               "-0x10",
                               "+0x.8",
                               "0x",
                               "00x10",
                               "inf",
                               "-Infinity",
                               "+inf",
                               "nan",
                               "-nan",
                               "nan(123)",
                               "infx",
                               "1e",
                               "1e+",
                               "1e-",
                               "1E+5x",
                               "1.5.5",
                               "0.0",
                               "-0",
                               "-0.0e10",
                               "-0e999999999999",
                               "1e-400",
                               "4.9e-324",
                               "2.4703282292062327e-324",
                               "2.2250738585072011e-308",
                               "2.2250738585072014e-308",
                               "1.7976931348623157e308",
                               "1.7976931348623159e308",
                               "9007199254740993",
                               "9007199254740992",
                               "9007199254740991.5",
                               "18446744073709551615",
                               "18446744073709551616",
                               "0.1",
                               "0.30000000000000004",
                               "123456789012345678901234567890",
                               "10000000000000000000000000",
                               "0.000000000000000000000000000001",
                               "1e22",
                               "1e23",
                               "9007199254740993e-22",
                               "1234567890123456789e-3",
                               "12345678901234567890e-10",
                               "3.14159265358979323846264338327950288",
                               "\t\n\v\f\r 5",
                               "  +.5",
                               "+-1",
                               "-+1",
                               "--1",
                               "1,5",
                               "1_000",
                               " 1 2",
                               "\xd9\xa1",
                               "\x80\xff",
                               "0e99999999999",
                               "1e99999999999",
                               "1e-99999999999",
                               ".0000000000000000000000001e25",
                               "00000000000000000000000000001.5",
                               "1.50000000000000000000000000",
                               "99999999999999999999e-20",
                               "5e-324",
                               "1e308x",
                               "12345678",
                               "123456789",
                               "1234567.8",
                               "12345678.9",
                               "0.12345678",
                               "-12345678.12345678"};
  for (const char* text : texts) EXPECT_TRUE(bothRoadsMatch(text));
}

TEST(RealConversion, GeneratedDecimalsReadAsStrtodReadsThem) {
  std::mt19937_64 random(20240611);
  const std::string blanks[] = {"", "", "", " ", "  ", "\t"};
  const std::string signs[] = {"", "", "-", "+"};
  const std::string tails[] = {"", "", "", "x", " ", ".", "e", "E+", "-", ",5", "\r"};
  for (int i = 0; i < 200000; ++i) {
    std::string text = blanks[random() % 6] + signs[random() % 4];
    text += digits(random, static_cast<int>(random() % 23));
    if (random() % 4 != 0) {
      text += '.';
      text += digits(random, static_cast<int>(random() % 23));
    }
    if (random() % 5 == 0) {
      text += random() % 2 ? "e" : "E";
      text += signs[random() % 4];
      text += digits(random, static_cast<int>(random() % 5));
    }
    text += tails[random() % 11];
    ASSERT_TRUE(bothRoadsMatch(text));
  }
}

TEST(RealConversion, WrittenDoublesReadBackAsStrtodReadsThem) {
  std::mt19937_64 random(77);
  const char* const formats[] = {"%.17g", "%.6f", "%g", "%.3e", "%.15g", "%.12f", "%.0f"};
  for (int i = 0; i < 100000; ++i) {
    const double magnitude = std::ldexp(static_cast<double>(random() >> 11) / 9007199254740992.0,
                                        static_cast<int>(random() % 120) - 60);
    char text[64];
    std::snprintf(text, sizeof text, formats[random() % 7], random() % 2 ? magnitude : -magnitude);
    ASSERT_TRUE(bothRoadsMatch(text));
  }
}

// Decimals of 16 to 19 significant digits right beside the points halfway between two
// doubles, where a conversion that rounds twice goes wrong.
TEST(RealConversion, DecimalsNearlyHalfwayBetweenDoublesReadAsStrtodReadsThem) {
  std::mt19937_64 random(1234);
  const char* const formats[] = {"%.15Le", "%.16Le", "%.17Le", "%.18Le", "%.18Lf", "%.12Lf"};
  for (int i = 0; i < 100000; ++i) {
    const double magnitude = std::ldexp(static_cast<double>(random() >> 11) / 9007199254740992.0,
                                        static_cast<int>(random() % 100) - 40);
    const long double halfway =
        (static_cast<long double>(magnitude) + std::nextafter(magnitude, 1e300)) / 2;
    char text[80];
    std::snprintf(text, sizeof text, formats[random() % 6], halfway);
    ASSERT_TRUE(bothRoadsMatch(text));
  }
}

TEST(RealConversion, ScrambledTextsReadAsStrtodReadsThem) {
  std::mt19937_64 random(5);
  // Digits, the characters right beside them ('/' and ':'), and what numbers are made of.
  const std::string alphabet = "0123456789000/:.eE+-xXpPaAfFiInNtTyY() \t\x80\xb0\xb9";
  for (int i = 0; i < 200000; ++i) {
    std::string text;
    const auto length = random() % 31;
    for (std::size_t k = 0; k < length; ++k) text += alphabet[random() % alphabet.size()];
    ASSERT_TRUE(bothRoadsMatch(text));
  }
}

TEST(RealConversion, BlankValueLinesReadAsZeroAndLeaveTheNextLine) {
  auto in = DxfLineReader::fromString(std::string("   \n 10\n\t\r\n7.5\n\n2\n").append(40, '#'));
  EXPECT_EQ(in.readReal(), 0.0);
  EXPECT_STREQ(in.readLine(), " 10");
  EXPECT_EQ(in.readReal(), 0.0);
  EXPECT_EQ(in.readReal(), 7.5);
  EXPECT_EQ(in.readReal(), 0.0);
  EXPECT_EQ(in.readReal(), 2.0);
}

TEST(RealConversion, NumbersAtTheEndOfAFullLineBuffer) {
  for (int blanks = 80; blanks <= 98; ++blanks) {
    for (const std::string number : {"7", "12345678", "1234567.8", "-0.125", "123456789012"}) {
      std::string line = std::string(static_cast<std::size_t>(blanks), ' ') + number;
      line.resize(std::min<std::size_t>(line.size(), 99));
      auto in = DxfLineReader::fromString(std::string(99, '9') + "\n" + line + "\n");
      in.readLine();
      EXPECT_TRUE(sameReal(line, in.readReal()));
    }
  }
}

// The group code rule written out plainly: one to nine digits with blanks around them are
// that code; otherwise the value is atoi of the line (clamped), and a line that reads as 0
// is code 0 only as the variant says.
int referenceCode(const std::string& line, GroupCodeVariant variant) {
  const std::size_t first = line.find_first_not_of(' ');
  if (first != std::string::npos) {
    const std::size_t afterDigits = line.find_first_not_of("0123456789", first);
    const std::size_t count =
        (afterDigits == std::string::npos ? line.size() : afterDigits) - first;
    const bool blanksAfter = afterDigits == std::string::npos ||
                             line.find_first_not_of(' ', afterDigits) == std::string::npos;
    if (count >= 1 && count <= 9 && blanksAfter) return std::stoi(line.substr(first, count));
  }
  const int saved = errno;
  const long long read = std::strtoll(line.c_str(), nullptr, 10);
  errno = saved;
  const int value =
      static_cast<int>(std::min<long long>(std::max<long long>(read, INT_MIN), INT_MAX));
  if (line.empty() || line[0] != ' ') {
    const bool entityCode = value == 100 || value == 210 || value == 220 || value == 230;
    return variant == GroupCodeVariant::Entity && entityCode ? value : -1;
  }
  if (value != 0) return value;
  if (variant == GroupCodeVariant::LinetypeDimension) {
    return line.find_first_not_of("0 ", 1) == std::string::npos ? 0 : -1;
  }
  return line.find('0') != std::string::npos ? 0 : -1;
}

const GroupCodeVariant kVariants[] = {GroupCodeVariant::Standard, GroupCodeVariant::Entity,
                                      GroupCodeVariant::LinetypeDimension};

std::vector<std::string> generatedCodeLines(int count) {
  std::mt19937_64 random(11);
  const std::string starts[] = {" ", "  ", "   ", "", "\t", " \t", "x", " -", " +"};
  const std::string tails[] = {"", "", "", " ", "x", "0", ".5", "\t", " 1", "\r"};
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    lines.push_back(starts[random() % 9] + digits(random, static_cast<int>(random() % 13)) +
                    tails[random() % 10]);
  }
  return lines;
}

TEST(GroupCodeRecognition, GeneratedLinesFollowTheRuleInEveryVariant) {
  for (const std::string& line : generatedCodeLines(100000)) {
    for (const GroupCodeVariant variant : kVariants) {
      ASSERT_EQ(groupCode(line.c_str(), variant), referenceCode(line, variant))
          << '"' << line << '"';
    }
  }
}

TEST(GroupCodeRecognition, CodesReadWithTheirLinesFollowTheRule) {
  // readGroupCode reads a short line where it stands in the data, ended by its newline or
  // carriage return; the lines after it must not count.
  const auto lines = generatedCodeLines(30000);
  for (const GroupCodeVariant variant : kVariants) {
    std::string text;
    for (const std::string& line : lines) text += line + (line.size() % 3 == 0 ? "\r\n" : "\n");
    auto in = DxfLineReader::fromString(text);
    for (const std::string& line : lines) {
      // The line as the reader stores it: one carriage return before the newline goes.
      const std::string stored = line.size() % 3 == 0 || line.empty() || line.back() != '\r'
                                     ? line
                                     : line.substr(0, line.size() - 1);
      ASSERT_EQ(in.readGroupCode(variant), referenceCode(stored, variant)) << '"' << line << '"';
      ASSERT_EQ(std::string(in.line()), stored);
    }
  }
}

// The line rules written out plainly: up to 99 bytes per line, the rest of a longer line
// skipped, one carriage return before the newline dropped when the line fitted.
struct ExpectedLine {
  std::string bytes;
  bool eof;
};

std::vector<ExpectedLine> referenceLines(const std::string& data) {
  std::vector<ExpectedLine> lines;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t newline = data.find('\n', pos);
    const bool last = newline == std::string::npos;
    std::string raw = data.substr(pos, last ? std::string::npos : newline - pos);
    if (raw.size() <= 99 && !raw.empty() && raw.back() == '\r') raw.pop_back();
    if (raw.size() > 99) raw.resize(99);
    lines.push_back({raw, last});
    if (last) return lines;
    pos = newline + 1;
  }
}

std::string generatedLines(std::mt19937_64& random, std::size_t size) {
  const std::string alphabet = std::string("  0123456789.-ABCxyz\r\t\x80\xff") + '\0';
  std::string data;
  while (data.size() < size) {
    const int kind = static_cast<int>(random() % 10);
    const std::size_t length = kind == 0 ? 95 + random() % 40 : random() % 34;
    for (std::size_t k = 0; k < length; ++k) data += alphabet[random() % alphabet.size()];
    if (random() % 4 == 0) data += '\r';
    data += '\n';
  }
  return data + "tail";
}

void expectLinesAsReference(DxfLineReader& in, const std::vector<ExpectedLine>& expected) {
  for (std::size_t i = 0; i < expected.size(); ++i) {
    in.readLine();
    ASSERT_EQ(std::string(in.line(), in.length()), expected[i].bytes) << "line " << i + 1;
    ASSERT_EQ(in.eof(), expected[i].eof) << "line " << i + 1;
  }
  EXPECT_STREQ(in.readLine(), "");
  EXPECT_TRUE(in.eof());
}

TEST(LineReading, EverySourceSplitsGeneratedLinesAsTheRulesSay) {
  std::mt19937_64 random(3);
  const std::string data = generatedLines(random, 300000);  // several blocks of a stream
  const auto expected = referenceLines(data);
  auto bytes = DxfLineReader::fromBytes(data);
  expectLinesAsReference(bytes, expected);
  std::istringstream stream(data);
  auto streamed = DxfLineReader::fromStream(stream);
  expectLinesAsReference(streamed, expected);
  testsupport::TempDir dir;
  testsupport::writeFile(dir.file("lines.dxf"), data);
  auto file = DxfLineReader::openFile(dir.file("lines.dxf"));
  expectLinesAsReference(file, expected);
}

TEST(FieldCopy, CutsToTheFieldAndCopiesOverlappingTextLikeMemmove) {
  char field[6];
  copyField(field, "ABCDEFGHIJ");
  EXPECT_STREQ(field, "ABCDE");
  copyField(field, nullptr);
  EXPECT_STREQ(field, "");
  copyField(field, "xy");
  copyField(field, field);
  EXPECT_STREQ(field, "xy");

  // A text that starts inside the field, and one that starts before it and runs into it.
  char buffer[24] = "0123456789ABCDEFGHIJKLM";
  auto& middle = *reinterpret_cast<char(*)[8]>(buffer + 8);
  copyField(middle, buffer + 10);
  EXPECT_STREQ(middle, "ABCDEFG");
  std::memcpy(buffer, "0123456789ABCDEFGHIJKLM", sizeof buffer);
  copyField(middle, buffer + 3);
  EXPECT_STREQ(middle, "3456789");
  EXPECT_EQ(std::string(buffer, 8), "01234567");
}

}  // namespace
