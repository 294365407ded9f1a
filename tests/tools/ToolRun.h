// Runs the built dxftool (or another program) as a child process and collects its output.
#pragma once

#include <string>
#include <vector>

#include "TestSupport.h"
#include "support/ProgramRun.h"

namespace tooltest {

using ToolRun = testsupport::ProgramRun;
using testsupport::runProgram;

inline ToolRun runTool(const std::vector<std::string>& args, const testsupport::TempDir& dir) {
  return runProgram(DXFTOOL_PATH, args, dir);
}

// The Debian interpreter, which has the json module and (where installed) ezdxf.
inline const std::string kPython = "/usr/bin/python3";

inline bool haveEzdxf(const testsupport::TempDir& dir) {
  return runProgram(kPython, {"-c", "import ezdxf"}, dir).status == 0;
}

}  // namespace tooltest
