// The DXF colour index: entries derived from the format's hue and shade rule.
#include "dxf/ColourIndex.h"

#include <gtest/gtest.h>

#include <string>

TEST(ColourIndex, KnownEntriesOfTheIndex) {
  struct Case {
    int index;
    const char* text;
  };
  // 10 + 10 h is hue 15 h degrees at full brightness; odd last digits are half saturated,
  // the shades 255, 165, 127, 76, 38 bright; 250 to 255 are greys.
  const Case cases[] = {{1, "#FF0000"},   {5, "#0000FF"},   {7, "#000000"},   {3, "#149E0A"},
                        {8, "#808080"},   {9, "#C0C0C0"},   {10, "#FF0000"},  {11, "#FF7F7F"},
                        {12, "#A50000"},  {14, "#7F0000"},  {18, "#260000"},  {20, "#FF3F00"},
                        {30, "#FF7F00"},  {50, "#FFFF00"},  {90, "#00FF00"},  {130, "#00FFFF"},
                        {170, "#0000FF"}, {210, "#FF00FF"}, {240, "#FF003F"}, {250, "#333333"},
                        {255, "#FFFFFF"}};
  for (const Case& c : cases) EXPECT_STREQ(ColourIndex::textOf(c.index), c.text) << c.index;
  for (int outside : {-1, 0, 256, 1000}) EXPECT_STREQ(ColourIndex::textOf(outside), "#000000");
}

TEST(ColourIndex, NearestIndexOfTrueColours) {
  EXPECT_EQ(ColourIndex::nearestIndex(0xFF0000), 1);
  EXPECT_EQ(ColourIndex::nearestIndex(0x000000), 7);
  EXPECT_EQ(ColourIndex::nearestIndex(0xFE0101), 1);
  EXPECT_EQ(ColourIndex::nearestIndex(0xA50000), 12);
  EXPECT_EQ(ColourIndex::nearestIndex(0x7F7F80), 8);
  // Every index colour is its own nearest, up to entries that repeat an earlier colour.
  for (int i = ColourIndex::kFirst; i <= ColourIndex::kLast; ++i) {
    const int nearest = ColourIndex::nearestIndex(ColourIndex::rgbOf(i));
    EXPECT_EQ(ColourIndex::rgbOf(nearest), ColourIndex::rgbOf(i)) << i;
    EXPECT_LE(nearest, i);
  }
}

TEST(ColourIndex, FormatsAnyRgbAsHashText) {
  char text[8];
  ColourIndex::formatRgb(0x0A0B0C, text);
  EXPECT_EQ(std::string(text), "#0A0B0C");
  ColourIndex::formatRgb(0xFF123456, text);  // bits above the colour are not part of it
  EXPECT_EQ(std::string(text), "#123456");
}
