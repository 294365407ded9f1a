// Finding the installed data folder from the place of the program file.
#include "toolkit/GwInstallLayout.h"

#include <gtest/gtest.h>

namespace {

struct LayoutCase {
  const char* program;
  const char* binDir;
  const char* dataDir;
  const char* expected;
};

TEST(GwInstalledDataFolder, IsTheDataFolderOfTheProgramsPrefix) {
  const LayoutCase cases[] = {
      {"/usr/bin/dxfviewer", "bin", "share/dxfviewer", "/usr/share/dxfviewer"},
      {"/home/anna/.local/bin/dxfviewer", "bin", "share/dxfviewer",
       "/home/anna/.local/share/dxfviewer"},
      {"/opt/dxfv/lib/exec/dxfviewer", "lib/exec", "share/dxfviewer", "/opt/dxfv/share/dxfviewer"},
      {"/opt/dxfv/./bin/dxfviewer", "./bin/", "data", "/opt/dxfv/data"},
      // Refused layouts: no folder, an absolute or climbing bin folder.
      {"dxfviewer", "bin", "share/dxfviewer", ""},
      {"/usr/bin/dxfviewer", "/usr/bin", "share/dxfviewer", ""},
      {"/usr/bin/dxfviewer", "../bin", "share/dxfviewer", ""},
      {"/usr/bin/dxfviewer", "", "share/dxfviewer", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GwInstalledDataFolder(c.program, c.binDir, c.dataDir).string(), c.expected)
        << c.program << " in " << c.binDir;
  }
}

TEST(GwRunningProgram, IsThisTestProgramsFile) {
  const std::filesystem::path program = GwRunningProgram();
  ASSERT_TRUE(program.is_absolute()) << program;
  EXPECT_TRUE(std::filesystem::equivalent(program, "/proc/self/exe"));
  EXPECT_EQ(program.filename(), "toolkit_tests");
}

}  // namespace
