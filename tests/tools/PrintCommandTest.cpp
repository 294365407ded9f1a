// dxftool print: the sheet in the PDF file, read back with poppler's pdftotext and pdftoppm,
// carries frame, caption, scale bar and logo where the sheet layout puts them, and leaves
// out what lies on a layer that is switched off.
#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "ToolRun.h"

namespace {

using testsupport::TempDir;
using tooltest::runProgram;
using tooltest::runTool;

constexpr double kMmPerPoint = 25.4 / 72.0;

// Lines of a 200 x 100 frame on layer "0"; on the layer "OFF" (switched off) a red
// diagonal and the text "HIDDEN".
std::string sheetDrawing() {
  std::string dxf =
      "  0\nSECTION\n  2\nHEADER\n  9\n$EXTMIN\n 10\n0\n 20\n0\n 30\n0\n  9\n$EXTMAX\n 10\n200\n"
      " 20\n100\n 30\n0\n  0\nENDSEC\n  0\nSECTION\n  2\nTABLES\n"
      "  0\nTABLE\n  2\nLTYPE\n 70\n1\n  0\nLTYPE\n  2\nCONTINUOUS\n 70\n0\n  3\nSolid line\n"
      " 72\n65\n 73\n0\n 40\n0.0\n  0\nENDTAB\n  0\nTABLE\n  2\nLAYER\n 70\n2\n"
      "  0\nLAYER\n  2\n0\n 70\n0\n 62\n7\n  6\nCONTINUOUS\n"
      "  0\nLAYER\n  2\nOFF\n 70\n0\n 62\n-1\n  6\nCONTINUOUS\n"
      "  0\nENDTAB\n  0\nENDSEC\n  0\nSECTION\n  2\nBLOCKS\n  0\nENDSEC\n"
      "  0\nSECTION\n  2\nENTITIES\n";
  const int corners[5][2] = {{0, 0}, {200, 0}, {200, 100}, {0, 100}, {0, 0}};
  for (int i = 0; i < 4; ++i) {
    dxf += "  0\nLINE\n  8\n0\n 10\n" + std::to_string(corners[i][0]) + "\n 20\n" +
           std::to_string(corners[i][1]) + "\n 11\n" + std::to_string(corners[i + 1][0]) +
           "\n 21\n" + std::to_string(corners[i + 1][1]) + "\n";
  }
  dxf += "  0\nLINE\n  8\nOFF\n 62\n1\n 10\n0\n 20\n0\n 11\n200\n 21\n100\n";
  dxf += "  0\nTEXT\n  8\nOFF\n 10\n50\n 20\n50\n 40\n10\n  1\nHIDDEN\n";
  return dxf + "  0\nENDSEC\n  0\nEOF\n";
}

// Where a drawing point lands on the A4 landscape page, in mm from its upper left corner:
// the extents (widened by 5 % as on opening) widened again by 2m make the window that is
// fitted into the printable area (10 mm margins) and centred.
struct PagePlace {
  PagePlace() {
    minX = -10, maxX = 210, minY = -5, maxY = 105;
    m = (maxX - minX) * 0.05;
    const double width = maxX - minX + 4 * m;
    const double height = maxY - minY + 4 * m;
    k = std::min(277.0 / width, 190.0 / height);  // mm of paper per drawing unit
    offsetX = (277.0 - k * width) / 2;
    offsetY = (190.0 - k * height) / 2;
  }
  double x(double worldX) const { return 10 + offsetX + k * (worldX - (minX - 2 * m)); }
  double y(double worldY) const { return 10 + offsetY + k * (maxY + 2 * m - worldY); }
  double minX, maxX, minY, maxY, m, k, offsetX, offsetY;
};

struct Word {
  double left = 0.0;  // mm
  double top = 0.0;
};

// The words pdftotext finds, with their boxes, by text (the first of each).
std::map<std::string, Word> wordsOf(const std::string& pdf, const TempDir& dir) {
  const std::string html = dir.file("words.html").string();
  EXPECT_EQ(runProgram("/usr/bin/pdftotext", {"-bbox", pdf, html}, dir).status, 0);
  const std::string text = testsupport::readFile(html);
  const std::regex word(R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)"[^>]*>([^<]*)</word>)re");
  std::map<std::string, Word> words;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), word); it != std::sregex_iterator();
       ++it) {
    words.emplace((*it)[3],
                  Word{std::stod((*it)[1]) * kMmPerPoint, std::stod((*it)[2]) * kMmPerPoint});
  }
  return words;
}

// The page rasterised at 100 pixels per inch.
struct Raster {
  static constexpr double kPixelsPerMm = 100.0 / 25.4;
  explicit Raster(const std::string& png)
      : surface(cairo_image_surface_create_from_png(png.c_str())) {}
  ~Raster() { cairo_surface_destroy(surface); }
  bool loaded() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
  // Counts the pixels inside the box (mm) whose colour passes `test`.
  template <class Test>
  int count(double left, double top, double right, double bottom, Test test) const {
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    int found = 0;
    for (int y = std::max(0, int(top * kPixelsPerMm));
         y < std::min(height, int(bottom * kPixelsPerMm)); ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
      for (int x = std::max(0, int(left * kPixelsPerMm));
           x < std::min(width, int(right * kPixelsPerMm)); ++x) {
        const int r = (row[x] >> 16) & 0xFF, g = (row[x] >> 8) & 0xFF, b = row[x] & 0xFF;
        if (test(r, g, b)) ++found;
      }
    }
    return found;
  }
  cairo_surface_t* surface;
};

bool dark(int r, int g, int b) { return r < 100 && g < 100 && b < 100; }
bool red(int r, int g, int b) { return r > 180 && g < 90 && b < 90; }
bool logoBlue(int r, int g, int b) { return r < 80 && g > 50 && g < 110 && b > 90 && b < 160; }

TEST(PrintCommand, SheetCarriesFrameCaptionScaleBarAndLogoWhereTheLayoutPutsThem) {
  TempDir dir;
  const std::string input = dir.file("part.dxf").string();
  const std::string pdf = dir.file("part.pdf").string();
  testsupport::writeFile(input, sheetDrawing());

  const auto run = runTool({"print", input, pdf, "--title", "Flange DN50"}, dir);
  ASSERT_EQ(run.status, 0) << run.err;

  const PagePlace page;
  const auto words = wordsOf(pdf, dir);
  ASSERT_TRUE(words.count("For")) << "caption missing";
  ASSERT_TRUE(words.count("Flange")) << "title missing";
  ASSERT_TRUE(words.count("100")) << "scale bar label missing";
  EXPECT_FALSE(words.count("HIDDEN")) << "a text on a layer that is off was printed";
  // Caption at (minX - 1.2m, maxY + 1.2m), title at (minX - 1.2m, minY - 1.2m), the
  // label 1.25m left of the bar of 100 mm that ends 1.2m right of the extents; all hang
  // from their point. Glyph boxes sit within half a millimetre of the text cell.
  const double tolerance = 0.8;
  EXPECT_NEAR(words.at("For").left, page.x(page.minX - 1.2 * page.m), tolerance);
  EXPECT_NEAR(words.at("For").top, page.y(page.maxY + 1.2 * page.m), tolerance);
  EXPECT_NEAR(words.at("Flange").left, page.x(page.minX - 1.2 * page.m), tolerance);
  EXPECT_NEAR(words.at("Flange").top, page.y(page.minY - 1.2 * page.m), tolerance);
  const double barStart = page.maxX + 1.2 * page.m;
  EXPECT_NEAR(words.at("100").left, page.x(barStart - 1.25 * page.m - 100), tolerance);
  EXPECT_NEAR(words.at("100").top, page.y(page.maxY + 1.2 * page.m), tolerance);

  const std::string prefix = dir.file("page").string();
  ASSERT_EQ(runProgram("/usr/bin/pdftoppm", {"-r", "100", "-png", "-singlefile", pdf, prefix}, dir)
                .status,
            0);
  const Raster raster(prefix + ".png");
  ASSERT_TRUE(raster.loaded());
  // The frame's left side 1.5m outside the extents; white just inside it.
  const double frameX = page.x(page.minX - 1.5 * page.m);
  const double midY = page.y(50);
  EXPECT_GT(raster.count(frameX - 0.5, midY - 5, frameX + 0.5, midY + 5, dark), 10);
  EXPECT_EQ(raster.count(frameX + 1, midY - 5, frameX + 4, midY + 5, dark), 0);
  // The scale bar: its outer edge at maxY + m.
  const double barY = page.y(page.maxY + page.m);
  EXPECT_GT(
      raster.count(page.x(barStart - 90), barY - 0.5, page.x(barStart - 10), barY + 0.5, dark), 20);
  // The red diagonal on the layer that is off is not there.
  EXPECT_EQ(
      raster.count(page.x(page.minX), page.y(page.maxY), page.x(page.maxX), page.y(page.minY), red),
      0);
  // The logo, one margin unit square, in the lower left corner, and nowhere else.
  const double logoLeft = page.x(page.minX - 1.2 * page.m);
  const double logoTop = page.y(page.minY - 0.15 * page.m);
  const double side = page.k * page.m;
  EXPECT_GT(raster.count(logoLeft, logoTop, logoLeft + side, logoTop + side, logoBlue), 50);
  EXPECT_EQ(raster.count(logoLeft + side + 1, 0, 297, 210, logoBlue), 0);
}

TEST(PrintCommand, WithoutTitleTheFileNameIsTheTitleAndThereIsNoScaleBar) {
  TempDir dir;
  const std::string input = dir.file("plain.dxf").string();
  const std::string pdf = dir.file("plain.pdf").string();
  testsupport::writeFile(input, sheetDrawing());
  ASSERT_EQ(runTool({"print", input, pdf, "--paper", "A3", "--portrait"}, dir).status, 0);
  const auto words = wordsOf(pdf, dir);
  // The path may hold blanks, which split it into words, and a long one runs off the page:
  // its start is looked for in the page's text.
  const std::string text = runProgram("/usr/bin/pdftotext", {pdf, "-"}, dir).out;
  EXPECT_NE(text.find(input.substr(0, 60)), std::string::npos) << "the path is the title";
  EXPECT_TRUE(words.count("information"));
  EXPECT_FALSE(words.count("mm"));
  // A3 portrait: 297 x 420 mm, read back in points.
  const std::string info = runProgram("/usr/bin/pdfinfo", {pdf}, dir).out;
  EXPECT_NE(info.find("841.89 x 1190.55 pts"), std::string::npos) << info;
}

TEST(PrintCommand, UnwritableFileIsReportedAndLeavesNothing) {
  TempDir dir;
  const std::string input = dir.file("part.dxf").string();
  testsupport::writeFile(input, sheetDrawing());
  const auto run = runTool({"print", input, dir.file("missing/folder/out.pdf").string()}, dir);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("cannot be created"), std::string::npos) << run.err;
}

}  // namespace
