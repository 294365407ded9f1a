// dxftool on the robustness reproducers: values beyond the painter's range draw nothing for
// that object only, and left-out block content gives a note and exit status 3.
#include <gtest/gtest.h>

#include "ToolTestData.h"

using testsupport::TempDir;
using tooltest::runTool;

namespace {

constexpr int kExitCut = 3;

std::string corpusFile(const char* name) {
  return (std::filesystem::path(DXFV_TEST_DATA) / ".." / "fuzz" / "corpus" / "drawing" / name)
      .string();
}

// Drawings whose one line from (0, 0) to (10, 10) comes after an object beyond the
// painter's range (a circle of radius 1e-200 or 1e300, an insert scaled by 1e-300) or with
// values that are not numbers.
class RangeReproducer : public testing::TestWithParam<const char*> {};

TEST_P(RangeReproducer, TheRestOfThePictureIsDrawn) {
  TempDir dir;
  const auto png = dir.file("picture.png");
  const auto run = runTool(
      {"render", corpusFile(GetParam()), png.string(), "--width", "300", "--height", "200"}, dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const tooltest::PngPicture picture = tooltest::examinePng(png);
  ASSERT_TRUE(picture.loaded);
  // The line runs across the middle of the fitted picture.
  EXPECT_GT(picture.nonWhite, 100);
  EXPECT_LT(picture.left, 150);
  EXPECT_GT(picture.right, 150);
}

INSTANTIATE_TEST_SUITE_P(Files, RangeReproducer,
                         testing::Values("tiny_circle_invalid_matrix.dxf",
                                         "insert_scale_1e-300.dxf", "circle_1e300.dxf",
                                         "nan_inf.dxf"));

TEST(LeftOutContent, ExplodeBeyondTheNestingLimitSaysSoAndExitsWith3) {
  TempDir dir;
  const auto out = dir.file("flat.dxf");
  const auto run =
      runTool({"convert", corpusFile("chain_70_explode.dxf"), out.string(), "--explode"}, dir);
  EXPECT_EQ(run.status, kExitCut);
  EXPECT_NE(run.err.find("1 block nested deeper than 64 levels is left out"), std::string::npos)
      << run.err;
  DXF_Zeichnung flat;
  ASSERT_EQ(flat.readDXF(out), 0);
  EXPECT_EQ(flat.blocks().count(), 0);
}

TEST(LeftOutContent, RenderOfAFanOutIsCutAndSaysHowMuch) {
  TempDir dir;
  const auto png = dir.file("fan.png");
  const auto run = runTool({"render", corpusFile("fanout_insert_5kb.dxf"), png.string(), "--width",
                            "200", "--height", "200"},
                           dir);
  EXPECT_EQ(run.status, kExitCut);
  EXPECT_NE(run.err.find("The drawing was cut: its blocks place 2.11e+07 copies"),
            std::string::npos)
      << run.err;
  EXPECT_TRUE(tooltest::examinePng(png).loaded);
}

TEST(LeftOutContent, ConvertLeavesOutValuesThatAreNotNumbersAndSaysHowMany) {
  TempDir dir;
  const auto out = dir.file("finite.dxf");
  const auto run = runTool({"convert", corpusFile("nan_inf.dxf"), out.string()}, dir);
  EXPECT_EQ(run.status, kExitCut);
  EXPECT_NE(run.err.find("object(s) with a value that is not a number were left out"),
            std::string::npos)
      << run.err;
  const std::string text = testsupport::readFile(out);
  EXPECT_EQ(text.find("nan"), std::string::npos);
  EXPECT_EQ(text.find("inf"), std::string::npos);
  DXF_Zeichnung finite;
  EXPECT_EQ(finite.readDXF(out), 0);
}

}  // namespace
