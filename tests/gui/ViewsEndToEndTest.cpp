// End to end: the views sample opened in the real viewer, the front view, steps left, top,
// back and front with the view buttons, and all views on one sheet, seen in the pictures
// the drawing area shows.
#include <string>
#include <utility>
#include <vector>

#include "gui/EndToEndSupport.h"

namespace {

using testsupport::contains;
using testsupport::kSettings;
using testsupport::numbersAfter;
using testsupport::RunResult;
using testsupport::runViewer;
using testsupport::TempDir;
using testsupport::writeFile;

using ViewsEndToEnd = testsupport::EndToEndTest;

// The box "<label> <colour> <pixels> <minX> <minY> <maxX> <maxY>" of the report; pixels 0
// when the colour was not seen.
struct ColourBox {
  long pixels = 0;
  long minX = 0, minY = 0, maxX = 0, maxY = 0;
  long width() const { return maxX - minX; }
  long height() const { return maxY - minY; }
  long centreX() const { return (minX + maxX) / 2; }
  long centreY() const { return (minY + maxY) / 2; }
};

ColourBox colourBox(const std::string& report, const std::string& label,
                    const std::string& colour) {
  const std::vector<long> numbers = numbersAfter(report, label + " " + colour + " ");
  ColourBox box;
  if (numbers.size() != 5) return box;
  box = {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]};
  return box;
}

// The colour most pixels of the picture have, of the six view colours.
std::string mainColour(const std::string& report, const std::string& label) {
  std::string best;
  long most = 0;
  for (const char* colour : {"green", "magenta", "cyan", "red", "blue", "orange"}) {
    const long pixels = colourBox(report, label, colour).pixels;
    if (pixels > most) {
      most = pixels;
      best = colour;
    }
  }
  return best;
}

// The rest of the report line after "<label> checksum ".
std::string checksum(const std::string& report, const std::string& label) {
  const std::string prefix = "\n" + label + " checksum ";
  const std::size_t at = report.find(prefix);
  if (at == std::string::npos) return "";
  const std::size_t start = at + prefix.size();
  return report.substr(start, report.find('\n', start) - start);
}

// The views sample gives each view a colour: left green, right magenta, bottom cyan, top
// red, front blue, back orange. The part is 60 wide, 40 deep and 30 high.
TEST_F(ViewsEndToEnd, StepsAroundThePartsViewsWithTheButtonsAndShowsThemAllOnOneSheet) {
  TempDir folder;
  writeFile(folder.file("orvel.ini"), kSettings);
  const std::string drawing = testsupport::dataPath("views/bracket_views.dxf").string();

  const RunResult run = runViewer(folder.path(), {}, {{"DXFV_TestViews", drawing}});

  ASSERT_TRUE(run.exited) << run.report;
  EXPECT_EQ(run.code, 0);
  EXPECT_FALSE(contains(run.report, "FAIL")) << run.report;
  EXPECT_FALSE(contains(run.report, "message")) << run.report;
  EXPECT_TRUE(contains(run.report, "closing\n")) << run.report;
  // Opening offers the front view; the front view brings the other buttons, not the cut.
  EXPECT_TRUE(contains(run.report, "offered front 1 left 0 all 0\n")) << run.report;
  EXPECT_TRUE(contains(run.report, "buttons left 1 all 1 cut 0\n")) << run.report;

  // Front, then the side seen after turning left, then tipping the top towards the eye
  // (the top, turned a quarter: seen from the side its long edge stands upright), then the
  // face behind that (the bottom, upright as well), then the front again.
  const std::pair<const char*, const char*> steps[] = {
      {"front", "blue"}, {"left", "green"}, {"top", "red"}, {"back", "cyan"}, {"again", "blue"}};
  for (const auto& [label, colour] : steps) {
    EXPECT_EQ(mainColour(run.report, label), colour) << label << "\n" << run.report;
  }
  const ColourBox front = colourBox(run.report, "front", "blue");
  const ColourBox left = colourBox(run.report, "left", "green");
  const ColourBox top = colourBox(run.report, "top", "red");
  const ColourBox bottom = colourBox(run.report, "back", "cyan");
  EXPECT_NEAR(static_cast<double>(front.width()) / front.height(), 2.0, 0.1);
  EXPECT_NEAR(static_cast<double>(left.width()) / left.height(), 40.0 / 30.0, 0.1);
  EXPECT_NEAR(static_cast<double>(top.height()) / top.width(), 1.5, 0.1);
  EXPECT_NEAR(static_cast<double>(bottom.height()) / bottom.width(), 1.5, 0.1);
  // The pictures differ as the views do; the front view looks the same the second time.
  const std::string sums[] = {checksum(run.report, "front"), checksum(run.report, "left"),
                              checksum(run.report, "top"), checksum(run.report, "back")};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FALSE(sums[i].empty()) << run.report;
    for (int j = i + 1; j < 4; ++j) EXPECT_NE(sums[i], sums[j]) << i << " " << j;
  }
  EXPECT_EQ(checksum(run.report, "again"), sums[0]);

  // All views: the front in the middle, the view from the right on its left, the view
  // from the left on its right and the back beyond that, the bottom above, the top below.
  const ColourBox centre = colourBox(run.report, "all", "blue");
  const ColourBox fromRight = colourBox(run.report, "all", "magenta");
  const ColourBox fromLeft = colourBox(run.report, "all", "green");
  const ColourBox back = colourBox(run.report, "all", "orange");
  const ColourBox fromBelow = colourBox(run.report, "all", "cyan");
  const ColourBox fromAbove = colourBox(run.report, "all", "red");
  for (const ColourBox& box : {centre, fromRight, fromLeft, back, fromBelow, fromAbove}) {
    EXPECT_GT(box.pixels, 20) << run.report;
  }
  EXPECT_LT(fromRight.maxX, centre.minX);
  EXPECT_GT(fromLeft.minX, centre.maxX);
  EXPECT_GT(back.minX, fromLeft.maxX);
  EXPECT_LT(fromBelow.maxY, centre.minY);  // screen rows grow downwards
  EXPECT_GT(fromAbove.minY, centre.maxY);
  for (const ColourBox& box : {fromRight, fromLeft, back}) {
    EXPECT_NEAR(box.centreY(), centre.centreY(), 2) << run.report;  // one row, one height
  }
  for (const ColourBox& box : {fromBelow, fromAbove}) {
    EXPECT_NEAR(box.centreX(), centre.centreX(), 2);
  }
}

}  // namespace
