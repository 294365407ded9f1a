// Texts of complex linetypes as painted: placed along the line where the pattern puts them,
// at any zoom; shapes (from shape files the viewer does not have) leave their gap empty.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cmath>
#include <memory>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "ToolRun.h"
#include "support/PaintedPixels.h"
#include "document/DXF_Zeichnung.h"
#include "document/DxfWriter.h"
#include "toolkit/paint/CairoDrawingArea.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 80;

// The pattern "TEXTED", 22 units a period: a dash of 10, a gap of 2 carrying the text "H"
// 4 high, moved 0.5 along and 2 down (its capitals from 2 below the line to 2 above), a
// gap of 6, and a gap of 4 carrying a shape.
const char* const kTextedLinetype =
    "  0\nLTYPE\n  2\nTEXTED\n 70\n0\n  3\n\n 72\n65\n 73\n4\n 40\n22\n"
    " 49\n10\n 74\n0\n"
    " 49\n-2\n 74\n2\n 75\n0\n340\n11\n 46\n4\n 50\n0\n 44\n0.5\n 45\n-2\n  9\nH\n"
    " 49\n-6\n 74\n0\n"
    " 49\n-4\n 74\n4\n 75\n132\n340\n12\n 46\n4\n";

// A line of 200 units along y 10 with the linetype "TEXTED".
std::string textedLineFile() {
  return "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLTYPE\n 70\n1\n" +
         std::string(kTextedLinetype) +
         "  0\nENDTAB\n  0\nTABLE\n  2\nLAYER\n 70\n1\n"
         "  0\nLAYER\n  2\n0\n 70\n0\n 62\n7\n  6\nCONTINUOUS\n  0\nENDTAB\n  0\nENDSEC\n"
         "  0\nSECTION\n  2\nENTITIES\n"
         "  0\nLINE\n  8\n0\n  6\nTEXTED\n 10\n0\n 20\n10\n 11\n200\n 21\n10\n"
         "  0\nENDSEC\n  0\nEOF\n";
}

std::unique_ptr<DXF_Zeichnung> drawingWithTextedLine() {
  auto document = std::make_unique<DXF_Zeichnung>();
  EXPECT_EQ(document->readDXFFromMemory(textedLineFile()), 0);
  return document;
}

// The picture of the world x 0..width, y 10 - width/10 .. 10 + width/10, with a counter of
// ink inside world boxes.
class Picture {
 public:
  Picture(const DXF_Zeichnung& drawing, double worldWidth)
      : unitsPerPixel_(worldWidth / kWidth),
        pixels_(testsupport::paintedPixels(kWidth, kHeight, [&](cairo_t* cr) {
          CairoDrawingArea area(cr, {kWidth, kHeight}, {kWidth, kHeight}, {0, 0});
          area.set_wc_coords(0.0, 10.0 - worldWidth / 10.0, worldWidth, 10.0 + worldWidth / 10.0);
          drawing.drawAll(area, 1.0);
        })) {}

  // Ink pixels whose centres lie in the world box.
  int inkIn(double x1, double y1, double x2, double y2) const {
    int ink = 0;
    for (int y = 0; y < kHeight; ++y) {
      const double worldY = 10.0 + (kHeight / 2.0 - y - 0.5) * unitsPerPixel_;
      for (int x = 0; x < kWidth; ++x) {
        const double worldX = (x + 0.5) * unitsPerPixel_;
        if (worldX >= x1 && worldX <= x2 && worldY >= y1 && worldY <= y2) {
          ink += pixels_[static_cast<std::size_t>(y * kWidth + x)] != 0xFFFFFF ? 1 : 0;
        }
      }
    }
    return ink;
  }

 private:
  double unitsPerPixel_;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace

TEST(LinetypeTextPicture, TextsStandWhereThePatternPutsThemAtAnyZoom) {
  const auto document = drawingWithTextedLine();
  // 2 and 4 pixels a unit: the "H" is 8 and 16 pixels high.
  for (const double worldWidth : {200.0, 100.0}) {
    const Picture picture(*document, worldWidth);
    for (const double start : {0.0, 22.0, 44.0}) {
      // The dash.
      EXPECT_GT(picture.inkIn(start + 1, 9.5, start + 9, 10.5), 0) << worldWidth << " " << start;
      // The "H" from 12.5 along, about 2.5 wide, between 8 and 12.
      EXPECT_GT(picture.inkIn(start + 12.5, 8.0, start + 15.5, 12.0), 8)
          << worldWidth << " " << start;
      // Nothing above or below it, nothing after it in the gap, nothing for the shape.
      EXPECT_EQ(picture.inkIn(start + 11, 12.8, start + 17, 14), 0) << worldWidth << " " << start;
      EXPECT_EQ(picture.inkIn(start + 11, 6, start + 17, 7.2), 0) << worldWidth << " " << start;
      EXPECT_EQ(picture.inkIn(start + 17.5, 6, start + 21.5, 14), 0) << worldWidth << " " << start;
    }
  }
}

namespace {

constexpr int kSquare = 300;

// The square picture of the world -60..60 in x and y.
std::vector<std::uint32_t> squarePicture(const DXF_Zeichnung& drawing) {
  return testsupport::paintedPixels(kSquare, kSquare, [&](cairo_t* cr) {
    CairoDrawingArea area(cr, {kSquare, kSquare}, {kSquare, kSquare}, {0, 0});
    area.set_wc_coords(-60.0, -60.0, 60.0, 60.0);
    drawing.drawAll(area, 1.0);
  });
}

// The share of `a`'s ink pixels with ink in `b` at most one pixel away.
double inkFoundIn(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  int ink = 0;
  int found = 0;
  for (int y = 0; y < kSquare; ++y) {
    for (int x = 0; x < kSquare; ++x) {
      if (a[static_cast<std::size_t>(y * kSquare + x)] == 0xFFFFFF) continue;
      ++ink;
      bool near = false;
      for (int dy = -1; dy <= 1 && !near; ++dy) {
        for (int dx = -1; dx <= 1 && !near; ++dx) {
          const int nx = x + dx, ny = y + dy;
          near = nx >= 0 && ny >= 0 && nx < kSquare && ny < kSquare &&
                 b[static_cast<std::size_t>(ny * kSquare + nx)] != 0xFFFFFF;
        }
      }
      found += near ? 1 : 0;
    }
  }
  return ink > 0 ? static_cast<double>(found) / ink : 0.0;
}

}  // namespace

// Release 12 has no complex linetypes: the saved file holds each text as a TEXT entity, and
// paints it where the pattern painted it, round circles and arcs (counter-clockwise) too.
TEST(LinetypeTextPicture, SavedRelease12CopyPaintsTheTextsWhereTheyWere) {
  std::string file = textedLineFile();
  file.insert(file.find("  0\nENDSEC\n  0\nEOF"),
              "  0\nCIRCLE\n  8\n0\n  6\nTEXTED\n 10\n0\n 20\n0\n 40\n40\n"
              "  0\nARC\n  8\n0\n  6\nTEXTED\n 10\n0\n 20\n0\n 40\n25\n 50\n30\n 51\n250\n");
  auto original = std::make_unique<DXF_Zeichnung>();
  ASSERT_EQ(original->readDXFFromMemory(file), 0);
  std::ostringstream saved;
  DxfWriter(*original).writeTo(saved);
  auto copy = std::make_unique<DXF_Zeichnung>();
  ASSERT_EQ(copy->readDXFFromMemory(saved.str()), 0);

  const std::vector<std::uint32_t> before = squarePicture(*original);
  const std::vector<std::uint32_t> after = squarePicture(*copy);
  EXPECT_GT(inkFoundIn(before, after), 0.97);
  EXPECT_GT(inkFoundIn(after, before), 0.97);
  // Without the texts, the copy's lines alone would leave much of the picture's ink unmatched.
  std::string dashesOnly = file;
  dashesOnly.replace(dashesOnly.find("  9\nH\n"), 7, "  9\n\n");
  auto plain = std::make_unique<DXF_Zeichnung>();
  ASSERT_EQ(plain->readDXFFromMemory(dashesOnly), 0);
  EXPECT_LT(inkFoundIn(before, squarePicture(*plain)), 0.9);
}

namespace {

// A dashed ellipse (centre 0,0, half axes 40 and 20) and a dashed cubic Bezier spline with
// the pattern "DASHED": dashes of 4, gaps of 4.
const char* const kDashedCurves =
    "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLTYPE\n 70\n1\n"
    "  0\nLTYPE\n  2\nDASHED\n 70\n0\n  3\n\n 72\n65\n 73\n2\n 40\n8\n 49\n4\n 49\n-4\n"
    "  0\nENDTAB\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n"
    "  0\nELLIPSE\n  8\n0\n  6\nDASHED\n 10\n0\n 20\n10\n 11\n40\n 21\n0\n 40\n0.5\n"
    " 41\n0\n 42\n6.283185307179586\n"
    "  0\nSPLINE\n  8\n0\n  6\nDASHED\n 70\n8\n 71\n3\n 72\n8\n 73\n4\n"
    " 40\n0\n 40\n0\n 40\n0\n 40\n0\n 40\n1\n 40\n1\n 40\n1\n 40\n1\n"
    " 10\n-50\n 20\n-50\n 10\n-20\n 20\n-10\n 10\n20\n 20\n-55\n 10\n50\n 20\n-25\n"
    "  0\nENDSEC\n  0\nEOF\n";

WorldPoint onEllipse(double t) { return {40.0 * std::cos(t), 10.0 + 20.0 * std::sin(t)}; }

WorldPoint onSpline(double t) {
  const double u = 1.0 - t;
  const double b[] = {u * u * u, 3 * u * u * t, 3 * u * t * t, t * t * t};
  const WorldPoint c[] = {{-50, -50}, {-20, -10}, {20, -55}, {50, -25}};
  WorldPoint p;
  for (int i = 0; i < 4; ++i) {
    p.x += b[i] * c[i].x;
    p.y += b[i] * c[i].y;
  }
  return p;
}

// The share of the curve's points (t from 0 to 1) with ink at most a pixel away, in the
// square picture of the world -60..60.
template <class Curve>
double inkedShare(const std::vector<std::uint32_t>& pixels, Curve curve) {
  constexpr int kSamples = 4000;
  int inked = 0;
  for (int i = 0; i < kSamples; ++i) {
    const WorldPoint p = curve(static_cast<double>(i) / kSamples);
    const int x = static_cast<int>((p.x + 60.0) * kSquare / 120.0);
    const int y = static_cast<int>((60.0 - p.y) * kSquare / 120.0);
    bool ink = false;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int nx = x + dx, ny = y + dy;
        ink = ink || (nx >= 0 && ny >= 0 && nx < kSquare && ny < kSquare &&
                      pixels[static_cast<std::size_t>(ny * kSquare + nx)] != 0xFFFFFF);
      }
    }
    inked += ink ? 1 : 0;
  }
  return static_cast<double>(inked) / kSamples;
}

}  // namespace

// An ellipse and a spline are stroked in one go, so their dashes run on along the whole
// curve (2.5 pixels a unit: dashes and gaps of 10 pixels); a chord at a time would start
// the pattern afresh every few pixels and draw them nearly solid. A release 12 save writes
// them as polylines whose pattern runs on around the vertices (flag 128): the same picture.
TEST(LinetypePicture, DashedEllipsesAndSplinesKeepTheirPatternAlongTheCurveAndAfterASave) {
  auto original = std::make_unique<DXF_Zeichnung>();
  ASSERT_EQ(original->readDXFFromMemory(kDashedCurves), 0);
  const std::vector<std::uint32_t> before = squarePicture(*original);
  const double ellipse =
      inkedShare(before, [](double t) { return onEllipse(2.0 * std::numbers::pi * t); });
  const double spline = inkedShare(before, onSpline);
  // Dashes cover half the curve; a pixel either side of each adds a little. Drawn solid,
  // nearly every point would have ink.
  EXPECT_GT(ellipse, 0.45);
  EXPECT_LT(ellipse, 0.8);
  EXPECT_GT(spline, 0.45);
  EXPECT_LT(spline, 0.8);

  std::ostringstream saved;
  DxfWriter(*original).writeTo(saved);
  EXPECT_NE(saved.str().find(" 70\n129\n"), std::string::npos);  // the closed ellipse
  auto copy = std::make_unique<DXF_Zeichnung>();
  ASSERT_EQ(copy->readDXFFromMemory(saved.str()), 0);
  const std::vector<std::uint32_t> after = squarePicture(*copy);
  EXPECT_GT(inkFoundIn(before, after), 0.97);
  EXPECT_GT(inkFoundIn(after, before), 0.97);
}

TEST(LinetypeTextPrint, PrintedPagesCarryEveryText) {
  testsupport::TempDir dir;
  const std::string input = dir.file("texted.dxf").string();
  const std::string pdf = dir.file("texted.pdf").string();
  std::string file = textedLineFile();
  file.replace(file.find("  9\nH\n"), 7, "  9\nGAS\n");
  testsupport::writeFile(input, file);
  // A title of its own keeps the input's path, which could hold the word, off the page.
  ASSERT_EQ(tooltest::runTool({"print", input, pdf, "--title", "Gas line"}, dir).status, 0);
  const auto words = tooltest::runProgram("/usr/bin/pdftotext", {pdf, "-"}, dir);
  ASSERT_EQ(words.status, 0);
  // At 12 + 22 k along the line of 200 units: k from 0 to 8.
  int count = 0;
  for (std::size_t at = words.out.find("GAS"); at != std::string::npos;
       at = words.out.find("GAS", at + 1)) {
    ++count;
  }
  EXPECT_EQ(count, 9) << words.out;
}
