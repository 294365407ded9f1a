// End-to-end tests: the real dxfviewer under the X display, driven by the TestTool module.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "document/DXF_Zeichnung.h"
#include "gui/EndToEndSupport.h"
#include "support/ProgramRun.h"

namespace {

using testsupport::contains;
using testsupport::kSettings;
using testsupport::numbersAfter;
using testsupport::readFile;
using testsupport::RunResult;
using testsupport::runViewer;
using testsupport::TempDir;
using testsupport::writeFile;

using EndToEnd = testsupport::EndToEndTest;

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
  EXPECT_TRUE(
      std::filesystem::file_size(std::filesystem::path(DXFV_ARTIFACTS) / "main_window.png") > 0);

  // The frame callbacks stored what the window had when it closed.
  int width = 0;
  int height = 0;
  ASSERT_EQ(std::sscanf(run.report.substr(run.report.find("content ")).c_str(), "content %d %d",
                        &width, &height),
            2);
  const std::string settings = readFile(folder.file("orvel.ini"));
  EXPECT_TRUE(contains(settings, "PosX=123\n")) << settings;
  EXPECT_TRUE(contains(settings, "PosY=77\n")) << settings;
  EXPECT_TRUE(contains(settings, "DimW=" + std::to_string(width) + "\n")) << settings;
  EXPECT_TRUE(contains(settings, "DimH=" + std::to_string(height) + "\n")) << settings;
  EXPECT_TRUE(contains(settings, "State=0\n"));
  EXPECT_TRUE(contains(settings, "ViewerPath=/tmp\n"));
  EXPECT_TRUE(contains(settings, "SilLayer=0\n"));
}

TEST_F(EndToEnd, StartWithoutSettingsFileShowsIniErrorAndWritesNone) {
  TempDir folder;

  const RunResult run = runViewer(folder.path());

  ASSERT_TRUE(run.exited) << run.report;
  EXPECT_EQ(run.code, 0);
  EXPECT_TRUE(contains(run.report, "message Ini-File-Error !!\n")) << run.report;
  EXPECT_FALSE(contains(run.report, "closing"));
  // A settings file that could not be read is never written, a missing one not created.
  EXPECT_FALSE(std::filesystem::exists(folder.file("orvel.ini")));
}

// The counts of what a drawing holds, list by list.
std::vector<int> listCounts(const DXF_Zeichnung& drawing) {
  return {drawing.entities().count(),   drawing.polylines().count(), drawing.inserts().count(),
          drawing.dimensions().count(), drawing.blocks().count(),    drawing.layers().count()};
}

TEST_F(EndToEnd, OpensZoomsMeasuresSavesAndReopensACatalogueDrawing) {
  TempDir folder;
  writeFile(folder.file("orvel.ini"), kSettings);
  const std::string drawing =
      testsupport::dataPath("samples/respiraworks/driver_mounting_plate.dxf").string();
  const std::string saved = folder.file("plate copy.dxf").string();

  const RunResult run =
      runViewer(folder.path(), {}, {{"DXFV_TestOpen", drawing}, {"DXFV_TestSaveAs", saved}});

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
  // The window shows numbers with a decimal point under any locale.
  std::ostringstream shown;
  shown << std::fixed << std::setprecision(1) << std::setw(5) << 100 / scale << " mm";
  const std::string expected = shown.str();
  EXPECT_TRUE(contains(run.report, std::string("measure live ") + expected + "\n")) << run.report;
  EXPECT_TRUE(contains(run.report, std::string("measure final ") + expected + "\n")) << run.report;

  // Saved under the chosen name and opened again with everything it held.
  // The dialog proposes the name of the opened file.
  EXPECT_TRUE(contains(run.report, "selector 1 driver_mounting_plate.dxf\n")) << run.report;
  EXPECT_TRUE(contains(run.report, "saved " + saved + "\n")) << run.report;
  EXPECT_TRUE(contains(run.report, "reopened " + saved + "\n")) << run.report;
  DXF_Zeichnung copy;
  ASSERT_EQ(copy.readDXF(saved), 0);
  EXPECT_EQ(listCounts(copy), listCounts(original));
}

// Printing needs a display as much as the rest: without one the test fails.
class PrintDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* display = std::getenv("DISPLAY");
    ASSERT_TRUE(display && *display) << "the print dialog needs an X display";
  }
  const std::string drawing =
      testsupport::dataPath("samples/respiraworks/driver_mounting_plate.dxf").string();
  // GTK's print backends are modules it loads and unloads again; what they keep cannot be
  // traced back to them, so the leak check is off for the viewer behind the print dialog.
  static constexpr const char* kAsanOptions = "detect_leaks=0:abort_on_error=1";
};

// The dialog proposes landscape for the drawing, wider than high; the page comes out in the
// orientation the dialog ends with.
TEST_F(PrintDialog, PrintToFileThroughTheDialogWritesTheSheetAsPdf) {
  for (const std::string orientation : {"", "portrait"}) {
    SCOPED_TRACE(orientation);
    TempDir folder;
    writeFile(folder.file("orvel.ini"), kSettings);
    const std::string pdf = folder.file("sheet.pdf").string();

    const RunResult run = runViewer(folder.path(), {},
                                    {{"DXFV_TestOpen", drawing},
                                     {"DXFV_TestPrint", pdf},
                                     {"DXFV_TestPrintOrientation", orientation},
                                     {"ASAN_OPTIONS", kAsanOptions}});

    ASSERT_TRUE(run.exited) << run.report;
    EXPECT_FALSE(contains(run.report, "FAIL")) << run.report;
    EXPECT_FALSE(contains(run.report, "message ")) << run.report;
    EXPECT_TRUE(contains(run.report, "print dialog shown\nproposed landscape\n")) << run.report;
    EXPECT_TRUE(contains(run.report, "printer Print to File\n")) << run.report;
    EXPECT_TRUE(contains(run.report, "print done\n")) << run.report;
    ASSERT_TRUE(std::filesystem::exists(pdf)) << run.report;
    EXPECT_EQ(readFile(pdf).substr(0, 5), "%PDF-");
    const testsupport::ProgramRun info = testsupport::runProgram("/usr/bin/pdfinfo", {pdf}, folder);
    const std::vector<long> size = numbersAfter(info.out, "Page size:");
    ASSERT_GE(size.size(), 3U) << info.out;
    EXPECT_EQ(size[0] > size[2], orientation.empty()) << info.out;
    // The sheet's texts: the caption, the file as title (no drawing title when the viewer
    // runs on its own) and the drawing's own dimension texts.
    const testsupport::ProgramRun text =
        testsupport::runProgram("/usr/bin/pdftotext", {pdf, "-"}, folder);
    ASSERT_EQ(text.status, 0) << text.err;
    const std::string& words = text.out;
    EXPECT_TRUE(contains(words, "For information only")) << words;
    EXPECT_TRUE(contains(words, "driver_mounting_plate.dxf")) << words;
    EXPECT_TRUE(contains(words, "83.5")) << words;
  }
}

TEST_F(PrintDialog, CancelPrintsNothing) {
  TempDir folder;
  writeFile(folder.file("orvel.ini"), kSettings);
  const std::string pdf = folder.file("sheet.pdf").string();

  const RunResult run = runViewer(folder.path(), {},
                                  {{"DXFV_TestOpen", drawing},
                                   {"DXFV_TestPrint", pdf},
                                   {"DXFV_TestPrintCancel", "1"},
                                   {"ASAN_OPTIONS", kAsanOptions}});

  ASSERT_TRUE(run.exited) << run.report;
  EXPECT_FALSE(contains(run.report, "FAIL")) << run.report;
  EXPECT_FALSE(contains(run.report, "message ")) << run.report;
  EXPECT_TRUE(contains(run.report, "print dialog shown\n")) << run.report;
  EXPECT_TRUE(contains(run.report, "print done\n")) << run.report;
  EXPECT_FALSE(std::filesystem::exists(pdf));
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    EXPECT_NE(entry.path().extension(), ".pdf") << entry.path();
  }
}

}  // namespace
