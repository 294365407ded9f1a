// The printed sheet from the calls a recording device receives: frame, caption, scale bar,
// logo, the drawing itself, and the order the print command puts them in.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "document/PrintSheet.h"
#include "document/SheetGeometry.h"

namespace {

using documenttesting::dxfFile;
using documenttesting::layerEntry;
using documenttesting::line;
using documenttesting::readOk;
using testsupport::RecordedCall;
using testsupport::RecordingDeviceContext;

// The device mapping a print uses: the extents widened by 2m fitted onto the device.
struct SheetMapping {
  SheetMapping(double minX, double minY, double maxX, double maxY, double width, double height) {
    const double m = std::fabs(maxX - minX) * 0.05;
    left = minX - 2 * m;
    top = maxY + 2 * m;
    k = std::min(width / (maxX - minX + 4 * m), height / (maxY - minY + 4 * m));
  }
  double x(double worldX) const { return k * (worldX - left); }
  double y(double worldY) const { return k * (top - worldY); }
  std::vector<double> line(double x1, double y1, double x2, double y2) const {
    return {x(x1), y(y1), x(x2), y(y2)};
  }
  double left = 0.0;
  double top = 0.0;
  double k = 0.0;
};

void expectLine(const RecordedCall& call, const std::vector<double>& expected) {
  ASSERT_EQ(call.args.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(call.args[i], expected[i], 1e-9) << call.str();
}

std::unique_ptr<DXF_Zeichnung> drawingWithExtents(double minX, double minY, double maxX,
                                                  double maxY) {
  auto drawing = std::make_unique<DXF_Zeichnung>();
  drawing->growExtents(minX, minY, maxX, maxY);
  return drawing;
}

TEST(SheetFrame, FortyMillimetreDrawingGetsItsFrameThreeMillimetresOutside) {
  const auto owned = drawingWithExtents(0, 0, 40, 20);
  DXF_Zeichnung& drawing = *owned;  // m = 2
  RecordingDeviceContext dc;
  dc.width = 1000;
  dc.height = 700;
  drawing.drawSheetFrame(dc, 1.0, "Title");
  const SheetMapping sheet(0, 0, 40, 20, 1000, 700);
  const auto lines = dc.log().named("line");
  ASSERT_EQ(lines.size(), 4u);
  expectLine(lines[0], sheet.line(-3, -3, -3, 23));
  expectLine(lines[1], sheet.line(-3, 23, 43, 23));
  expectLine(lines[2], sheet.line(43, 23, 43, -3));
  expectLine(lines[3], sheet.line(43, -3, -3, -3));
  const auto texts = dc.log().named("text_out");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "Title");
  // At (x0 + 0.3m, y0 + 0.3m), capitals 0.5 mm high.
  EXPECT_DOUBLE_EQ(texts[0].args[0], std::trunc(sheet.x(-2.4)));
  EXPECT_DOUBLE_EQ(texts[0].args[1], std::trunc(sheet.y(-2.4)));
  EXPECT_DOUBLE_EQ(texts[0].args[2], sheet.k * 0.5);
  EXPECT_DOUBLE_EQ(drawing.printMargin(), 0.0);
}

TEST(SheetFrame, CaptionOfTheFortyMillimetreDrawingIsHalfAMillimetreHigh) {
  const auto owned = drawingWithExtents(0, 0, 40, 20);
  DXF_Zeichnung& drawing = *owned;
  RecordingDeviceContext dc;
  drawing.drawPrintCaption(dc, 1.0, "For information only", 1);
  const SheetMapping sheet(0, 0, 40, 20, 1000, 1000);
  const auto texts = dc.log().named("text_out");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_DOUBLE_EQ(texts[0].args[0], std::trunc(sheet.x(-2.4)));
  EXPECT_DOUBLE_EQ(texts[0].args[1], std::trunc(sheet.y(22.4)));
  EXPECT_DOUBLE_EQ(texts[0].args[2], sheet.k * 0.5);
}

TEST(SheetPrintAll, WindowReachesFourMillimetresOutsideAndExtentsStay) {
  auto drawing = readOk(dxfFile(line(0, 0, 40, 20) + line(0, 20, 40, 0, "OFF"), "",
                                layerEntry("0", 7) + layerEntry("OFF", -1)));
  drawing->growExtents(0, 0, 40, 20);
  const SheetExtents before{drawing->minX(), drawing->minY(), drawing->maxX(), drawing->maxY()};
  RecordingDeviceContext dc;
  dc.width = 480;
  dc.height = 280;
  drawing->printAll(dc, 1.0);
  const auto lines = dc.log().named("line");
  // The window (-4, -4) to (44, 24) fills the device exactly; the line on the layer that
  // is off is not printed.
  ASSERT_EQ(lines.size(), 1u);
  expectLine(lines[0], {40, 240, 440, 40});
  EXPECT_EQ(drawing->minX(), before.minX);
  EXPECT_EQ(drawing->maxY(), before.maxY);
  EXPECT_DOUBLE_EQ(drawing->printMargin(), 0.0);
}

struct ScaleBarCase {
  const char* name;
  double width;
  int corner;
  double start;  // s
  double end;    // s + d L
  const char* label;
};

class ScaleBarExamples : public ::testing::TestWithParam<ScaleBarCase> {};

TEST_P(ScaleBarExamples, LengthAndLabelFollowTheDrawingsWidth) {
  const ScaleBarCase& c = GetParam();
  const auto owned = drawingWithExtents(0, 0, c.width, c.width / 2);
  DXF_Zeichnung& drawing = *owned;
  RecordingDeviceContext dc;
  drawing.drawScaleBar(dc, 1.0, c.corner);
  const SheetMapping sheet(0, 0, c.width, c.width / 2, 1000, 1000);
  const double m = c.width * 0.05;
  const bool upper = c.corner <= 2;
  const double yA = upper ? c.width / 2 + m : -1.2 * m;
  const double yB = upper ? c.width / 2 + 1.1 * m : -1.1 * m;
  const double yC = upper ? c.width / 2 + 1.2 * m : -m;
  const auto lines = dc.log().named("line");
  ASSERT_EQ(lines.size(), 5u);
  expectLine(lines[0], sheet.line(c.start, yA, c.end, yA));
  expectLine(lines[1], sheet.line(c.start, yB, c.end, yB));
  expectLine(lines[2], sheet.line(c.start, yC, c.end, yC));
  expectLine(lines[3], sheet.line(c.start, yC, c.start, yA));
  expectLine(lines[4], sheet.line(c.end, yC, c.end, yA));
  const auto texts = dc.log().named("text_out");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, c.label);
  EXPECT_DOUBLE_EQ(drawing.printMargin(), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Sheet, ScaleBarExamples,
                         ::testing::Values(
                             // 1000 wide: s = 1000 + 1.2 * 50, the bar stays 100 long.
                             ScaleBarCase{"wide", 1000, 2, 1060, 960, "100 mm"},
                             // 150 wide: s = 159, 159 - 100 < 75, so 50.
                             ScaleBarCase{"medium", 150, 2, 159, 109, "50 mm"},
                             // 1 wide: 100, 50, 10, 2, 0.4 - the label truncates to 0.
                             ScaleBarCase{"narrow", 1, 2, 1.06, 0.66, "0 mm"},
                             // Lower left, 1000 wide: s = -60 + 62.5, mid 500: 100 fits.
                             ScaleBarCase{"lowerLeft", 1000, 3, 2.5, 102.5, "100 mm"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SheetScaleBar, NoBarForZeroOrEndlessWidthsOrOtherCorners) {
  const double endless = std::numeric_limits<double>::infinity();
  for (double maxX : {0.0, endless}) {
    const auto owned = drawingWithExtents(0, 0, 0, 10);
    DXF_Zeichnung& drawing = *owned;
    drawing.growExtents(0, 0, maxX, 10);
    RecordingDeviceContext dc;
    for (int corner = 1; corner <= 4; ++corner) drawing.drawScaleBar(dc, 1.0, corner);
    EXPECT_TRUE(dc.log().calls.empty()) << maxX;
  }
  const auto owned = drawingWithExtents(0, 0, 100, 10);
  DXF_Zeichnung& drawing = *owned;
  RecordingDeviceContext dc;
  for (int corner : {0, 5, -1}) drawing.drawScaleBar(dc, 1.0, corner);
  EXPECT_TRUE(dc.log().calls.empty());
}

TEST(SheetFrame, ZeroWidthCollapsesOntoTheExtentsWithoutText) {
  const auto owned = drawingWithExtents(5, 0, 5, 10);
  DXF_Zeichnung& drawing = *owned;
  RecordingDeviceContext dc;
  drawing.drawSheetFrame(dc, 1.0, "Title");
  const auto lines = dc.log().named("line");
  ASSERT_EQ(lines.size(), 4u);
  for (const auto& call : lines) {
    EXPECT_DOUBLE_EQ(call.args[0], 0.0) << call.str();
    EXPECT_DOUBLE_EQ(call.args[2], 0.0) << call.str();
  }
  EXPECT_EQ(dc.log().count("text_out"), 0);
}

struct LogoCase {
  int corner;
  double left;  // in margin units
  double top;   // in margin units, right-hand corners less the picture's width
  bool right;
};

class LogoCorners : public ::testing::TestWithParam<LogoCase> {};

TEST_P(LogoCorners, PictureIsOneMarginHighInItsCorner) {
  const LogoCase& c = GetParam();
  const auto owned = drawingWithExtents(0, 0, 200, 100);
  DXF_Zeichnung& drawing = *owned;  // m = 10, window 240 x 140
  RecordingDeviceContext dc;
  dc.width = 2400;
  dc.height = 2000;  // k = 10 pixels per mm
  dc.metaFileWidth = 30;
  dc.metaFileHeight = 20;
  drawing.drawLogo(dc, 1.0, "logo.svg", c.corner);
  const auto draws = dc.log().named("metafile_draw");
  ASSERT_EQ(draws.size(), 1u);
  const double k = 10.0;
  const double width = 30.0 * k * 10 / 20;  // 150 pixels for 100 high
  EXPECT_EQ(draws[0].args[0], std::trunc(k * c.left * 10 - (c.right ? width : 0)));
  EXPECT_EQ(draws[0].args[1], std::trunc(k * c.top * 10));
  EXPECT_EQ(draws[0].args[2], width);
  EXPECT_EQ(draws[0].args[3], 100);
  EXPECT_DOUBLE_EQ(drawing.printMargin(), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Sheet, LogoCorners,
                         ::testing::Values(LogoCase{1, 0.8, 0.8, false},
                                           LogoCase{2, 24 - 1.2, 0.8, true},
                                           LogoCase{3, 0.8, 14 - 1.85, false},
                                           LogoCase{4, 24 - 1.2, 14 - 1.85, true}),
                         [](const testing::TestParamInfo<LogoCase>& info) {
                           return "corner" + std::to_string(info.param.corner);
                         });

TEST(SheetLogo, OtherCornersAndUnreadablePicturesDrawNothing) {
  const auto owned = drawingWithExtents(0, 0, 200, 100);
  DXF_Zeichnung& drawing = *owned;
  RecordingDeviceContext dc;
  dc.metaFileWidth = 30;
  dc.metaFileHeight = 20;
  for (int corner : {0, 5}) drawing.drawLogo(dc, 1.0, "logo.svg", corner);
  EXPECT_TRUE(dc.log().calls.empty());
  dc.metaFileWidth = dc.metaFileHeight = 0;  // the device cannot open it
  drawing.drawLogo(dc, 1.0, "missing.svg", 3);
  EXPECT_EQ(dc.log().count("open_metafile"), 1);
  EXPECT_EQ(dc.log().count("metafile_draw"), 0);
}

// The texts printed and whether the logo came last.
std::vector<std::string> printedTexts(const RecordingDeviceContext& dc) {
  std::vector<std::string> texts;
  for (const auto& call : dc.ownLog.calls) {
    if (call.name == "text_out") texts.push_back(call.text);
  }
  return texts;
}

TEST(PrintSheet, OrderOfTheDecorationsFollowsTitleAndComponentName) {
  struct Case {
    const char* title;
    bool component;
    std::vector<std::string> texts;
  } cases[] = {
      {"Flange DN50", false, {"Flange DN50", "For information only", "100 mm", "drawn"}},
      {"Flange DN50", true, {"Flange DN50", "For information only", "drawn"}},
      {"", false, {"/tmp/part.dxf", "For information only", "drawn"}},
  };
  for (const Case& c : cases) {
    auto drawing = readOk(dxfFile("  0\nTEXT\n  8\n0\n 10\n500\n 20\n200\n 40\n20\n  1\ndrawn\n"));
    drawing->growExtents(0, 0, 1000, 400);
    RecordingDeviceContext dc;
    dc.metaFileWidth = dc.metaFileHeight = 1;
    const SheetTexts texts{c.title, "/tmp/part.dxf", "For information only", c.component,
                           "/res/logo.svg"};
    printSheet(*drawing, dc, texts);
    EXPECT_EQ(printedTexts(dc), c.texts) << c.title << c.component;
    ASSERT_FALSE(dc.log().calls.empty());
    EXPECT_EQ(dc.log().calls.back().name, "metafile_draw");
    EXPECT_EQ(dc.log().named("open_metafile")[0].text, "/res/logo.svg");
  }
}

}  // namespace
