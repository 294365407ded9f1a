// End to end: the layer dialog in the real viewer recolours, hides and renames layers,
// stores their looks in orvel.ini, and the next start shows them again; Cancel changes
// nothing.
#include <filesystem>
#include <string>
#include <vector>

#include "gui/EndToEndSupport.h"

namespace {

using testsupport::contains;
using testsupport::numbersAfter;
using testsupport::readFile;
using testsupport::RunResult;
using testsupport::runViewer;
using testsupport::TempDir;

using LayerDialogEndToEnd = testsupport::EndToEndTest;

// A floor plan on a dozen layers: "topography" teal and "nivel" orange (colours 132 and
// 30), "wall high" blue, texts black.
const std::string kDrawing =
    testsupport::dataPath("samples/dxf-js/Ceco.NET-Architecture-Tm-53.dxf").string();

RunResult run(const TempDir& folder, const char* which) {
  return runViewer(folder.path(), {},
                   {{"DXFV_TestLayers", kDrawing}, {"DXFV_TestLayerRun", which}});
}

TEST_F(LayerDialogEndToEnd, EditedLooksShowAtOnceAreStoredAndComeBackOnTheNextStart) {
  TempDir folder;
  testsupport::writeFile(folder.file("orvel.ini"), testsupport::kSettings);

  const RunResult edit = run(folder, "edit");
  ASSERT_TRUE(edit.exited) << edit.report;
  EXPECT_EQ(edit.code, 0);
  EXPECT_FALSE(contains(edit.report, "FAIL")) << edit.report;
  EXPECT_FALSE(contains(edit.report, "message ")) << edit.report;
  EXPECT_TRUE(contains(edit.report, "closing\n")) << edit.report;

  // The dialog lists the layers in use with their looks, and shows the edits in its rows.
  for (const char* row :
       {"row first topography|132|Continuous|yes\n", "row first nivel|30|Continuous|yes\n",
        "row first wall high|5 blue|Continuous|yes\n", "row first projection|134|DASHED|yes\n",
        "row edited topography|1 red|Continuous|yes\n", "row edited nivel|30|Continuous|no\n",
        "row edited Wand hoch|5 blue|Continuous|yes\n",
        "row again topography|132|Continuous|yes\n"}) {
    EXPECT_TRUE(contains(edit.report, row)) << row << edit.report;
  }
  // Return in the name field keeps the dialog; Escape cancels: picture and file unchanged.
  EXPECT_TRUE(contains(edit.report, "dialog stays after Return\n")) << edit.report;
  EXPECT_TRUE(contains(edit.report, "cancel picture same\n")) << edit.report;
  EXPECT_TRUE(contains(edit.report, "cancel settings same\n")) << edit.report;

  // After OK the lines of "topography" are red and those of "nivel" gone; what was black
  // stays black.
  const std::vector<long> changes = numbersAfter(edit.report, "changes ");
  ASSERT_EQ(changes.size(), 3u) << edit.report;
  const long red = changes[0];
  const long white = changes[1];
  const long dark = changes[2];
  EXPECT_GT(red, 200) << edit.report;
  EXPECT_GT(white, 50) << edit.report;
  EXPECT_GT(dark, 50) << edit.report;
  const std::vector<long> opened = numbersAfter(edit.report, "colours opened ");
  ASSERT_EQ(opened.size(), 2u) << edit.report;
  EXPECT_EQ(opened[0], 0) << edit.report;

  // Three keys per listed layer, under the names as read; "~" marks the hidden one.
  const std::string settings = readFile(folder.file("orvel.ini"));
  for (const char* entry :
       {"Layer_topography=topography\n", "Ltype_topography=Continuous\n", "Color_topography=1\n",
        "Layer_nivel=nivel\n", "Color_nivel=30~\n", "Layer_wall%20high=Wand%20hoch\n",
        "Ltype_wall%20high=Continuous\n", "Color_wall%20high=5\n", "Layer_projection=projection\n",
        "Ltype_projection=DASHED\n", "Color_projection=134\n"}) {
    EXPECT_TRUE(contains(settings, entry)) << entry << settings;
  }

  EXPECT_FALSE(contains(settings, "Defpoints")) << "a layer not in use is not stored";

  // A new start shows the stored looks without the dialog being opened.
  std::filesystem::remove(folder.file("report.txt"));
  const RunResult reopen = run(folder, "reopen");
  ASSERT_TRUE(reopen.exited) << reopen.report;
  EXPECT_FALSE(contains(reopen.report, "FAIL")) << reopen.report;
  EXPECT_FALSE(contains(reopen.report, "row ")) << reopen.report;
  const std::vector<long> applied = numbersAfter(edit.report, "colours applied ");
  const std::vector<long> reopened = numbersAfter(reopen.report, "colours reopened ");
  ASSERT_EQ(applied.size(), 2u) << edit.report;
  ASSERT_EQ(reopened.size(), 2u) << reopen.report;
  // The window may come back a few pixels different in size: compare with a margin.
  EXPECT_NEAR(reopened[0], applied[0], applied[0] / 10) << reopen.report;
  EXPECT_NEAR(reopened[1], applied[1], applied[1] / 10) << reopen.report;
}

}  // namespace
