// Tests of the Cairo device context: pen, colours, figure directions, fills, far geometry.
#include "toolkit/paint/CairoDeviceContext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "PixelCanvas.h"
#include "toolkit/paint/DeviceClip.h"

namespace {

class CairoDeviceContextTest : public ::testing::Test {
 protected:
  PixelCanvas canvas{100, 100};
  CairoDeviceContext dc{canvas.cr(), 100, 100};

  // The pen geometry is checked pixel by pixel, on hard edges; what the context collects
  // is painted before each look.
  CairoDeviceContextTest() {
    dc.setAntialias(false);
    canvas.beforeRead = [this] { dc.flush(); };
  }

  // Lengths of the painted and unpainted runs along row y from x0 to x1.
  std::vector<int> runsAlongRow(int y, int x0, int x1) {
    std::vector<int> runs;
    bool inked = canvas.isInked(x0, y);
    int length = 0;
    for (int x = x0; x <= x1; ++x) {
      if (canvas.isInked(x, y) == inked) {
        ++length;
      } else {
        runs.push_back(length);
        inked = !inked;
        length = 1;
      }
    }
    runs.push_back(length);
    return runs;
  }
};

TEST_F(CairoDeviceContextTest, LineCoversExactlyItsPixelRowInTheForegroundColour) {
  dc.set_foreground_color("#FF0000");
  dc.line(5, 10, 50, 10);
  EXPECT_EQ(canvas.at(20, 10), kRed);
  EXPECT_TRUE(canvas.isWhite(20, 9));
  EXPECT_TRUE(canvas.isWhite(20, 11));
  EXPECT_TRUE(canvas.isWhite(60, 10));
}

TEST_F(CairoDeviceContextTest, PlaceholderAndUnreadableColoursPaintBlack) {
  dc.set_foreground_color("BYLAYER");
  dc.line(0, 10, 99, 10);
  dc.set_foreground_color("BYBLOCK");
  dc.line(0, 20, 99, 20);
  dc.set_foreground_color("#12");
  dc.line(0, 30, 99, 30);
  EXPECT_EQ(canvas.at(50, 10), kBlack);
  EXPECT_EQ(canvas.at(50, 20), kBlack);
  EXPECT_EQ(canvas.at(50, 30), kBlack);
}

TEST_F(CairoDeviceContextTest, SolidLineHasNoGapsAndEveryOtherStyleHas) {
  for (int code = 0; code <= 4; ++code) {
    dc.set_line_style(code);
    dc.line(0, 10 + 10 * code, 99, 10 + 10 * code);
  }
  // A line paints up to its end pixel, not the end pixel itself.
  EXPECT_EQ(runsAlongRow(10, 0, 98).size(), 1u) << "solid";
  EXPECT_TRUE(canvas.isWhite(99, 10));
  for (int code = 1; code <= 4; ++code) {
    EXPECT_GE(runsAlongRow(10 + 10 * code, 0, 99).size(), 5u) << "style " << code;
  }
}

TEST_F(CairoDeviceContextTest, DashPatternsDifferBetweenStyles) {
  dc.set_line_style(1);
  dc.line(0, 10, 99, 10);
  dc.set_line_style(2);
  dc.line(0, 20, 99, 20);
  dc.set_line_style(3);
  dc.line(0, 30, 99, 30);
  const std::vector<int> dashed = runsAlongRow(10, 0, 99);
  const std::vector<int> hidden = runsAlongRow(20, 0, 99);
  const std::vector<int> dashDot = runsAlongRow(30, 0, 99);
  EXPECT_GT(dashed[0], hidden[0]);    // hidden draws shorter dashes
  EXPECT_LT(dashDot[2], dashDot[0]);  // the dot after the first dash is short
}

// Every dash and every gap of each style, along a line that starts with a dash at pixel 0.
TEST_F(CairoDeviceContextTest, EachStyleRepeatsItsDashesAndGapsAtTheirLengths) {
  struct Style {
    int code;
    std::vector<int> pattern;  // dash, gap, dash, gap ... in pixels
  };
  const Style styles[] = {{1, {12, 6}}, {2, {6, 4}}, {3, {12, 4, 2, 4}}, {4, {18, 4, 3, 4, 3, 4}}};
  for (const Style& style : styles) {
    const int row = 10 + 20 * (style.code - 1);
    dc.set_line_style(style.code);
    dc.line(0, row, 99, row);
    // The runs the pattern gives over the row, the last one (cut by the line's end) left out.
    std::vector<int> expected;
    for (int covered = 0, k = 0;; ++k) {
      const int run = style.pattern[k % style.pattern.size()];
      if (covered + run >= 99) break;
      expected.push_back(run);
      covered += run;
    }
    std::vector<int> runs = runsAlongRow(row, 0, 98);
    ASSERT_GT(runs.size(), expected.size()) << "style " << style.code;
    runs.resize(expected.size());
    EXPECT_EQ(runs, expected) << "style " << style.code;
  }
}

// A line cut at the clipping box keeps its dashes where the uncut line has them: drawn
// from far outside, it looks like a line from a point inside at the same phase.
TEST_F(CairoDeviceContextTest, DashesOfALineCutAtTheClippingBoxStayInStep) {
  const double limit = DeviceClip::kDefaultLimit;
  struct Case {
    int style;
    int period;
    double beyond;  // how far outside the box the line starts
  };
  for (const Case& c : {Case{1, 18, 5.0}, Case{1, 18, 13.0}, Case{3, 22, 7.0}}) {
    canvas.fill(1.0, 1.0, 1.0);
    dc.set_line_style(c.style);
    const double start = -(limit + c.beyond);
    dc.line(start, 10, 99, 10);
    const int phase = static_cast<int>(limit + c.beyond) % c.period;
    dc.line(-phase, 30, 99, 30);
    EXPECT_EQ(runsAlongRow(10, 0, 97), runsAlongRow(30, 0, 97))
        << "style " << c.style << ", " << c.beyond << " pixels outside";
  }
}

TEST_F(CairoDeviceContextTest, UnknownLineStyleDrawsSolid) {
  dc.set_line_style(111);
  dc.line(0, 10, 99, 10);
  EXPECT_EQ(runsAlongRow(10, 0, 98).size(), 1u);
}

TEST_F(CairoDeviceContextTest, ArcRunsCounterClockwiseWithYUpOnPaper) {
  dc.arc(50, 50, 30, 30, 0.0, std::numbers::pi / 2);  // east to north
  EXPECT_TRUE(canvas.isInked(50 + 21, 50 - 21));      // upper right
  EXPECT_FALSE(canvas.isInked(50 + 21, 50 + 21));
  EXPECT_FALSE(canvas.isInked(50 - 21, 50 - 21));
  EXPECT_FALSE(canvas.isInked(50 - 21, 50 + 21));
}

TEST_F(CairoDeviceContextTest, ArcWhoseEndIsBelowItsStartGoesOnThroughZero) {
  dc.arc(50, 50, 30, 30, 3 * std::numbers::pi / 2,
         std::numbers::pi / 2);  // south through east to north
  EXPECT_TRUE(canvas.isInked(80, 50));
  EXPECT_FALSE(canvas.isInked(20, 50));
}

TEST_F(CairoDeviceContextTest, ArcWithEqualAnglesDrawsNothing) {
  dc.arc(50, 50, 30, 30, 1.0, 1.0);
  EXPECT_TRUE(canvas.inkBox().empty());
}

TEST_F(CairoDeviceContextTest, NativeArcRunsCounterClockwiseOnTheScreen) {
  // Box 20..80, from the east point to the north point (top of the screen).
  dc.native_arc(20, 20, 80, 80, 80, 50, 50, 20);
  EXPECT_TRUE(canvas.isInked(50 + 21, 50 - 21));
  EXPECT_FALSE(canvas.isInked(50 + 21, 50 + 21));
  EXPECT_FALSE(canvas.isInked(50 - 21, 50 - 21));
}

TEST_F(CairoDeviceContextTest, NativeArcTakesOnlyTheDirectionsOfItsPoints) {
  // Far points on the same rays as before draw the same quarter.
  dc.native_arc(20, 20, 80, 80, 500, 50, 50, -700);
  EXPECT_TRUE(canvas.isInked(50 + 21, 50 - 21));
  EXPECT_FALSE(canvas.isInked(50 - 21, 50 + 21));
}

TEST_F(CairoDeviceContextTest, NativeArcWithEqualDirectionsDrawsTheWholeEllipse) {
  dc.native_arc(20, 30, 80, 70, 80, 50, 90, 50);
  EXPECT_TRUE(canvas.isInked(80, 50));
  EXPECT_TRUE(canvas.isInked(20, 50));
  EXPECT_TRUE(canvas.isInked(50, 30));
  EXPECT_TRUE(canvas.isInked(50, 70));
  EXPECT_TRUE(canvas.isWhite(50, 50));
}

TEST_F(CairoDeviceContextTest, CircleIsOutlinedAndNeverFilled) {
  dc.set_background_color("#00FF00");
  dc.circle(50, 50, 20);
  dc.circle(50, 50, -10);  // a negative radius (mirrored insert) draws the same circle
  EXPECT_TRUE(canvas.isInked(70, 50));
  EXPECT_TRUE(canvas.isInked(50, 30));
  EXPECT_TRUE(canvas.isInked(40, 50));
  EXPECT_TRUE(canvas.isWhite(50, 50));
}

TEST_F(CairoDeviceContextTest, PolygonIsFilledWithTheBackgroundAndOutlined) {
  const DevicePoint square[5] = {{10, 10}, {60, 10}, {60, 60}, {10, 60}, {10, 10}};
  dc.set_foreground_color("#FF0000");
  dc.set_background_color("#00FF00");
  dc.polygon(square, 5);
  EXPECT_EQ(canvas.at(35, 35), kGreen);
  EXPECT_EQ(canvas.at(35, 10), kRed);
  EXPECT_TRUE(canvas.isWhite(70, 35));
}

TEST_F(CairoDeviceContextTest, HollowFillStyleLeavesThePolygonOpen) {
  const DevicePoint square[4] = {{10, 10}, {60, 10}, {60, 60}, {10, 60}};
  dc.set_background_color("#00FF00");
  dc.set_fill_style(CairoDeviceContext::kHollow);
  dc.polygon(square, 4);
  EXPECT_TRUE(canvas.isWhite(35, 35));
  EXPECT_TRUE(canvas.isInked(35, 10));
}

TEST_F(CairoDeviceContextTest, OpaqueBackgroundFillsEvenWhenTheFillStyleIsHollow) {
  // The order a printed solid uses after a circle left the fill style hollow.
  const DevicePoint square[4] = {{10, 10}, {60, 10}, {60, 60}, {10, 60}};
  dc.set_fill_style(CairoDeviceContext::kHollow);
  dc.set_background_color("#00FF00");
  dc.set_background_mode(CairoDeviceContext::kOpaqueMode);
  dc.polygon(square, 4);
  EXPECT_EQ(canvas.at(35, 35), kGreen);
}

TEST_F(CairoDeviceContextTest, CrossedCornersFillTwoTriangles) {
  const DevicePoint bowTie[5] = {{10, 10}, {50, 10}, {10, 50}, {50, 50}, {10, 10}};
  dc.set_background_color("#00FF00");
  dc.polygon(bowTie, 5);
  EXPECT_EQ(canvas.at(30, 15), kGreen);
  EXPECT_EQ(canvas.at(30, 45), kGreen);
  EXPECT_TRUE(canvas.isWhite(15, 30));
  EXPECT_TRUE(canvas.isWhite(45, 30));
}

TEST_F(CairoDeviceContextTest, DotPaintsOnePixelInItsOwnColour) {
  dc.set_foreground_color("#FF0000");
  dc.dot(10.0, 12.0, "#0000FF");
  EXPECT_EQ(canvas.at(10, 12), (Rgb{0, 0, 255}));
  EXPECT_TRUE(canvas.isWhite(11, 12));
  EXPECT_TRUE(canvas.isWhite(10, 13));
  EXPECT_TRUE(canvas.isWhite(9, 11));
  EXPECT_EQ(dc.foreground(), PaintColour::parse("#FF0000"));  // the pen is not changed
}

TEST_F(CairoDeviceContextTest, FarAwayLineEndsAreCutInsteadOfWrappingAround) {
  dc.line(-1e12, 20.0, 1e12, 20.0);
  dc.line(30.0, -5e9, 30.0, 7e11);
  EXPECT_TRUE(canvas.isInked(0, 20));
  EXPECT_TRUE(canvas.isInked(99, 20));
  EXPECT_TRUE(canvas.isInked(30, 0));
  EXPECT_TRUE(canvas.isInked(30, 99));
  EXPECT_EQ(canvas.countInked(0, 0, 99, 99), 199);  // the two lines and nothing else
}

TEST_F(CairoDeviceContextTest, HugeCircleShowsItsRimWhereItPassesTheCanvas) {
  dc.circle(50.0, 50.0 + 1e7, 1e7);  // topmost point at (50, 50)
  EXPECT_GT(canvas.countInked(10, 49, 90, 51), 70);
  EXPECT_EQ(canvas.countInked(0, 0, 99, 47), 0);
  EXPECT_EQ(canvas.countInked(0, 53, 99, 99), 0);
}

TEST_F(CairoDeviceContextTest, HugePolygonFillsTheCanvas) {
  const DevicePoint square[4] = {{-1e10, -1e10}, {1e10, -1e10}, {1e10, 1e10}, {-1e10, 1e10}};
  dc.set_background_color("#00FF00");
  dc.polygon(square, 4);
  EXPECT_EQ(canvas.at(0, 0), kGreen);
  EXPECT_EQ(canvas.at(99, 99), kGreen);
}

TEST_F(CairoDeviceContextTest, NonFiniteAndDegenerateFiguresDrawNothingAndKeepCairoUsable) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  dc.line(nan, 0, 10, 10);
  dc.circle(50, 50, inf);
  dc.arc(50, 50, 0, 0, 0, 1);
  dc.native_arc(50, 50, 50, 80, 0, 0, 1, 1);
  const DevicePoint bad[3] = {{0, 0}, {nan, 5}, {5, 5}};
  dc.polygon(bad, 3);
  dc.polygon(nullptr, 3);
  dc.dot(inf, 0, "#000000");
  EXPECT_TRUE(canvas.inkBox().empty());
  EXPECT_EQ(cairo_status(canvas.cr()), CAIRO_STATUS_SUCCESS);
  dc.line(0, 10, 99, 10);
  EXPECT_TRUE(canvas.isInked(50, 10));
}

TEST(CairoDeviceContextMapping, FileContextReportsItsPixelsAndMapsOneToOne) {
  PixelCanvas canvas(10, 10);
  CairoDeviceContext dc(canvas.cr(), 3000, 2000);
  EXPECT_EQ(dc.width_resolution(), 3000);
  EXPECT_EQ(dc.height_resolution(), 2000);
  EXPECT_EQ(dc.y_factor(), 1.0);
  EXPECT_EQ(dc.x_wc_to_dc(123.25), 123.25);
  EXPECT_EQ(dc.wc_to_dc(4.0, 5.0).y, 5.0);
}

TEST(CairoDeviceContextMapping, ResolutionsStayWithinSixteenBits) {
  PixelCanvas canvas(10, 10);
  CairoDeviceContext dc(canvas.cr(), 70000, -5);
  EXPECT_EQ(dc.width_resolution(), 65535);
  EXPECT_EQ(dc.height_resolution(), 0);
}

TEST(CairoDeviceContextMapping, ScreenContextMapsTheWorldRectangle) {
  PixelCanvas canvas(10, 10);
  CairoDeviceContext dc(canvas.cr(), 800, 400);
  dc.setMapping(WorldMapping(100.0, 0.0, 300.0, 50.0, 800.0, 400.0));
  EXPECT_EQ(dc.y_factor(), 0.125);
  EXPECT_EQ(dc.x_wc_to_dc(150.0), 200.0);
  EXPECT_EQ(dc.y_wc_to_dc(50.0), 0.0);
  EXPECT_EQ(dc.y_wc_to_dc(0.0), 400.0);
  const DevicePoint p = dc.wc_to_dc(300.0, 25.0);
  EXPECT_EQ(p.x, 800.0);
  EXPECT_EQ(p.y, 200.0);
}

}  // namespace
