// Tests of reading "#RRGGBB" colour texts.
#include "toolkit/paint/PaintColour.h"

#include <gtest/gtest.h>

namespace {

constexpr PaintColour kBlack{0.0, 0.0, 0.0};

TEST(PaintColour, ReadsHexChannelsOfEitherCase) {
  EXPECT_EQ(PaintColour::parse("#FF0000"), (PaintColour{1.0, 0.0, 0.0}));
  EXPECT_EQ(PaintColour::parse("#00ffFF"), (PaintColour{0.0, 1.0, 1.0}));
  const PaintColour green = PaintColour::parse("#149e0a");
  EXPECT_DOUBLE_EQ(green.red, 0x14 / 255.0);
  EXPECT_DOUBLE_EQ(green.green, 0x9E / 255.0);
  EXPECT_DOUBLE_EQ(green.blue, 0x0A / 255.0);
}

TEST(PaintColour, EntityPlaceholdersPaintBlack) {
  EXPECT_EQ(PaintColour::parse("BYLAYER"), kBlack);
  EXPECT_EQ(PaintColour::parse("BYBLOCK"), kBlack);
}

TEST(PaintColour, MalformedTextsPaintBlack) {
  EXPECT_EQ(PaintColour::parse(nullptr), kBlack);
  EXPECT_EQ(PaintColour::parse(""), kBlack);
  EXPECT_EQ(PaintColour::parse("#"), kBlack);
  EXPECT_EQ(PaintColour::parse("#FFFFF"), kBlack);    // too short
  EXPECT_EQ(PaintColour::parse("#FFFFFF0"), kBlack);  // too long
  EXPECT_EQ(PaintColour::parse("#GGFFFF"), kBlack);
  EXPECT_EQ(PaintColour::parse("FFFFFF"), kBlack);  // no hash
}

}  // namespace
