// Tests of writing painted pictures to PNG, SVG and PDF files atomically.
#include "toolkit/paint/PaintFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "toolkit/paint/PaintHandle.h"
#include "TestSupport.h"

namespace {

using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

void paintRed(cairo_t* cr) {
  cairo_set_source_rgb(cr, 1.0, 0.0, 0.0);
  cairo_paint(cr);
}

int filesIn(const std::filesystem::path& folder) {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

TEST(PaintFileFormat, FollowsTheExtensionInAnyCase) {
  EXPECT_EQ(PaintFile::formatFor("a/b.png"), PaintFormat::Png);
  EXPECT_EQ(PaintFile::formatFor("B.SVG"), PaintFormat::Svg);
  EXPECT_EQ(PaintFile::formatFor("c.Pdf"), PaintFormat::Pdf);
  EXPECT_FALSE(PaintFile::formatFor("d.dxf").has_value());
  EXPECT_FALSE(PaintFile::formatFor("png").has_value());
}

TEST(PaintFileWrite, PngHasThePixelSizeAndThePaintedColour) {
  TempDir dir;
  const auto path = dir.file("out.png");
  ASSERT_EQ(PaintFile::write(path, PaintFormat::Png, 30, 20, paintRed), 0);
  CairoSurfacePtr image(cairo_image_surface_create_from_png(path.c_str()));
  ASSERT_EQ(cairo_surface_status(image.get()), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(image.get()), 30);
  EXPECT_EQ(cairo_image_surface_get_height(image.get()), 20);
  const auto* data = cairo_image_surface_get_data(image.get());
  const auto pixel = *reinterpret_cast<const std::uint32_t*>(data);
  EXPECT_EQ(pixel & 0xFFFFFFu, 0xFF0000u);
  EXPECT_EQ(filesIn(dir.path()), 1);
}

TEST(PaintFileWrite, SvgAndPdfAreWrittenAsSuch) {
  TempDir dir;
  ASSERT_EQ(PaintFile::write(dir.file("a.svg"), PaintFormat::Svg, 300, 200, paintRed), 0);
  ASSERT_EQ(PaintFile::write(dir.file("a.pdf"), PaintFormat::Pdf, 300, 200, paintRed), 0);
  const std::string svg = readFile(dir.file("a.svg"));
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("width=\"300"), std::string::npos);
  EXPECT_EQ(readFile(dir.file("a.pdf")).rfind("%PDF", 0), 0u);
  EXPECT_EQ(filesIn(dir.path()), 2);
}

TEST(PaintFileWrite, ReplacesAnExistingFile) {
  TempDir dir;
  const auto path = dir.file("out.svg");
  writeFile(path, "old");
  ASSERT_EQ(PaintFile::write(path, PaintFormat::Svg, 10, 10, paintRed), 0);
  EXPECT_NE(readFile(path), "old");
  EXPECT_EQ(filesIn(dir.path()), 1);
}

TEST(PaintFileWrite, FailedPaintingLeavesTheOldFileAndNoTemporaryFile) {
  TempDir dir;
  const auto path = dir.file("out.png");
  writeFile(path, "old");
  const int result = PaintFile::write(path, PaintFormat::Png, 10, 10, [](cairo_t* cr) {
    cairo_scale(cr, 0.0, 0.0);  // an invalid matrix puts the context into an error state
  });
  EXPECT_EQ(result, PaintFile::kPaintFailed);
  EXPECT_EQ(readFile(path), "old");
  EXPECT_EQ(filesIn(dir.path()), 1);
}

TEST(PaintFileWrite, RejectsSizesCairoCannotHold) {
  TempDir dir;
  EXPECT_EQ(PaintFile::write(dir.file("a.png"), PaintFormat::Png, 0, 10, paintRed),
            PaintFile::kBadSize);
  EXPECT_EQ(PaintFile::write(dir.file("a.png"), PaintFormat::Png, 10, 40000, paintRed),
            PaintFile::kBadSize);
  EXPECT_EQ(filesIn(dir.path()), 0);
}

TEST(PaintFileWrite, ReportsAFolderThatDoesNotExist) {
  TempDir dir;
  EXPECT_EQ(PaintFile::write(dir.file("missing/a.png"), PaintFormat::Png, 10, 10, paintRed),
            PaintFile::kCannotWrite);
}

}  // namespace
