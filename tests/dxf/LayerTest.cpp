// Tests of layer entries: reading, writing, derived colour and line style, field limits.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "dxf/GroupLines.h"
#include "dxf/Layer.h"

namespace {

// Reads a layer entry from the lines after "LAYER".
int readLayer(Layer& layer, const std::string& text) {
  auto reader = DxfLineReader::fromString(text);
  return layer.read(reader);
}

std::string written(const Layer& layer) {
  std::ostringstream out;
  EXPECT_EQ(layer.write(out), 0);
  return out.str();
}

TEST(Layer, CopyFromNullGivesTheDefaults) {
  Layer source("KONTUR");
  source.setVisible(0);
  EXPECT_STREQ(Layer(&source).name(), "KONTUR");
  EXPECT_EQ(Layer(&source).visible(), 0);
  const Layer fromNull(static_cast<const Layer*>(nullptr));
  EXPECT_STREQ(fromNull.name(), "1");
  EXPECT_STREQ(fromNull.colourNumber(), "7");
  EXPECT_STREQ(fromNull.linetypeName(), "SOLID");
}

TEST(Layer, ReadsNameLinetypeAndColour) {
  Layer layer;
  ASSERT_EQ(readLayer(layer, "  2\nKONTUR\n 70\n64\n 62\n1\n  6\nDASHED\n  0\nLAYER\n"), 0);
  EXPECT_STREQ(layer.name(), "KONTUR");
  EXPECT_STREQ(layer.shownName(), "KONTUR");
  EXPECT_STREQ(layer.colourNumber(), "1");
  EXPECT_STREQ(layer.colour(), "#FF0000");
  EXPECT_EQ(layer.lineStyleCode(), 1);
  EXPECT_EQ(layer.visible(), 1);
}

TEST(Layer, NegativeColourHidesTheLayerAndKeepsTheBlanks) {
  Layer layer;
  ASSERT_EQ(readLayer(layer, "  2\nA\n 62\n    -3\n  0\n"), 0);
  EXPECT_STREQ(layer.colourNumber(), "    3");
  EXPECT_EQ(layer.visible(), 0);
  EXPECT_STREQ(layer.colour(), "#149E0A");
}

TEST(Layer, ColoursOutsideTheIndexAreBlack) {
  EXPECT_STREQ(Layer::colourOfNumber(40), "#FFBF00");
  EXPECT_STREQ(Layer::colourOfNumber(8), "#808080");
  EXPECT_STREQ(Layer::colourOfNumber(0), "#000000");
  EXPECT_STREQ(Layer::colourOfNumber(256), "#000000");
}

TEST(Layer, LineStyleCodesIgnoreCase) {
  EXPECT_EQ(Layer::lineStyleOfLinetype("gestrichelt"), 1);
  EXPECT_EQ(Layer::lineStyleOfLinetype("GEN3"), 1);
  EXPECT_EQ(Layer::lineStyleOfLinetype("Hidden"), 2);
  EXPECT_EQ(Layer::lineStyleOfLinetype("strichpunktx2"), 3);
  EXPECT_EQ(Layer::lineStyleOfLinetype("GEN7A"), 3);
  EXPECT_EQ(Layer::lineStyleOfLinetype("Center"), 3);
  EXPECT_EQ(Layer::lineStyleOfLinetype("phantom"), 4);
  EXPECT_EQ(Layer::lineStyleOfLinetype("CONTINUOUS"), 0);
  EXPECT_EQ(Layer::lineStyleOfLinetype("DASHED2"), 0);
  EXPECT_EQ(Layer::lineStyleOfLinetype(""), 0);
}

TEST(Layer, DivideBecomesGetrenntOnlyInUpperCase) {
  Layer upper;
  ASSERT_EQ(readLayer(upper, "  6\nDIVIDE\n  0\n"), 0);
  EXPECT_STREQ(upper.linetypeName(), "GETRENNT");
  EXPECT_EQ(upper.lineStyleCode(), 4);
  Layer lower;
  ASSERT_EQ(readLayer(lower, "  6\ndivide\n  0\n"), 0);
  EXPECT_STREQ(lower.linetypeName(), "divide");
  EXPECT_EQ(lower.lineStyleCode(), 4);
}

TEST(Layer, UnknownPairsArePassedOverLineByLine) {
  Layer layer;
  // Code 5 (handle) is not taken: its value line is examined as a code line in turn.
  ASSERT_EQ(readLayer(layer, "  5\n1F\n100\nAcDbLayerTableRecord\n  2\nX\n  0\n"), 0);
  EXPECT_STREQ(layer.name(), "X");
}

TEST(Layer, EndOfFileInsideTheEntryFails) {
  Layer layer;
  EXPECT_EQ(readLayer(layer, "  2\nKONTUR\n 62\n1\n"), Layer::kEndOfFile);
  Layer truncated;
  EXPECT_EQ(readLayer(truncated, "  2\nKONTUR\n  0"), Layer::kEndOfFile);
}

TEST(Layer, LongValuesAreCutToTheirFields) {
  Layer layer;
  const std::string name(80, 'N');
  const std::string linetype(40, 'L');
  ASSERT_EQ(
      readLayer(layer, "  2\n" + name + "\n 62\n-12345678901234\n  6\n" + linetype + "\n  0\n"), 0);
  EXPECT_EQ(std::string(layer.name()), std::string(49, 'N'));
  EXPECT_EQ(std::string(layer.shownName()), std::string(49, 'N'));
  EXPECT_STREQ(layer.colourNumber(), "123456789");
  EXPECT_EQ(std::string(layer.linetypeName()), std::string(19, 'L'));
  EXPECT_EQ(layer.visible(), 0);
}

TEST(Layer, WritesVisibleAndHiddenEntries) {
  Layer layer("KONTUR");
  layer.setColourNumber("1");
  layer.setLinetypeName("DASHED");
  EXPECT_EQ(written(layer), "LAYER\n  2\nKONTUR\n 70\n0\n 62\n1\n  6\nDASHED\n  0\n");
  layer.setVisible(0);
  EXPECT_EQ(written(layer), "LAYER\n  2\nKONTUR\n 70\n0\n 62\n\t-1\n  6\nDASHED\n  0\n");
}

TEST(Layer, WrittenNameIsTheDisplayNameNotTheShownName) {
  Layer layer;
  ASSERT_EQ(readLayer(layer, "  2\nA\n  0\n"), 0);
  layer.setName("Anzeige");
  EXPECT_STREQ(layer.shownName(), "A");
  EXPECT_NE(written(layer).find("  2\nAnzeige\n"), std::string::npos);
}

TEST(Layer, HiddenLayerReadsBackHidden) {
  Layer layer;
  ASSERT_EQ(readLayer(layer, "  2\nA\n 62\n-7\n  0\n"), 0);
  const std::string text = written(layer);
  Layer again;
  ASSERT_EQ(readLayer(again, text.substr(text.find('\n') + 1)), 0);
  EXPECT_EQ(again.visible(), 0);
  EXPECT_STREQ(again.colourNumber(), "\t7");
  EXPECT_STREQ(again.colour(), "#000000");
}

// A file of release 12 holds only colour numbers: a layer's true colour is written as the
// nearest number, and read back it draws in the same colour (white stays white, where
// colour 7 would draw black).
TEST(Layer, TrueColourIsWrittenAsTheNearestColourNumber) {
  struct Case {
    const char* read;
    const char* writtenColour;
    const char* drawnAgain;
  };
  const Case cases[] = {
      {"  2\nA\n 62\n7\n420\n16777215\n  0\n", " 62\n255\n", "#FFFFFF"},
      {"  2\nA\n 62\n7\n420\n16711680\n  0\n", " 62\n1\n", "#FF0000"},
      {"  2\nA\n 62\n-7\n420\n16777215\n  0\n", " 62\n\t-255\n", "#FFFFFF"},
      {"  2\nA\n 62\n7\n  0\n", " 62\n7\n", "#000000"},
  };
  for (const Case& c : cases) {
    Layer layer;
    ASSERT_EQ(readLayer(layer, c.read), 0);
    const std::string text = written(layer);
    EXPECT_NE(text.find(c.writtenColour), std::string::npos) << c.read << " wrote " << text;
    Layer again;
    ASSERT_EQ(readLayer(again, text.substr(text.find('\n') + 1)), 0);
    EXPECT_STREQ(again.colour(), c.drawnAgain) << c.read;
  }
}

}  // namespace

TEST(Layer, TrueColourGivesTheColourUntilANumberIsChosen) {
  Layer layer;
  ASSERT_EQ(readLayer(layer, "  2\nA\n 62\n5\n420\n1193046\n  0\n"), 0);
  EXPECT_STREQ(layer.colour(), "#123456");
  EXPECT_STREQ(layer.colourNumber(), "5");
  layer.setColourNumber("5");
  layer.deriveColourAndStyle();
  EXPECT_STREQ(layer.colour(), "#123456");
  layer.setColourNumber("1");
  layer.deriveColourAndStyle();
  EXPECT_STREQ(layer.colour(), "#FF0000");
}
