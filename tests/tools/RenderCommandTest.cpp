// dxftool render: pictures of the asked size, fitted as the viewer fits, on white.
#include <gtest/gtest.h>

#include <cmath>

#include "ToolTestData.h"

using testsupport::TempDir;
using tooltest::runTool;

TEST(RenderPng, SampleGivesPictureOfTheAskedSizeWithDrawing) {
  TempDir dir;
  const auto out = dir.file("issue42.png");
  const auto run = runTool({"render", testsupport::dataPath("issue42.dxf").string(), out.string(),
                            "--width", "320", "--height", "240"},
                           dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto picture = tooltest::examinePng(out);
  ASSERT_TRUE(picture.loaded);
  EXPECT_EQ(picture.width, 320);
  EXPECT_EQ(picture.height, 240);
  EXPECT_GT(picture.nonWhite, 100);
}

TEST(RenderPng, DefaultSizeIsTheViewersPicture) {
  TempDir dir;
  const auto in = dir.file("frame.dxf");
  testsupport::writeFile(in, tooltest::frameDrawing("PART", "1"));
  const auto out = dir.file("frame.png");
  ASSERT_EQ(runTool({"render", in.string(), out.string()}, dir).status, 0);
  const auto picture = tooltest::examinePng(out);
  EXPECT_EQ(picture.width, 1600);
  EXPECT_EQ(picture.height, 1200);
}

TEST(RenderPng, LayerSwitchedOffLeavesThePictureWhite) {
  TempDir dir;
  const auto in = dir.file("off.dxf");
  testsupport::writeFile(in, tooltest::frameDrawing("PART", "-7"));
  const auto out = dir.file("off.png");
  const auto run =
      runTool({"render", in.string(), out.string(), "--width", "200", "--height", "150"}, dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto picture = tooltest::examinePng(out);
  ASSERT_TRUE(picture.loaded);
  EXPECT_EQ(picture.nonWhite, 0);
}

TEST(RenderPng, DrawingIsWidenedFittedWithInsetAndCentred) {
  // Extents 100 x 50, widened to 110 x 55; a 202 x 202 picture leaves 200 x 200, so the
  // scale is 200 / 110 px/mm, the area 200 x 100 px placed 50 px down. The frame lines
  // then start 5 mm = 9.1 px in from the area's left and 2.5 mm = 4.5 px below its top.
  TempDir dir;
  const auto in = dir.file("frame.dxf");
  testsupport::writeFile(in, tooltest::frameDrawing("PART", "7"));
  const auto out = dir.file("frame.png");
  ASSERT_EQ(runTool({"render", in.string(), out.string(), "--width", "202", "--height", "202"}, dir)
                .status,
            0);
  const auto p = tooltest::examinePng(out);
  ASSERT_TRUE(p.loaded);
  const double scale = 200.0 / 110.0;
  EXPECT_NEAR(p.left, 5.0 * scale, 1.5);
  EXPECT_NEAR(p.right, 105.0 * scale, 1.5);
  EXPECT_NEAR(p.top, 50 + 2.5 * scale, 1.5);
  EXPECT_NEAR(p.bottom, 50 + 52.5 * scale, 1.5);
}

TEST(RenderFormats, SvgAndPdfFilesAreWritten) {
  TempDir dir;
  const std::string in = testsupport::dataPath("POLI-ALL210_12.DXF").string();
  const auto svg = dir.file("p.svg");
  const auto pdf = dir.file("p.PDF");
  ASSERT_EQ(runTool({"render", in, svg.string()}, dir).status, 0);
  ASSERT_EQ(runTool({"render", in, pdf.string()}, dir).status, 0);
  const std::string svgText = testsupport::readFile(svg);
  EXPECT_NE(svgText.find("<svg"), std::string::npos);
  EXPECT_NE(svgText.find("width=\"1600\""), std::string::npos);
  EXPECT_EQ(testsupport::readFile(pdf).rfind("%PDF", 0), 0u);
}

TEST(RenderDegenerate, DrawingWithoutExtentsGivesWhitePictureAndANote) {
  TempDir dir;
  const auto in = dir.file("empty.dxf");
  testsupport::writeFile(in, tooltest::frameDrawing("PART", "7", false));
  const auto out = dir.file("empty.png");
  const auto run =
      runTool({"render", in.string(), out.string(), "--width", "64", "--height", "48"}, dir);
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.err.find("no extents"), std::string::npos) << run.err;
  const auto picture = tooltest::examinePng(out);
  ASSERT_TRUE(picture.loaded);
  EXPECT_EQ(picture.width, 64);
  EXPECT_EQ(picture.nonWhite, 0);
}

TEST(RenderFailures, UnwritablePictureAndBadInputExitWithOne) {
  TempDir dir;
  const std::string in = testsupport::dataPath("ASCII_R12.dxf").string();
  const auto unwritable = runTool({"render", in, dir.file("none/x.png").string()}, dir);
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("-50"), std::string::npos) << unwritable.err;

  testsupport::writeFile(dir.file("not.dxf"), "a letter, not a drawing\n");
  const auto foreign =
      runTool({"render", dir.file("not.dxf").string(), dir.file("b.png").string()}, dir);
  EXPECT_EQ(foreign.status, 1);
  EXPECT_NE(foreign.err.find("no DXF file"), std::string::npos) << foreign.err;
  EXPECT_FALSE(std::filesystem::exists(dir.file("b.png")));

  const auto missing =
      runTool({"render", dir.file("gone.dxf").string(), dir.file("g.png").string()}, dir);
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("does not exist"), std::string::npos) << missing.err;
}
