// Tests of text styles: the STYLE table's font flags and oblique angle, what texts take from
// their style, and saving them back.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "document/DXFText.h"
#include "document/TextStyles.h"

namespace {

using namespace documenttesting;

// A STYLE entry with its groups and, unless `flags` is negative, the ACAD font flags.
std::string styleEntry(const std::string& name, double oblique, long flags,
                       const std::string& application = "ACAD") {
  std::ostringstream out;
  out << "  0\nSTYLE\n  2\n"
      << name << "\n 70\n0\n 40\n0\n 41\n1.5\n 50\n"
      << oblique << "\n 71\n0\n 42\n2.5\n  3\nfont.ttf\n  4\n\n";
  if (flags >= 0) {
    out << "1001\n" << application << "\n1000\nSome Family\n1071\n" << flags << "\n";
  }
  return out.str();
}

struct StyleCase {
  const char* name;
  std::string entry;
  bool bold, italic;
  double oblique;
};

class StyleEntry : public testing::TestWithParam<StyleCase> {};

TEST_P(StyleEntry, GivesFontFlagsAndObliqueAngle) {
  const StyleCase& c = GetParam();
  TextStyles styles;
  // The entry's groups after its type name, ending on the next record.
  const std::string groups = c.entry.substr(c.entry.find("STYLE\n") + 6) + "  0\nENDTAB\n";
  auto in = DxfLineReader::fromString(groups);
  ASSERT_EQ(styles.read(in, -1), 0);
  const TextStyles::Style* style = styles.find("fancy");
  ASSERT_NE(style, nullptr);
  EXPECT_EQ(style->bold, c.bold);
  EXPECT_EQ(style->italic, c.italic);
  EXPECT_DOUBLE_EQ(style->obliqueDegrees, c.oblique);
  EXPECT_DOUBLE_EQ(style->widthFactor, 1.5);
  EXPECT_EQ(style->fontFile, "font.ttf");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StyleEntry,
    testing::Values(StyleCase{"plain", styleEntry("Fancy", 0, -1), false, false, 0},
                    StyleCase{"boldItalic", styleEntry("FANCY", 15, 0x3000012), true, true, 15},
                    StyleCase{"italicOnly", styleEntry("Fancy", -10, 0x1000022), false, true, -10},
                    StyleCase{"boldOnly", styleEntry("Fancy", 0, 0x2000022), true, false, 0},
                    // Another application's flags are not the font's.
                    StyleCase{"otherApplication", styleEntry("Fancy", 0, 0x3000000, "OTHER"), false,
                              false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StyleTable, LaterEntryOfTheSameNameReplacesTheFirst) {
  TextStyles styles;
  for (const std::string& entry : {styleEntry("A", 5, -1), styleEntry("a", 7, -1)}) {
    auto in = DxfLineReader::fromString(entry.substr(entry.find("STYLE\n") + 6) + "  0\nX\n");
    ASSERT_EQ(styles.read(in, -1), 0);
  }
  ASSERT_EQ(styles.styles().size(), 1u);
  EXPECT_DOUBLE_EQ(styles.find("A")->obliqueDegrees, 7.0);
  EXPECT_EQ(styles.find("B"), nullptr);
}

std::string styledFile(const std::string& entities, const std::string& blocks = "") {
  const std::string table = "  0\nTABLE\n  2\nSTYLE\n 70\n2\n" + styleEntry("Standard", 0, -1) +
                            styleEntry("Fancy", 20, 0x3000012) + "  0\nENDTAB\n";
  std::string file = dxfFile(entities, blocks);
  file.insert(file.find("  0\nTABLE\n  2\nLAYER"), table);
  return file;
}

std::string text(const std::string& groups) {
  return "  0\nTEXT\n  8\n0\n 10\n1\n 20\n2\n 40\n3\n  1\nHello\n" + groups;
}

// What the text calls of a picture draw with: weight, italic and oblique angle.
struct DrawnFont {
  double weight;
  bool italic;
  double oblique;
  bool operator==(const DrawnFont&) const = default;
};

std::ostream& operator<<(std::ostream& out, const DrawnFont& f) {
  return out << "{weight " << f.weight << ", italic " << f.italic << ", oblique " << f.oblique
             << "}";
}

std::vector<DrawnFont> drawnFonts(const DXF_Zeichnung& document) {
  testsupport::RecordingDrawingArea area;
  area.setWorld(-200, -200, 200, 200, 400, 400);
  area.containerSize = {400, 400};
  document.drawAll(area, 1.0);
  std::vector<DrawnFont> fonts;
  for (const auto& call : area.log.named("text_out")) {
    fonts.push_back({call.args[4], call.args[11] != 0.0, call.args[12]});
  }
  return fonts;
}

struct TextCase {
  const char* name;
  std::string groups;
  DrawnFont drawn;
};

class StyledText : public testing::TestWithParam<TextCase> {};

TEST_P(StyledText, TakesItsStylesFontAndSlantAndKeepsThemWhenSavedOrPlaced) {
  const TextCase& c = GetParam();
  auto document = readOk(styledFile(text(c.groups)));
  EXPECT_EQ(drawnFonts(*document), std::vector<DrawnFont>{c.drawn});
  const auto drawn = picture(*document);
  EXPECT_EQ(picture(*readOk(writtenText(*document))), drawn);
  // Placed by an insert, and exploded from it.
  auto placed = readOk(styledFile(insert("B", 0, 0), block("B", text(c.groups))));
  EXPECT_EQ(drawnFonts(*placed), std::vector<DrawnFont>{c.drawn});
  const auto placedPicture = picture(*placed);
  placed->explodeAll();
  EXPECT_EQ(picture(*placed), placedPicture);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StyledText,
    testing::Values(TextCase{"noStyleIsStandard", "", {400, false, 0}},
                    TextCase{"fancy", "  7\nFancy\n", {700, true, 20}},
                    TextCase{"fancyWithItsOwnSlant", "  7\nfancy\n 51\n-5\n", {700, true, -5}},
                    TextCase{"ownSlantOnly", " 51\n12\n", {400, false, 12}},
                    TextCase{"missingStyle", "  7\nGone\n", {400, false, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
