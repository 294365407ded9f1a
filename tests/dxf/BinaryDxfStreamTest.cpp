// Tests of binary DXF groups turned into text piece by piece, from memory and from a file.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <istream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "dxf/BinaryDxf.h"

namespace {

// Binary groups and the ASCII text they stand for, built side by side.
class Groups {
 public:
  explicit Groups(bool wideCodes) : wide_(wideCodes) { bytes_ = std::string(BinaryDxf::kSentinel); }

  Groups& text(int code, const std::string& value, const std::string& asText) {
    this->code(code);
    bytes_ += value;
    bytes_ += '\0';
    text_ += asText + "\n";
    return *this;
  }
  Groups& text(int code, const std::string& value) { return text(code, value, value); }
  Groups& real(int code, double value, const std::string& asText) {
    this->code(code);
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i) bytes_ += static_cast<char>((bits >> (8 * i)) & 0xFF);
    text_ += asText + "\n";
    return *this;
  }
  Groups& int16(int code, std::int16_t value) {
    this->code(code);
    bytes_ += static_cast<char>(value & 0xFF);
    bytes_ += static_cast<char>((value >> 8) & 0xFF);
    text_ += std::to_string(value) + "\n";
    return *this;
  }
  Groups& chunk(int code, const std::string& value, const std::string& asText) {
    this->code(code);
    bytes_ += static_cast<char>(value.size());
    bytes_ += value;
    text_ += asText + "\n";
    return *this;
  }

  const std::string& bytes() const { return bytes_; }
  const std::string& text() const { return text_; }

 private:
  void code(int value) {
    char line[8];
    std::snprintf(line, sizeof line, "%3d\n", value);
    text_ += line;
    if (!wide_ && value >= 255) bytes_ += '\xFF';
    bytes_ += static_cast<char>(value & 0xFF);
    if (wide_ || value >= 255) bytes_ += static_cast<char>((value >> 8) & 0xFF);
  }

  bool wide_;
  std::string bytes_;
  std::string text_;
};

std::string textOf(BinaryDxfStream& groups) {
  std::istream in(&groups);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A drawing of `lines` LINE records with long layer names, so that groups straddle the
// blocks the file is read in and the pieces the text is made in.
Groups manyLines(bool wide, int lines) {
  Groups groups(wide);
  groups.text(0, "SECTION").text(2, "ENTITIES");
  for (int i = 0; i < lines; ++i) {
    groups.text(0, "LINE")
        .text(8, "LAYER_" + std::string(static_cast<std::size_t>(i % 300), 'x'))
        .real(10, i + 0.5, std::to_string(i) + ".5")
        .real(20, -i - 0.25, "-" + std::to_string(i) + ".25")
        .int16(62, static_cast<std::int16_t>(i % 256));
  }
  groups.text(0, "ENDSEC").text(0, "EOF");
  return groups;
}

TEST(BinaryDxfStream, EveryValueTypeInBothLayouts) {
  for (bool wide : {false, true}) {
    Groups groups(wide);
    groups.text(0, "SECTION")
        .text(2, "ENTITIES")
        .text(1, "two\nlines\r", "two lines ")
        .real(40, 2.5, "2.5")
        .int16(70, -3)
        .chunk(310, std::string("\x01\xAB\x00", 3), "01AB00")
        .real(1010, 1e-3, "0.001")
        .text(0, "EOF");
    const std::string bytes = groups.bytes() + std::string("\x00\x07garbage", 9);
    BinaryDxfStream stream(bytes);
    EXPECT_EQ(textOf(stream), groups.text()) << wide;
    EXPECT_FALSE(stream.damaged());
  }
}

// Large drawings come out whole and the same from memory and from a file, read in blocks.
TEST(BinaryDxfStream, LargeDrawingFromMemoryAndFile) {
  const Groups groups = manyLines(true, 4000);
  ASSERT_GT(groups.bytes().size(), 6U * 64 * 1024);
  BinaryDxfStream fromMemory(groups.bytes());
  EXPECT_EQ(textOf(fromMemory), groups.text());
  EXPECT_FALSE(fromMemory.damaged());

  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(std::fwrite(groups.bytes().data(), 1, groups.bytes().size(), file),
            groups.bytes().size());
  std::rewind(file);
  char sentinel[BinaryDxf::kSentinel.size()];
  ASSERT_EQ(std::fread(sentinel, 1, sizeof sentinel, file), sizeof sentinel);
  BinaryDxfStream fromFile(file);
  EXPECT_EQ(textOf(fromFile), groups.text());
  EXPECT_FALSE(fromFile.damaged());
  EXPECT_EQ(fromFile.readError(), 0);
  std::fclose(file);
}

// Bytes that end inside a group, or that are no groups of either layout, are damaged; the
// text stops where the damage starts.
TEST(BinaryDxfStream, DamageIsReported) {
  // Cuts inside a real value, inside a 16-bit value and inside the last text.
  Groups groups(false);
  groups.text(0, "SECTION").text(2, "ENTITIES").text(0, "LINE").text(8, "EDGE");
  const std::size_t real = groups.bytes().size();
  groups.real(10, 1.5, "1.5");
  const std::size_t integer = groups.bytes().size();
  groups.int16(62, 3).text(0, "ENDSEC").text(0, "EOF");
  const std::string& bytes = groups.bytes();
  for (std::size_t cut : {real + 4, integer + 2, bytes.size() - 2}) {
    const std::string cutBytes = bytes.substr(0, cut);
    BinaryDxfStream stream(cutBytes);
    const std::string text = textOf(stream);
    EXPECT_TRUE(stream.damaged()) << cut;
    EXPECT_LT(text.size(), groups.text().size()) << cut;
    EXPECT_EQ(groups.text().compare(0, text.size(), text), 0) << cut;
  }
  for (const std::string& odd :
       {std::string(BinaryDxf::kSentinel) + "garbage and more", std::string(BinaryDxf::kSentinel),
        std::string("  0\nSECTION\n")}) {
    BinaryDxfStream stream(odd);
    EXPECT_EQ(textOf(stream), "");
    EXPECT_TRUE(stream.damaged());
  }
}

}  // namespace
