// Running the real dxfviewer with the TestTool module and reading what it reported.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace testsupport {

// Base of the end-to-end tests: they need the X display in $DISPLAY and fail without one.
class EndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* display = std::getenv("DISPLAY");
    ASSERT_TRUE(display && *display) << "end-to-end tests need an X display (DISPLAY)";
  }
};

struct RunResult {
  bool exited = false;
  int code = -1;
  std::string report;
};

using Environment = std::vector<std::pair<std::string, std::string>>;

// Runs dxfviewer in folder with the test module and the extra environment; kills it after
// the time limit.
inline RunResult runViewer(const std::filesystem::path& folder, const std::string& move = {},
                           const Environment& environment = {},
                           std::chrono::seconds limit = std::chrono::seconds(90)) {
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
  const auto deadline = std::chrono::steady_clock::now() + limit;
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

inline bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

inline const char* const kSettings =
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
    "BmpPath=" DXFV_RESOURCES
    "\n"
    "Logo=dxflogo.svg\n";

// The numbers after "prefix" on the report line that starts with it.
inline std::vector<long> numbersAfter(const std::string& report, const std::string& prefix) {
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

}  // namespace testsupport
