// The printed page and the PDF file: paper sizes, centring, and files that appear whole.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "toolkit/paint/PdfDeviceContext.h"
#include "toolkit/paint/PdfWriter.h"
#include "toolkit/paint/PrintPage.h"

namespace {

TEST(PrintPage, PapersByNameTurnedForLandscape) {
  EXPECT_EQ(PrintPage::paperNamed("A3"), PaperSize::A3);
  EXPECT_FALSE(PrintPage::paperNamed("a4").has_value());
  const PageSize a4 = PrintPage::paper(PaperSize::A4, PageOrientation::Landscape);
  EXPECT_EQ(a4.width, 297.0);
  EXPECT_EQ(a4.height, 210.0);
  EXPECT_EQ(PrintPage::orientationFor(3, 2), PageOrientation::Landscape);
  EXPECT_EQ(PrintPage::orientationFor(2, 2), PageOrientation::Portrait);
}

TEST(PrintPage, CentringLeavesEqualMarginsOnTheLooseAxis) {
  struct Case {
    double deviceWidth, deviceHeight, windowWidth, windowHeight, x, y;
  } cases[] = {
      {1000, 500, 100, 100, 250, 0},  // square window on a wide page
      {500, 1000, 100, 50, 0, 375},   // wide window on a tall page
      {1000, 500, 0, 10, 500, 0},     // no width: a vertical line in the middle
      {1000, 500, 0, 0, 0, 0},        // nothing to fit
  };
  for (const Case& c : cases) {
    const DevicePoint offset =
        PrintPage::centring(c.deviceWidth, c.deviceHeight, c.windowWidth, c.windowHeight);
    EXPECT_DOUBLE_EQ(offset.x, c.x) << c.windowWidth << " x " << c.windowHeight;
    EXPECT_DOUBLE_EQ(offset.y, c.y) << c.windowWidth << " x " << c.windowHeight;
  }
}

TEST(PdfWriter, CompleteFileOnlyAfterFinish) {
  testsupport::TempDir dir;
  const std::filesystem::path path = dir.file("sheet.pdf");
  {
    PdfWriter pdf(path);
    ASSERT_TRUE(pdf.open());
    pdf.beginPage(595.0, 842.0);
    PdfDeviceContext page(pdf, 1000, 1000);
    page.line(10, 10, 990, 990);
    TextStyle style;
    style.pixelHeight = 40;
    page.text_out(100, 100, "Ma\xDF (40)", style);
    pdf.endPage();
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_TRUE(pdf.finish());
  }
  const std::string text = testsupport::readFile(path);
  EXPECT_EQ(text.substr(0, 8), "%PDF-1.4");
  EXPECT_NE(text.find("/Count 1"), std::string::npos);
  EXPECT_NE(text.find("/MediaBox [0 0 595.00 842.00]"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 6), "%%EOF\n");
  // Nothing but the file itself is left in the folder.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
    ++files;
  EXPECT_EQ(files, 1);
}

TEST(PdfWriter, AbandonedOrImpossibleFilesLeaveNothing) {
  testsupport::TempDir dir;
  PdfWriter impossible(dir.file("no/such/folder/sheet.pdf"));
  EXPECT_FALSE(impossible.open());
  {
    PdfWriter abandoned(dir.file("sheet.pdf"));
    ASSERT_TRUE(abandoned.open());
    abandoned.beginPage(100, 100);
    abandoned.content("0 0 m 10 10 l S\n");
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
