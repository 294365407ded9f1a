// Printed texts lean as their style says: the slant of a tall "I" on the PDF page, read
// back through poppler's pdftoppm, for upright, oblique, italic and mirrored letters; and
// they print the letters the screen shows.
#include <cairo.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "PixelCanvas.h"
#include "TestSupport.h"
#include "support/ProgramRun.h"
#include "toolkit/paint/CairoDeviceContext.h"
#include "toolkit/paint/PaintHandle.h"
#include "toolkit/paint/PdfDeviceContext.h"
#include "toolkit/paint/PdfWriter.h"

namespace {

using testsupport::TempDir;

// The page is as many points as the device has pixels, read back at 72 dpi: one pixel each.
constexpr int kSide = 400;
constexpr double kCapital = 200.0;
// The baseline's anchor: upright letters stand on it, mirrored ones hang from it.
constexpr double kAnchorX = 150.0;
constexpr double kBaselineUpright = 300.0;
constexpr double kBaselineMirrored = 100.0;

// The picture of one text ("I" unless told) printed through a PDF page.
class PrintedLetter {
 public:
  PrintedLetter(const TextStyle& style, double baselineY, const char* text = "I") {
    const std::string pdfPath = dir_.file("letter.pdf").string();
    PdfWriter pdf(pdfPath);
    EXPECT_TRUE(pdf.open());
    pdf.beginPage(kSide, kSide);
    // Device pixels, y downwards, as the printer's page maps them.
    pdf.content("1 0 0 -1 0 " + std::to_string(kSide) + " cm\n");
    {
      PdfDeviceContext page(pdf, kSide, kSide);
      page.set_foreground_color("#000000");
      page.text_out(kAnchorX, baselineY, text, style);
    }
    pdf.endPage();
    EXPECT_TRUE(pdf.finish());
    const std::string prefix = dir_.file("letter").string();
    EXPECT_EQ(testsupport::runProgram("/usr/bin/pdftoppm",
                                      {"-r", "72", "-png", "-singlefile", pdfPath, prefix}, dir_)
                  .status,
              0);
    image_.reset(cairo_image_surface_create_from_png((prefix + ".png").c_str()));
  }

  bool loaded() const {
    return image_ && cairo_surface_status(image_.get()) == CAIRO_STATUS_SUCCESS &&
           cairo_image_surface_get_width(image_.get()) == kSide;
  }

  // The middle of the dark pixels of row y; none when the row has none.
  std::optional<double> middleOfRow(int y) const {
    cairo_surface_flush(image_.get());
    const unsigned char* data = cairo_image_surface_get_data(image_.get());
    const int stride = cairo_image_surface_get_stride(image_.get());
    double sum = 0.0;
    int count = 0;
    for (int x = 0; x < kSide; ++x) {
      const auto pixel = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
      if ((pixel & 0xFF) < 0x80 && ((pixel >> 8) & 0xFF) < 0x80) {
        sum += x;
        ++count;
      }
    }
    if (count == 0) return std::nullopt;
    return sum / count;
  }

  // The page as a canvas.
  PixelCanvas canvas() const {
    PixelCanvas page(kSide, kSide);
    cairo_set_source_surface(page.cr(), image_.get(), 0, 0);
    cairo_paint(page.cr());
    return page;
  }

  // How far the stroke moves along the baseline per pixel up the letter, between rows a
  // fifth and four fifths of the capital above the baseline (below it when mirrored).
  std::optional<double> lean(double baselineY, bool mirrored) const {
    const double towardsTop = mirrored ? 1.0 : -1.0;
    const int low = static_cast<int>(baselineY + towardsTop * 0.2 * kCapital);
    const int high = static_cast<int>(baselineY + towardsTop * 0.8 * kCapital);
    const auto lower = middleOfRow(low);
    const auto upper = middleOfRow(high);
    if (!lower || !upper) return std::nullopt;
    return (*upper - *lower) / std::fabs(static_cast<double>(high - low));
  }

 private:
  TempDir dir_;
  CairoSurfacePtr image_;
};

TEST(PdfText, LettersLeanAsTheirStyleSays) {
  const double tan30 = std::tan(30.0 * std::numbers::pi / 180.0);
  struct Case {
    const char* name;
    double oblique;
    bool italic;
    bool mirrored;
    double minLean;
    double maxLean;
  };
  // An oblique angle leans the letters' tops forwards by its tangent; the italic face
  // leans them by its own design angle (about 12 degrees); mirrored across the baseline,
  // the tops hang below it and still lean forwards.
  for (const Case& c : {Case{"upright", 0.0, false, false, -0.02, 0.02},
                        Case{"oblique 30", 30.0, false, false, tan30 - 0.03, tan30 + 0.03},
                        Case{"oblique -15", -15.0, false, false, -0.268 - 0.03, -0.268 + 0.03},
                        Case{"italic", 0.0, true, false, 0.12, 0.3},
                        Case{"mirrored oblique 30", 30.0, false, true, tan30 - 0.03, tan30 + 0.03},
                        Case{"flat oblique draws upright", 89.0, false, false, -0.02, 0.02}}) {
    SCOPED_TRACE(c.name);
    TextStyle style;
    style.pixelHeight = kCapital;
    style.obliqueDegrees = c.oblique;
    style.italic = c.italic;
    style.mirrored = c.mirrored;
    const double baseline = c.mirrored ? kBaselineMirrored : kBaselineUpright;
    const PrintedLetter letter(style, baseline);
    ASSERT_TRUE(letter.loaded());
    const auto lean = letter.lean(baseline, c.mirrored);
    ASSERT_TRUE(lean.has_value()) << "no letter where it belongs";
    EXPECT_GE(*lean, c.minLean);
    EXPECT_LE(*lean, c.maxLean);
  }
}

TEST(PdfText, ASlantedLetterPivotsAboutItsBaselineStart) {
  // Left on its baseline, the foot of the slanted stroke stays where the upright one
  // stands: only the top moves.
  TextStyle upright;
  upright.pixelHeight = kCapital;
  TextStyle slanted = upright;
  slanted.obliqueDegrees = 30.0;
  const PrintedLetter straight(upright, kBaselineUpright);
  const PrintedLetter leaning(slanted, kBaselineUpright);
  ASSERT_TRUE(straight.loaded() && leaning.loaded());
  const int foot = static_cast<int>(kBaselineUpright - 2.0);
  const auto straightFoot = straight.middleOfRow(foot);
  const auto leaningFoot = leaning.middleOfRow(foot);
  ASSERT_TRUE(straightFoot && leaningFoot);
  EXPECT_NEAR(*leaningFoot, *straightFoot + 2.0 * std::tan(30.0 * std::numbers::pi / 180.0), 1.5);
}

// Escapes of characters print as those characters, where the screen shows them: those of
// the code page in the base font, others (beyond it) as their outlines.
TEST(PdfText, EscapedCharactersPrintWhereTheScreenShowsThem) {
  for (const char* text : {"A\\U+00C4", "\\U+03B1\\U+03B2\\U+03B3"}) {
    SCOPED_TRACE(text);
    TextStyle style;
    style.pixelHeight = 60.0;
    style.weight = 700;
    const PrintedLetter printed(style, kBaselineUpright, text);
    ASSERT_TRUE(printed.loaded());
    PixelCanvas screen(kSide, kSide);
    CairoDeviceContext(screen.cr(), kSide, kSide).text_out(kAnchorX, kBaselineUpright, text, style);
    const InkBox onPaper = printed.canvas().inkBox();
    const InkBox onScreen = screen.inkBox();
    ASSERT_FALSE(onPaper.empty());
    EXPECT_NEAR(onPaper.minX, onScreen.minX, 3);
    EXPECT_NEAR(onPaper.maxX, onScreen.maxX, 3);
    EXPECT_NEAR(onPaper.minY, onScreen.minY, 3);
    EXPECT_NEAR(onPaper.maxY, onScreen.maxY, 3);
  }
}

}  // namespace
