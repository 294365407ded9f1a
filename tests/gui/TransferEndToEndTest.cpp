// The transfer end to end: the real viewer, driven by the TestTool module, sends the
// opened drawing to cadpeer on the private session bus the test runs on.
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iomanip>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/DXF_Zeichnung.h"
#include "support/CadPeerProcess.h"
#include "gui/EndToEndSupport.h"

namespace {

using testsupport::contains;
using testsupport::TempDir;

int occurrences(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// Six decimals after a decimal point, as the scripts carry them whatever the locale.
std::string fixed(double value) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(6) << value;
  return text.str();
}

// The zoom words for the drawing's extents widened by 5 % on each side, as the viewer
// shows it after opening.
std::string zoomWords(const DXF_Zeichnung& drawing) {
  const double w = std::fabs(drawing.maxX() - drawing.minX()) * 0.05;
  const double h = std::fabs(drawing.maxY() - drawing.minY()) * 0.05;
  return "_.zoom _w " + fixed(drawing.minX() - w) + "," + fixed(drawing.minY() - h) + " " +
         fixed(drawing.maxX() + w) + "," + fixed(drawing.maxY() + h) + " ";
}

std::vector<int> counts(const DXF_Zeichnung& drawing) {
  return {drawing.entities().count(),   drawing.polylines().count(), drawing.inserts().count(),
          drawing.dimensions().count(), drawing.blocks().count(),    drawing.layers().count()};
}

using TransferEndToEnd = testsupport::EndToEndTest;

TEST_F(TransferEndToEnd, InsertsIntoThePeerAndReportsEveryFailure) {
  ASSERT_NE(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr)
      << "run the test under dbus-run-session";
  TempDir folder;
  testsupport::writeFile(folder.file("orvel.ini"), testsupport::kSettings);
  const std::string drawing =
      testsupport::dataPath("samples/respiraworks/driver_mounting_plate.dxf").string();
  CadPeerProcess accepting("AutoCAD.r15.DDE", folder.file("accepting"));
  CadPeerProcess dropping("AutoCAD.r13.DDE", folder.file("dropping"), "drop");
  CadPeerProcess stalling("AutoCAD LT.DDE", folder.file("stalling"), "stall", 60);
  ASSERT_TRUE(accepting.waitReady() && dropping.waitReady() && stalling.waitReady());

  const testsupport::RunResult run = testsupport::runViewer(
      folder.path(), {}, {{"DXFV_TestTransfer", "1"}, {"DXFV_TestOpen", drawing}},
      std::chrono::seconds(240));
  const std::string& report = run.report;

  ASSERT_TRUE(run.exited) << report;
  EXPECT_EQ(run.code, 0);
  EXPECT_FALSE(contains(report, "FAIL")) << report;
  EXPECT_TRUE(contains(report, "opened " + drawing + "\n")) << report;

  // The dialog as it is filled, and its option toggles.
  EXPECT_TRUE(contains(report, "transfer 1 preselected TB_ACAD14\n")) << report;
  EXPECT_TRUE(contains(report, "fields 0.00 0.00 0.00 DUMMY\n")) << report;
  EXPECT_TRUE(contains(report, "mouse 1 explode 0\n")) << report;
  EXPECT_TRUE(contains(report,
                       "sensitive filled point=0 angle=1\n"
                       "sensitive mouse+explode point=0 angle=0\n"
                       "sensitive explode point=1 angle=1\n"
                       "sensitive typed point=1 angle=1\n"
                       "sensitive mouse point=0 angle=1\n"))
      << report;
  EXPECT_TRUE(contains(report, "call 0\ncall 1\ncall 0\n")) << report;

  // Eleven transfers close the dialog; each dialog after the first finds the version
  // chosen before.
  for (int n = 1; n <= 11; ++n) {
    EXPECT_TRUE(contains(report, "transfer " + std::to_string(n) + " closed\n")) << n << report;
  }
  for (int n = 2; n <= 12; ++n) {
    EXPECT_TRUE(contains(report, "transfer " + std::to_string(n) + " preselected TB_ACAD_2000\n"))
        << n << report;
  }

  // The peer got each script byte for byte; the eleventh used "dde_0.dxf" again.
  DXF_Zeichnung original;
  ASSERT_EQ(original.readDXF(drawing), 0);
  const std::vector<std::string> scripts = accepting.scripts();
  ASSERT_EQ(scripts.size(), 11u) << report;
  const std::regex blockName("PLATE_[A-Z][a-z]{2}_[0-9]{2}_[0-9]{2}-[0-9]{2}-[0-9]{2}");
  for (std::size_t k = 0; k < scripts.size(); ++k) {
    const std::string file = folder.file("dde_" + std::to_string(k % 10) + ".dxf").string();
    // The input "name=path" is quoted as a whole.
    const std::string prefix = zoomWords(original) + "_.-insert \"";
    ASSERT_EQ(scripts[k].rfind(prefix, 0), 0u) << scripts[k];
    const std::string name = scripts[k].substr(prefix.size(), scripts[k].find('=') - prefix.size());
    EXPECT_TRUE(std::regex_match(name, blockName)) << name;
    EXPECT_EQ(scripts[k],
              prefix + name + "=" + file + "\"\n_scale 1.0 _rot 0.000000\n10.000000,20.000000\n");
  }
  EXPECT_EQ(occurrences(accepting.replies(), " true read "), 11) << accepting.replies();
  DXF_Zeichnung sent;
  ASSERT_EQ(sent.readDXF(folder.file("dde_0.dxf")), 0);
  EXPECT_EQ(counts(sent), counts(original));

  // Nobody for release 12: the connect message, the dialog stays.
  const std::string noAnswer = "message The CAD program does not answer.\n";
  EXPECT_TRUE(contains(report, "transfer 12 " + noAnswer + "transfer 12 open\n")) << report;
  // The peer of release 13 leaves mid-conversation.
  EXPECT_TRUE(contains(report, "transfer 13 message Disconnection forced\ntransfer 13 " + noAnswer +
                                   "transfer 13 open\n"))
      << report;
  EXPECT_EQ(dropping.scripts().size(), 1u);
  // The stalled peer: the transfer ends after the time-out with the connect message.
  EXPECT_TRUE(contains(report, "transfer 14 " + noAnswer + "transfer 14 open\n")) << report;
  const std::smatch waited = [&] {
    std::smatch match;
    std::regex_search(report, match, std::regex("transfer 14 waited ([0-9]+)\n"));
    return match;
  }();
  ASSERT_FALSE(waited.empty()) << report;
  EXPECT_GE(std::stoi(waited[1]), 9);
  EXPECT_EQ(stalling.scripts().size(), 1u);

  // Afterwards the dialog cancels and the window still zooms.
  EXPECT_TRUE(contains(report, "cancelled\n")) << report;
  EXPECT_FALSE(contains(report, "bars after 0 0\n")) << report;
  EXPECT_TRUE(contains(report, "closing\n")) << report;
}

}  // namespace
