// End-to-end tests: the real dxfviewer under the X display, driven by the TestTool module.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "document/DXF_Zeichnung.h"
#include "TestSupport.h"

namespace {

using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

struct RunResult {
  bool exited = false;
  int code = -1;
  std::string report;
};

using Environment = std::vector<std::pair<std::string, std::string>>;

// Runs dxfviewer in folder with the test module and the extra environment; kills it after
// the time limit.
RunResult runViewer(const std::filesystem::path& folder, const std::string& move = {},
                    const Environment& environment = {}) {
  const std::filesystem::path reportFile = folder / "report.txt";
  std::filesystem::create_directories(DXFV_ARTIFACTS);
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(folder.c_str()) != 0) _exit(120);
    setenv("DXFV_TestTool", DXFV_TESTTOOL, 1);
    setenv("DXFV_TestReport", reportFile.c_str(), 1);
    setenv("DXFV_TestArtifacts", DXFV_ARTIFACTS, 1);
    if (!move.empty()) setenv("DXFV_TestMove", move.c_str(), 1);
    for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
    execl(DXFV_VIEWER, DXFV_VIEWER, "--ignored-argument", static_cast<char*>(nullptr));
    _exit(121);
  }
  RunResult result;
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(90);
  while (true) {
    const pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child) break;
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  result.exited = WIFEXITED(status);
  result.code = result.exited ? WEXITSTATUS(status) : -1;
  result.report = readFile(reportFile);
  return result;
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

const char* const kSettings =
    "[DXFViewer]\n"
    "State=0\n"
    "DimW=820\n"
    "DimH=520\n"
    "PosX=-30\n"
    "PosY=20\n"
    "ViewerPath=/tmp\n"
    "SilLayer=0\n"
    "MassblLayer=MASSBILD\n"
    "\n"
    "[General]\n"
    "GwLanguage=1\n"
    "WorkPath=.\n"
    "BmpPath=" DXFV_RESOURCES "\n"
    "Logo=dxflogo.svg\n";

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* display = std::getenv("DISPLAY");
    // The tests drive the real window: without a display they fail rather than pass unseen.
    ASSERT_TRUE(display && *display) << "no X display";
  }
};

TEST_F(EndToEnd, MainWindowStartsWithoutDrawingControlsAndStoresItsGeometryOnClose) {
  TempDir folder;
  writeFile(folder.file("orvel.ini"), kSettings);

  const RunResult run = runViewer(folder.path(), "123 77");

  ASSERT_TRUE(run.exited) << run.report;
  EXPECT_EQ(run.code, 0);
  EXPECT_TRUE(contains(run.report, "loaded\n"));
  EXPECT_FALSE(contains(run.report, "FAIL")) << run.report;
  EXPECT_TRUE(contains(run.report, "hidden PB_mass\n"));
  EXPECT_TRUE(contains(run.report, "shown PB_hilfe\n"));
  EXPECT_TRUE(contains(run.report, "help tooltip Info\n"));
  EXPECT_TRUE(contains(run.report, "info shown\n"));
  EXPECT_TRUE(contains(run.report, "closing\n"));
  EXPECT_TRUE(std::filesystem::file_size(std::filesystem::path(DXFV_ARTIFACTS) / "main_window.png") > 0);

  // The frame callbacks stored what the window had when it closed.
  int width = 0;
  int height = 0;
  ASSERT_EQ(std::sscanf(run.report.substr(run.report.find("content ")).c_str(), "content %d %d",
                        &width, &height), 2);
  const std::string settings = readFile(folder.file("orvel.ini"));
  EXPECT_TRUE(contains(settings, "PosX=123\n")) << settings;
  EXPECT_TRUE(contains(settings, "PosY=77\n")) << settings;
  EXPECT_TRUE(contains(settings, "DimW=" + std::to_string(width) + "\n")) << settings;
  EXPECT_TRUE(contains(settings, "DimH=" + std::to_string(height) + "\n")) << settings;
  EXPECT_TRUE(contains(settings, "State=0\n"));
  EXPECT_TRUE(contains(settings, "ViewerPath=/tmp\n"));
  EXPECT_TRUE(contains(settings, "SilLayer=0\n"));
}

TEST_F(EndToEnd, StartWithoutSettingsFileShowsIniErrorAndLeavesAnEmptySettingsFile) {
  TempDir folder;

  const RunResult run = runViewer(folder.path());

  ASSERT_TRUE(run.exited) << run.report;
  EXPECT_EQ(run.code, 0);
  EXPECT_TRUE(contains(run.report, "message Ini-File-Error !!\n")) << run.report;
  EXPECT_FALSE(contains(run.report, "closing"));
  EXPECT_EQ(readFile(folder.file("orvel.ini")), "[]\n");
}

// The numbers after "prefix" on the report line that starts with it.
std::vector<long> numbersAfter(const std::string& report, const std::string& prefix) {
  std::vector<long> numbers;
  const std::size_t at = report.find(prefix);
  if (at == std::string::npos) return numbers;
  const std::size_t start = at + prefix.size();
  const std::string line = report.substr(start, report.find('\n', at) - start);
  for (std::size_t i = 0; i < line.size();) {
    if (std::isdigit(static_cast<unsigned char>(line[i]))) {
      std::size_t used = 0;
      numbers.push_back(std::stol(line.substr(i), &used));
      i += used;
    } else {
      ++i;
    }
  }
  return numbers;
}

// The counts of what a drawing holds, list by list.
std::vector<int> counts(const DXF_Zeichnung& drawing) {
  return {drawing.entities().count(), drawing.polylines().count(), drawing.inserts().count(),
          drawing.dimensions().count(), drawing.blocks().count(), drawing.layers().count()};
}

TEST_F(EndToEnd, OpensZoomsMeasuresSavesAndReopensACatalogueDrawing) {
  TempDir folder;
  writeFile(folder.file("orvel.ini"), kSettings);
  const std::string drawing =
      testsupport::dataPath("samples/respiraworks/driver_mounting_plate.dxf").string();
  const std::string saved = folder.file("plate copy.dxf").string();

  const RunResult run = runViewer(folder.path(), {},
                                  {{"DXFV_TestOpen", drawing}, {"DXFV_TestSaveAs", saved}});

  ASSERT_TRUE(run.exited) << run.report;
  EXPECT_EQ(run.code, 0);
  EXPECT_FALSE(contains(run.report, "FAIL")) << run.report;
  EXPECT_FALSE(contains(run.report, "message ")) << run.report;
  EXPECT_TRUE(contains(run.report, "closing\n")) << run.report;
  EXPECT_TRUE(contains(run.report, "selector 0 *.dxf\n")) << run.report;
  EXPECT_TRUE(contains(run.report, "opened " + drawing + "\n")) << run.report;
  EXPECT_TRUE(contains(run.report, "title driver_mounting_plate.dxf - DXF Viewer\n")) << run.report;

  // The drawing is painted on white in its own colours: red dimensions, green texts. The
  // saved file keeps the texts' own colours (the other entities are written by layer).
  const std::vector<long> opened = numbersAfter(run.report, "colours opened ");
  ASSERT_EQ(opened.size(), 3u) << run.report;
  EXPECT_GT(opened[0], 800);
  EXPECT_GT(opened[1], 100);
  EXPECT_GT(opened[2], 20);
  const std::vector<long> reopened = numbersAfter(run.report, "colours reopened ");
  ASSERT_EQ(reopened.size(), 3u) << run.report;
  EXPECT_GT(reopened[0], 800);
  EXPECT_GT(reopened[2], 20);
  // The dragged rectangle shows part of the drawing, enlarged.
  const std::vector<long> rectangle = numbersAfter(run.report, "colours rectangle ");
  ASSERT_EQ(rectangle.size(), 3u) << run.report;
  EXPECT_LT(rectangle[0], 995);

  // Zooming in and to a rectangle needs the scroll bars; zooming back hides them.
  EXPECT_TRUE(contains(run.report, "bars opened 0 0\n")) << run.report;
  for (const char* when : {"bars zoomed ", "bars rectangle "}) {
    const std::vector<long> bars = numbersAfter(run.report, when);
    ASSERT_EQ(bars.size(), 2u) << when;
    EXPECT_EQ(bars[0] + bars[1] > 0, true) << when << run.report;
  }
  EXPECT_TRUE(contains(run.report, "bars back 0 0\n")) << run.report;

  // A drag of 100 pixels right and 7 down measures 100 pixels at the scale of the whole
  // drawing in the container.
  DXF_Zeichnung original;
  ASSERT_EQ(original.readDXF(drawing), 0);
  const std::vector<long> container = numbersAfter(run.report, "container ");
  ASSERT_EQ(container.size(), 2u) << run.report;
  const double width = (original.maxX() - original.minX()) * 1.1;
  const double height = (original.maxY() - original.minY()) * 1.1;
  const double scale = std::min((container[0] - 2) / width, (container[1] - 2) / height);
  char expected[64];
  std::snprintf(expected, sizeof expected, "%5.1f mm", 100 / scale);
  EXPECT_TRUE(contains(run.report, std::string("measure live ") + expected + "\n")) << run.report;
  EXPECT_TRUE(contains(run.report, std::string("measure final ") + expected + "\n")) << run.report;

  // Saved under the chosen name and opened again with everything it held.
  EXPECT_TRUE(contains(run.report, "selector 1 *.dxf\n")) << run.report;
  EXPECT_TRUE(contains(run.report, "saved " + saved + "\n")) << run.report;
  EXPECT_TRUE(contains(run.report, "reopened " + saved + "\n")) << run.report;
  DXF_Zeichnung copy;
  ASSERT_EQ(copy.readDXF(saved), 0);
  EXPECT_EQ(counts(copy), counts(original));
}

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
TEST_F(EndToEnd, StepsAroundThePartsViewsWithTheButtonsAndShowsThemAllOnOneSheet) {
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
