// End to end: the window answers a key press while a drawing of a million entities loads.
#include <chrono>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "gui/EndToEndSupport.h"

namespace {

using testsupport::contains;
using testsupport::kSettings;
using testsupport::RunResult;
using testsupport::runViewer;
using testsupport::TempDir;
using testsupport::writeFile;

using LoadingEndToEnd = testsupport::EndToEndTest;

// A drawing of `count` short lines in a square grid, written as fast as a stream allows.
void writeLargeDrawing(const std::filesystem::path& path, int count) {
  std::ofstream out(path, std::ios::binary);
  out << "  0\nSECTION\n  2\nENTITIES\n";
  const int side = 1000;
  for (int i = 0; i < count; ++i) {
    const int x = (i % side) * 10;
    const int y = (i / side) * 10;
    out << "  0\nLINE\n  8\n0\n 10\n"
        << x << "\n 20\n"
        << y << "\n 11\n"
        << x + 7 << "\n 21\n"
        << y + 5 << "\n";
  }
  out << "  0\nENDSEC\n  0\nEOF\n";
}

TEST_F(LoadingEndToEnd, WindowAnswersAKeyPressWhileAMillionEntitiesLoad) {
  TempDir folder;
  writeFile(folder.file("orvel.ini"), kSettings);
  const std::string drawing = folder.file("million.dxf").string();
  writeLargeDrawing(drawing, 1000000);

  const RunResult run =
      runViewer(folder.path(), {}, {{"DXFV_TestLoadKey", drawing}}, std::chrono::seconds(300));

  ASSERT_TRUE(run.exited) << run.report;
  EXPECT_EQ(run.code, 0);
  EXPECT_FALSE(contains(run.report, "FAIL")) << run.report;
  const std::size_t sent = run.report.find("key sent while loading\n");
  const std::size_t answered = run.report.find("key answered while loading\n");
  const std::size_t opened = run.report.find("opened " + drawing + "\n");
  ASSERT_NE(sent, std::string::npos) << run.report;
  ASSERT_NE(answered, std::string::npos) << run.report;
  ASSERT_NE(opened, std::string::npos) << run.report;
  EXPECT_LT(answered, opened) << run.report;
  EXPECT_TRUE(contains(run.report, "status quiet\n")) << run.report;
  // The frame times are logged for the painting table, not judged: the machine decides them.
  std::istringstream lines(run.report);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("time ", 0) == 0) std::cout << "[ frame    ] " << line << '\n';
  }
}

}  // namespace
