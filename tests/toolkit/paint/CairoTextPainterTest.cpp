// Tests of text output through a device context: height, anchoring, rotation, weight, colour.
#include "toolkit/paint/CairoDeviceContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "PixelCanvas.h"

namespace {

class TextOutTest : public ::testing::Test {
 protected:
  PixelCanvas canvas{400, 400};
  CairoDeviceContext dc{canvas.cr(), 400, 400};

  InkBox draw(double x, double y, const char* text, TextStyle style) {
    dc.text_out(x, y, text, style);
    return canvas.inkBox();
  }

  static TextStyle style(int height, TextHAlign h = TextHAlign::Left,
                         TextVAlign v = TextVAlign::Baseline) {
    TextStyle s;
    s.pixelHeight = height;
    s.hAlign = h;
    s.vAlign = v;
    return s;
  }
};

// The height of a DXF text is the height of its capitals: an "H" inks that many pixels,
// small or large (drawn as outlines), normal or bold.
TEST_F(TextOutTest, CapitalsAreAsHighAsThePixelHeight) {
  struct Case {
    double height;
    int weight;
  };
  for (const Case& c : {Case{12, 400}, Case{40, 400}, Case{40, 700}, Case{300, 400}}) {
    SCOPED_TRACE(c.height);
    canvas.fill(1.0, 1.0, 1.0);
    TextStyle s = style(0);
    s.pixelHeight = c.height;
    s.weight = c.weight;
    const InkBox box = draw(20, 350, "H", s);
    ASSERT_FALSE(box.empty());
    // Within 5 %, or one pixel of antialiasing for small texts.
    EXPECT_NEAR(box.height(), c.height, std::max(1.0, 0.05 * c.height));
  }
}

TEST_F(TextOutTest, WidthScaleAndFitStretchAlongTheBaselineAlignedScalesBoth) {
  const InkBox plain = draw(20, 100, "HHHH", style(30));
  canvas.fill(1.0, 1.0, 1.0);
  TextStyle wide = style(30);
  wide.widthScale = 2.0;
  const InkBox stretched = draw(20, 100, "HHHH", wide);
  EXPECT_NEAR(stretched.width(), 2 * plain.width(), 4);
  EXPECT_NEAR(stretched.height(), plain.height(), 1);
  canvas.fill(1.0, 1.0, 1.0);
  TextStyle fit = style(30);
  fit.fit = TextFit::Stretched;
  fit.fitWidth = 300;
  const InkBox fitted = draw(20, 100, "HHHH", fit);
  EXPECT_NEAR(fitted.maxX + 1 - 20, 300, 12);  // the last letter's side bearing stays
  EXPECT_NEAR(fitted.height(), plain.height(), 1);
  canvas.fill(1.0, 1.0, 1.0);
  TextStyle aligned = fit;
  aligned.fit = TextFit::Aligned;
  aligned.fitWidth = plain.width() * 2;
  const InkBox scaled = draw(20, 150, "HHHH", aligned);
  // Twice the width in the text's advance (its ink a little less), its proportions kept.
  EXPECT_GT(scaled.height(), 1.8 * plain.height());
  EXPECT_NEAR(double(scaled.width()) / scaled.height(), double(plain.width()) / plain.height(),
              0.05 * plain.width() / plain.height());
}

TEST_F(TextOutTest, TopAndMiddleAnchorsMeasureFromTheCapitals) {
  const InkBox top = draw(20, 100, "H", style(40, TextHAlign::Left, TextVAlign::Top));
  EXPECT_NEAR(top.minY, 100, 1);
  canvas.fill(1.0, 1.0, 1.0);
  // Middle: halfway between the top of the capitals and the bottom of the descenders.
  const InkBox middle = draw(20, 100, "Hg", style(40, TextHAlign::Left, TextVAlign::Middle));
  EXPECT_NEAR((middle.minY + middle.maxY) / 2.0, 100, 3);
}

TEST_F(TextOutTest, EscapesOfCharactersBeyondTheCodePageAreDrawnAsThoseCharacters) {
  // Cyrillic Zhe, which the code page lacks: one letter, not the seven of its escape.
  const InkBox letter = draw(20, 100, "\\U+0416", style(30));
  ASSERT_FALSE(letter.empty());
  EXPECT_LT(letter.width(), 40);
}

TEST_F(TextOutTest, BaselineAnchorPutsCapitalsAboveAndDescendersBelow) {
  const InkBox box = draw(20, 100, "Hg", style(40));
  EXPECT_LT(box.minY, 100 - 20);
  EXPECT_GT(box.maxY, 100 + 2);
  EXPECT_GE(box.minX, 19);
}

TEST_F(TextOutTest, TopAnchorPutsTheWholeTextBelowThePoint) {
  const InkBox box = draw(20, 100, "Hg", style(40, TextHAlign::Left, TextVAlign::Top));
  EXPECT_GE(box.minY, 100);
  EXPECT_LT(box.minY, 100 + 15);
}

TEST_F(TextOutTest, BottomAnchorPutsTheWholeTextAboveThePoint) {
  const InkBox box = draw(20, 100, "Hg", style(40, TextHAlign::Left, TextVAlign::Bottom));
  EXPECT_LE(box.maxY, 100);
  EXPECT_GT(box.maxY, 100 - 15);
}

TEST_F(TextOutTest, RightAnchorEndsTheTextAtThePoint) {
  const InkBox box = draw(300, 100, "HHH", style(40, TextHAlign::Right));
  EXPECT_LE(box.maxX, 301);
  EXPECT_GT(box.maxX, 300 - 8);
  EXPECT_LT(box.minX, 250);
}

TEST_F(TextOutTest, CentreAnchorCentresTheTextOnThePoint) {
  const InkBox box = draw(200, 100, "HHHH", style(40, TextHAlign::Centre));
  EXPECT_NEAR((box.minX + box.maxX) / 2.0, 200.0, 3.0);
}

TEST_F(TextOutTest, EscapementTurnsTheBaselineCounterClockwise) {
  TextStyle upwards = style(30);
  upwards.escapementTenths = 900;
  const InkBox box = draw(200, 300, "HHHHH", upwards);
  ASSERT_FALSE(box.empty());
  EXPECT_GT(box.height(), 2 * box.width());  // runs up the screen
  EXPECT_LE(box.maxY, 301);                  // starting at the anchor
  EXPECT_LT(box.minY, 250);
  EXPECT_LE(box.maxX, 201);  // letters stand left of a baseline going up
}

TEST_F(TextOutTest, BoldWeightInksMoreThanNormal) {
  TextStyle bold = style(30);
  bold.weight = 700;
  dc.text_out(20, 100, "HHHH", style(30));
  dc.text_out(20, 200, "HHHH", bold);
  EXPECT_GT(canvas.countInked(0, 150, 399, 220), canvas.countInked(0, 50, 399, 120) * 5 / 4);
}

TEST_F(TextOutTest, TextTakesTheForegroundColourAndLeavesTheBackgroundAlone) {
  dc.set_foreground_color("#FF0000");
  dc.set_background_color("#00FF00");
  dc.set_background_mode(CairoDeviceContext::kOpaqueMode);
  dc.text_out(20, 100, "HHHH", style(40));
  int red = 0;
  bool greenSeen = false;
  for (int y = 50; y < 110; ++y) {
    for (int x = 10; x < 150; ++x) {
      const Rgb c = canvas.at(x, y);
      red += c == Rgb{255, 0, 0};
      greenSeen |= c.green > c.red;
    }
  }
  EXPECT_GT(red, 100);
  EXPECT_FALSE(greenSeen);
}

TEST_F(TextOutTest, WindowsCodePageTextIsDrawn) {
  const std::string text = std::string("\xD8") + "12 " + "\xB1" + "0,1" + "\x80" + "\x81";
  const InkBox box = draw(20, 100, text.c_str(), style(30));
  EXPECT_FALSE(box.empty());
  EXPECT_GT(box.width(), 80);
}

TEST_F(TextOutTest, NothingIsDrawnWithoutTextOrHeight) {
  dc.text_out(20, 100, "", style(30));
  dc.text_out(20, 100, nullptr, style(30));
  dc.text_out(20, 100, "H", style(0));
  dc.text_out(20, 100, "H", style(-12));
  dc.text_out(1e12, 100, "H", style(30));
  EXPECT_TRUE(canvas.inkBox().empty());
  EXPECT_EQ(cairo_status(canvas.cr()), CAIRO_STATUS_SUCCESS);
}

TEST_F(TextOutTest, MissingFaceFallsBackToArial) {
  TextStyle noFace = style(30);
  noFace.face = nullptr;
  EXPECT_FALSE(draw(20, 100, "H", noFace).empty());
}

}  // namespace

// A mirrored text's letters hang below the baseline, over the same stretch of it; the foot
// of an "L", at the baseline, is then its top row.
TEST_F(TextOutTest, MirroredLettersHangBelowTheBaseline) {
  const InkBox upright = draw(100, 200, "L", style(40));
  canvas.fill(1.0, 1.0, 1.0);
  TextStyle mirrored = style(40);
  mirrored.mirrored = true;
  const InkBox hanging = draw(100, 200, "L", mirrored);
  ASSERT_FALSE(upright.empty());
  ASSERT_FALSE(hanging.empty());
  EXPECT_NEAR(upright.maxY, 199, 1);
  EXPECT_NEAR(hanging.minY, 200, 1);
  EXPECT_NEAR(hanging.height(), upright.height(), 1);
  EXPECT_NEAR(hanging.minX, upright.minX, 1);
  EXPECT_NEAR(hanging.maxX, upright.maxX, 1);
  EXPECT_GT(canvas.countInked(hanging.minX, hanging.minY + 1, hanging.maxX, hanging.minY + 1),
            canvas.countInked(hanging.minX, hanging.maxY - 1, hanging.maxX, hanging.maxY - 1));
}

// An oblique angle leans the letters' tops forwards by the tangent of the angle times their
// height; the foot stays where it was.
TEST_F(TextOutTest, ObliqueLettersLeanForwards) {
  const InkBox upright = draw(100, 200, "I", style(60));
  canvas.fill(1.0, 1.0, 1.0);
  TextStyle slanted = style(60);
  slanted.obliqueDegrees = 30.0;
  const InkBox leaning = draw(100, 200, "I", slanted);
  ASSERT_FALSE(upright.empty());
  ASSERT_FALSE(leaning.empty());
  const double lean = std::tan(30.0 / 180.0 * 3.141592653589793) * 60;
  EXPECT_NEAR(leaning.width() - upright.width(), lean, 3);
  EXPECT_NEAR(leaning.minX, upright.minX, 1);
  EXPECT_NEAR(leaning.height(), upright.height(), 1);
  // The top row lies forwards of the foot.
  const int right = leaning.maxX;
  const int top = canvas.countInked(right - 8, leaning.minY, right, leaning.minY + 2);
  const int foot = canvas.countInked(right - 8, leaning.maxY - 2, right, leaning.maxY);
  EXPECT_GT(top, foot);
}
