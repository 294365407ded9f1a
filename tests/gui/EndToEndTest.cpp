// End-to-end tests: the real dxfviewer under the X display, driven by the TestTool module.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

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

// Runs dxfviewer in folder with the test module; kills it after the time limit.
RunResult runViewer(const std::filesystem::path& folder, const std::string& move = {}) {
  const std::filesystem::path reportFile = folder / "report.txt";
  std::filesystem::create_directories(DXFV_ARTIFACTS);
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(folder.c_str()) != 0) _exit(120);
    setenv("DXFV_TestTool", DXFV_TESTTOOL, 1);
    setenv("DXFV_TestReport", reportFile.c_str(), 1);
    setenv("DXFV_TestArtifacts", DXFV_ARTIFACTS, 1);
    if (!move.empty()) setenv("DXFV_TestMove", move.c_str(), 1);
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
    if (!display || !*display) GTEST_SKIP() << "no X display";
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

}  // namespace
