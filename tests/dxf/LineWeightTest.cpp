// Tests of line weights: the values group 370 may hold, the drawing's default, the widths
// on screen and on paper, and a layer's weight as read.
#include <gtest/gtest.h>

#include <string>

#include "dxf/GroupLines.h"
#include "dxf/Layer.h"
#include "dxf/LineWeight.h"

TEST(LineWeight, GroupValuesOutsideTheFormatMeanByLayer) {
  const struct {
    int value;
    int weight;
  } cases[] = {{-3, LineWeight::kDefault},
               {-2, LineWeight::kByBlock},
               {-1, LineWeight::kByLayer},
               {0, 0},
               {25, 25},
               {211, 211},
               {-4, LineWeight::kByLayer},
               {212, LineWeight::kByLayer},
               {32767, LineWeight::kByLayer}};
  for (const auto& c : cases) EXPECT_EQ(LineWeight::fromGroup(c.value), c.weight) << c.value;
}

TEST(LineWeight, TheDrawingDefaultIsAWidthOrAQuarterMillimetre) {
  EXPECT_EQ(LineWeight::drawingDefault(50), 50);
  EXPECT_EQ(LineWeight::drawingDefault(0), 0);
  for (int value : {-3, -2, -1, 212}) EXPECT_EQ(LineWeight::drawingDefault(value), 25) << value;
}

TEST(LineWeight, PaperWidthsAreMillimetresAboveTheDefault) {
  // Ten device pixels a millimetre, as the printed page has.
  const struct {
    int weight;
    int drawingDefault;
    double pixels;
  } cases[] = {{50, 25, 5.0}, {211, 25, 21.1},
               {25, 25, 1.0}, {13, 25, 1.0},
               {50, 50, 1.0}, {LineWeight::kDefault, 25, 1.0},
               {30, 0, 3.0},  {LineWeight::kByLayer, 25, 1.0}};
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(LineWeight::paperPixels(c.weight, c.drawingDefault, 10.0), c.pixels)
        << c.weight << " over " << c.drawingDefault;
  }
}

TEST(LineWeight, ALayerReadsItsWeightAndKeepsTheDefaultForTheRest) {
  const struct {
    const char* groups;
    int weight;
  } cases[] = {{"", LineWeight::kDefault},
               {"370\n100\n", 100},
               {"370\n-1\n", LineWeight::kDefault},
               {"370\n-2\n", LineWeight::kDefault},
               {"370\n500\n", LineWeight::kDefault}};
  for (const auto& c : cases) {
    Layer layer;
    auto reader = DxfLineReader::fromString(std::string("  2\nW\n 70\n0\n 62\n7\n") + c.groups +
                                            "  0\nENDTAB\n");
    ASSERT_EQ(layer.read(reader), 0);
    EXPECT_EQ(layer.lineWeight(), c.weight) << c.groups;
  }
}
