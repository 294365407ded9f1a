// Line weights as painted: on screen and in pictures a weight wider than the drawing's
// default keeps its width in pixels (96 per inch) whatever the zoom, through inserts and
// after exploding; printed, it is as wide on paper as it says. Expected widths come from
// the weights in millimetres, never from an earlier picture.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "ToolRun.h"
#include "support/PaintedPixels.h"
#include "document/DXF_Zeichnung.h"
#include "toolkit/paint/CairoDrawingArea.h"

namespace {

using testsupport::TempDir;

// Pictures of 200 x 40 pixels of the world x 0..100, y 0..20 (or a zoomed part of it); the
// lines lie along world y 10.
constexpr int kWidth = 200;
constexpr int kHeight = 40;

// Ink pixels of the middle column of the picture of `drawing` with the world rectangle
// (0, 0) to (worldWidth, worldWidth / 5): the width of a horizontal line there.
int middleColumnInk(const DXF_Zeichnung& drawing, double worldWidth = 100.0) {
  const std::vector<std::uint32_t> pixels =
      testsupport::paintedPixels(kWidth, kHeight, [&](cairo_t* cr) {
        CairoDrawingArea area(cr, {kWidth, kHeight}, {kWidth, kHeight}, {0, 0});
        const double worldHeight = worldWidth / 5.0;
        area.set_wc_coords(0.0, 10.0 - worldHeight / 2.0, worldWidth, 10.0 + worldHeight / 2.0);
        drawing.drawAll(area, 1.0);
      });
  int ink = 0;
  for (int y = 0; y < kHeight; ++y) {
    ink += pixels[static_cast<std::size_t>(y * kWidth + kWidth / 2)] != 0xFFFFFF ? 1 : 0;
  }
  return ink;
}

// A drawing with the header groups, a layer "W" with the layer groups, the blocks and the
// entities given as group text. Layer "0" has no weight.
std::string drawing(const std::string& header, const std::string& layerW, const std::string& blocks,
                    const std::string& entities) {
  return "  0\nSECTION\n  2\nHEADER\n" + header +
         "  0\nENDSEC\n"
         "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLAYER\n 70\n2\n"
         "  0\nLAYER\n  2\n0\n 70\n0\n 62\n7\n  6\nCONTINUOUS\n"
         "  0\nLAYER\n  2\nW\n 70\n0\n 62\n7\n  6\nCONTINUOUS\n" +
         layerW +
         "  0\nENDTAB\n  0\nENDSEC\n"
         "  0\nSECTION\n  2\nBLOCKS\n" +
         blocks +
         "  0\nENDSEC\n"
         "  0\nSECTION\n  2\nENTITIES\n" +
         entities + "  0\nENDSEC\n  0\nEOF\n";
}

// A line along world y 10 across the picture, on `layer`, with extra groups.
std::string line(const char* layer, const std::string& groups) {
  return std::string("  0\nLINE\n  8\n") + layer + "\n" + groups +
         " 10\n0\n 20\n10\n 11\n100\n 21\n10\n";
}

// Block "B": one line on layer "0" with the groups; block "N": an insert of "B" with the
// groups of `innerInsert`.
std::string blocks(const std::string& lineGroups, const std::string& innerInsert = "") {
  return "  0\nBLOCK\n  8\n0\n  2\nB\n 70\n0\n 10\n0\n 20\n0\n" + line("0", lineGroups) +
         "  0\nENDBLK\n  8\n0\n"
         "  0\nBLOCK\n  8\n0\n  2\nN\n 70\n0\n 10\n0\n 20\n0\n"
         "  0\nINSERT\n  8\n0\n  2\nB\n" +
         innerInsert +
         " 10\n0\n 20\n0\n"
         "  0\nENDBLK\n  8\n0\n";
}

std::string insert(const char* block, const char* layer, const std::string& groups) {
  return std::string("  0\nINSERT\n  8\n") + layer + "\n  2\n" + block + "\n" + groups +
         " 10\n0\n 20\n0\n";
}

std::unique_ptr<DXF_Zeichnung> read(const std::string& text) {
  auto document = std::make_unique<DXF_Zeichnung>();
  EXPECT_EQ(document->readDXFFromMemory(text), 0);
  return document;
}

struct WeightCase {
  const char* name;
  std::string text;
  int pixels;  // the line's width in screen pixels
};

// Widths of a point (4/3 pixel at 96 pixels per inch) a millimetre, rounded to whole
// pixels, at least two for a weight above the default: 0.30 mm 0.4 -> 2, 0.50 mm 0.67 -> 2,
// 1.00 mm 1.33 -> 2, 1.40 mm 1.87 -> 2, 1.60 mm 2.13 -> 2, 2.00 mm 2.67 -> 3,
// 2.11 mm 2.81 -> 3.
std::vector<WeightCase> weightCases() {
  const std::string none;
  const std::string lwDefault50 = "  9\n$LWDEFAULT\n370\n50\n";
  return {
      {"without a weight", drawing(none, none, none, line("0", none)), 1},
      {"the standard default, 0.25 mm", drawing(none, none, none, line("0", "370\n25\n")), 1},
      {"finer than the default", drawing(none, none, none, line("0", "370\n13\n")), 1},
      {"0.30 mm", drawing(none, none, none, line("0", "370\n30\n")), 2},
      {"0.50 mm", drawing(none, none, none, line("0", "370\n50\n")), 2},
      {"1.00 mm", drawing(none, none, none, line("0", "370\n100\n")), 2},
      {"2.00 mm", drawing(none, none, none, line("0", "370\n200\n")), 3},
      {"2.11 mm", drawing(none, none, none, line("0", "370\n211\n")), 3},
      {"a weight no writer produces", drawing(none, none, none, line("0", "370\n999\n")), 1},
      {"0.50 mm is the file's default", drawing(lwDefault50, none, none, line("0", "370\n50\n")),
       1},
      {"DEFAULT of a wide default",
       drawing("  9\n$LWDEFAULT\n370\n100\n", none, none, line("0", "370\n-3\n")), 1},
      {"BYLAYER", drawing(none, "370\n200\n", none, line("W", none)), 3},
      {"BYLAYER of a layer with DEFAULT", drawing(none, "370\n-3\n", none, line("W", none)), 1},
      {"BYBLOCK outside blocks", drawing(none, none, none, line("0", "370\n-2\n")), 1},
      {"BYBLOCK of an insert of 2.00 mm",
       drawing(none, none, blocks("370\n-2\n"), insert("B", "0", "370\n200\n")), 3},
      {"BYBLOCK of a BYLAYER insert on a layer of 2.11 mm",
       drawing(none, "370\n211\n", blocks("370\n-2\n"), insert("B", "W", none)), 3},
      {"BYBLOCK through a BYBLOCK insert of an outer insert of 2.00 mm",
       drawing(none, none, blocks("370\n-2\n", "370\n-2\n"), insert("N", "0", "370\n200\n")), 3},
      {"BYLAYER on layer 0 of an insert on a layer of 2.00 mm",
       drawing(none, "370\n200\n", blocks(none), insert("B", "W", none)), 3},
      {"a light polyline of 2.00 mm",
       drawing(none, none, none,
               "  0\nLWPOLYLINE\n  8\n0\n370\n200\n 90\n2\n 70\n0\n 10\n0\n 20\n10\n"
               " 10\n100\n 20\n10\n"),
       3},
      {"a polyline of 2.11 mm",
       drawing(none, none, none,
               "  0\nPOLYLINE\n  8\n0\n370\n211\n 66\n1\n  0\nVERTEX\n  8\n0\n 10\n0\n"
               " 20\n10\n  0\nVERTEX\n  8\n0\n 10\n100\n 20\n10\n  0\nSEQEND\n"),
       3},
      {"the line's own weight inside an insert of 2.00 mm",
       drawing(none, none, blocks("370\n50\n"), insert("B", "0", "370\n200\n")), 2},
  };
}

}  // namespace

TEST(LineWeightPicture, WidthsFollowTheEntityLayerInsertAndDefault) {
  for (const WeightCase& c : weightCases()) {
    const auto document = read(c.text);
    EXPECT_EQ(middleColumnInk(*document), c.pixels) << c.name;
  }
}

TEST(LineWeightPicture, WidthsStayWhenZoomedAndWhenExploded) {
  for (const WeightCase& c : weightCases()) {
    const auto document = read(c.text);
    // Ten times the zoom: the line is as wide as before.
    EXPECT_EQ(middleColumnInk(*document, 10.0), c.pixels) << c.name;
    document->explodeAll();
    EXPECT_EQ(middleColumnInk(*document), c.pixels) << c.name << ", exploded";
  }
}

// Release 12 has no line weights: the saved file names none, and read back its lines are
// drawn thin.
TEST(LineWeightPicture, SavingAsRelease12LeavesTheWeightsOut) {
  TempDir dir;
  const auto document =
      read(drawing("  9\n$LWDEFAULT\n370\n25\n", "370\n200\n", "", line("W", "370\n200\n")));
  ASSERT_EQ(middleColumnInk(*document), 3);
  const auto path = dir.file("saved.dxf");
  ASSERT_EQ(document->writeDXF(path), 0);
  const std::string saved = testsupport::readFile(path.string());
  EXPECT_EQ(saved.find("\n370\n"), std::string::npos);
  EXPECT_EQ(saved.find("$LWDEFAULT"), std::string::npos);
  DXF_Zeichnung again;
  ASSERT_EQ(again.readDXF(path), 0);
  EXPECT_EQ(middleColumnInk(again), 1);
}

// Printed, a weight above the default is as wide on paper as it says; thin lines print a
// tenth of a millimetre wide.
TEST(LineWeightPrint, WideWeightsAreTheirWidthOnPaper) {
  TempDir dir;
  // The page rasterised at 254 pixels per inch: ten pixels a millimetre.
  constexpr int kPixelsPerMm = 10;
  struct Case {
    const char* groups;
    double mm;
  };
  for (const Case& c : {Case{"370\n200\n", 2.0}, Case{"370\n25\n", 0.1}}) {
    const std::string input = dir.file("weight.dxf").string();
    const std::string pdf = dir.file("weight.pdf").string();
    testsupport::writeFile(input, drawing("", "", "", line("0", c.groups)));
    // A title of its own keeps the input's path off the page: a long path's letters would
    // reach the middle column and be measured instead of the line.
    ASSERT_EQ(tooltest::runTool({"print", input, pdf, "--title", "Line weight"}, dir).status, 0);
    const std::string prefix = dir.file("page").string();
    ASSERT_EQ(tooltest::runProgram("/usr/bin/pdftoppm",
                                   {"-r", "254", "-gray", "-png", "-singlefile", pdf, prefix}, dir)
                  .status,
              0);
    cairo_surface_t* page = cairo_image_surface_create_from_png((prefix + ".png").c_str());
    ASSERT_EQ(cairo_surface_status(page), CAIRO_STATUS_SUCCESS);
    // The longest dark run down the middle of the page is the line (the frame and the
    // texts are thin or elsewhere).
    const int width = cairo_image_surface_get_width(page);
    const int height = cairo_image_surface_get_height(page);
    const int stride = cairo_image_surface_get_stride(page);
    const unsigned char* data = cairo_image_surface_get_data(page);
    int longest = 0;
    int run = 0;
    for (int y = 0; y < height; ++y) {
      const auto pixel = *reinterpret_cast<const std::uint32_t*>(data + y * stride + width / 2 * 4);
      run = (pixel & 0xFF) < 160 ? run + 1 : 0;
      longest = std::max(longest, run);
    }
    cairo_surface_destroy(page);
    EXPECT_NEAR(longest, c.mm * kPixelsPerMm, 1.5) << c.groups;
  }
}
