// Texts of complex linetypes as painted: placed along the line where the pattern puts them,
// at any zoom; shapes (from shape files the viewer does not have) leave their gap empty.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
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
  return
      "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLTYPE\n 70\n1\n" + std::string(kTextedLinetype) +
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

TEST(LinetypeTextPrint, PrintedPagesCarryEveryText) {
  testsupport::TempDir dir;
  const std::string input = dir.file("texted.dxf").string();
  const std::string pdf = dir.file("texted.pdf").string();
  std::string file = textedLineFile();
  file.replace(file.find("  9\nH\n"), 7, "  9\nGAS\n");
  testsupport::writeFile(input, file);
  ASSERT_EQ(tooltest::runTool({"print", input, pdf}, dir).status, 0);
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
