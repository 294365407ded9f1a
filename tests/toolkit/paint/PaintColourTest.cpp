// Tests of reading "#RRGGBB" colour texts.
#include "toolkit/paint/PaintColour.h"

#include <gtest/gtest.h>

namespace {

constexpr PaintColour kBlackColour{0.0, 0.0, 0.0};

TEST(PaintColour, ReadsHexChannelsOfEitherCase) {
  EXPECT_EQ(PaintColour::parse("#FF0000"), (PaintColour{1.0, 0.0, 0.0}));
  EXPECT_EQ(PaintColour::parse("#00ffFF"), (PaintColour{0.0, 1.0, 1.0}));
  const PaintColour green = PaintColour::parse("#149e0a");
  EXPECT_DOUBLE_EQ(green.red, 0x14 / 255.0);
  EXPECT_DOUBLE_EQ(green.green, 0x9E / 255.0);
  EXPECT_DOUBLE_EQ(green.blue, 0x0A / 255.0);
}

TEST(PaintColour, EntityPlaceholdersPaintBlack) {
  EXPECT_EQ(PaintColour::parse("BYLAYER"), kBlackColour);
  EXPECT_EQ(PaintColour::parse("BYBLOCK"), kBlackColour);
}

TEST(PaintColour, MalformedTextsPaintBlack) {
  EXPECT_EQ(PaintColour::parse(nullptr), kBlackColour);
  EXPECT_EQ(PaintColour::parse(""), kBlackColour);
  EXPECT_EQ(PaintColour::parse("#"), kBlackColour);
  EXPECT_EQ(PaintColour::parse("#FFFFF"), kBlackColour);    // too short
  EXPECT_EQ(PaintColour::parse("#FFFFFF0"), kBlackColour);  // too long
  EXPECT_EQ(PaintColour::parse("#GGFFFF"), kBlackColour);
  EXPECT_EQ(PaintColour::parse("FFFFFF"), kBlackColour);  // no hash
}

}  // namespace
