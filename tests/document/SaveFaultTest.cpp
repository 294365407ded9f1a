// Saving fails at every point it can (each write, the flush, the rename): the old file
// stays byte for byte, no temporary file is left, and the caller learns of the failure.
#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "TestSupport.h"
#include "settings/IniFile.h"
#include "support/FailingFileCalls.h"

namespace {

using namespace documenttesting;
using testsupport::FailingFileCalls;
using testsupport::SavePoint;
namespace fs = std::filesystem;

constexpr const char* kOldContent = "the file as it was\n";

int filesIn(const fs::path& folder) {
  int files = 0;
  for (const auto& entry : fs::directory_iterator(folder)) files += !entry.is_directory();
  return files;
}

// A drawing large enough to take many writes.
const DXF_Zeichnung& manyLinesDrawing() {
  static const auto drawing = [] {
    std::string lines;
    for (int i = 0; i < 300; ++i) lines += line(i, 0, i, 1);
    return readOk(dxfFile(lines));
  }();
  return *drawing;
}

// Saves through the writer under test; true when it reported success, and the system's
// reason of a failure in `reason`.
using Save = bool (*)(const fs::path& target, std::string& reason);

bool saveDrawing(const fs::path& target, std::string& reason) {
  WriteReport report;
  const bool ok = manyLinesDrawing().writeDXF(target, &report) == 0;
  reason = report.reason;
  return ok;
}

bool saveSettings(const fs::path& target, std::string& reason) {
  IniFile settings;
  settings.addSection("DXFViewer");
  for (int i = 0; i < 200; ++i) {
    const std::string key = "Key" + std::to_string(i);
    settings.addEntry("DXFViewer", key.c_str(), std::string(40, 'v').c_str());
  }
  reason.clear();
  return settings.write(target.c_str());
}

struct FaultCase {
  const char* name;
  Save save;
  SavePoint point;
  int nth;
};

class SaveFault : public testing::TestWithParam<FaultCase> {};

TEST_P(SaveFault, OldFileStaysAndNoTemporaryIsLeft) {
  const FaultCase& fault = GetParam();
  testsupport::TempDir dir;
  const fs::path target = dir.file("saved");
  testsupport::writeFile(target, kOldContent);
  std::string reason;
  {
    FailingFileCalls calls(fault.point, fault.nth);
    EXPECT_FALSE(fault.save(target, reason));
    EXPECT_GE(calls.calls(), fault.nth) << "the save never reached the failing call";
  }
  // The drawing's writer passes the system's reason on; the settings writer only fails.
  if (fault.save == saveDrawing) {
    EXPECT_EQ(reason, std::strerror(ENOSPC));
  }
  EXPECT_EQ(testsupport::readFile(target), kOldContent);
  EXPECT_EQ(filesIn(dir.path()), 1);
}

const FaultCase kFaults[] = {
    {"DrawingFirstWrite", saveDrawing, SavePoint::Write, 1},
    {"DrawingThirdWrite", saveDrawing, SavePoint::Write, 3},
    {"DrawingFlush", saveDrawing, SavePoint::Flush, 1},
    {"DrawingRename", saveDrawing, SavePoint::Rename, 1},
    {"SettingsFirstWrite", saveSettings, SavePoint::Write, 1},
    {"SettingsSecondWrite", saveSettings, SavePoint::Write, 2},
    {"SettingsFlush", saveSettings, SavePoint::Flush, 1},
    {"SettingsRename", saveSettings, SavePoint::Rename, 1},
};

INSTANTIATE_TEST_SUITE_P(EveryPoint, SaveFault, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<FaultCase>& info) {
                           return std::string(info.param.name);
                         });

// Every write of a drawing save fails in turn; each time the old file survives. The last
// write number is the count of writes a whole save makes.
TEST(SaveFaultEveryWrite, EachFailingWriteKeepsTheOldFile) {
  testsupport::TempDir dir;
  const fs::path target = dir.file("saved.dxf");
  testsupport::writeFile(target, kOldContent);
  int writes = 0;
  {
    FailingFileCalls count(SavePoint::Write, 0);
    std::string reason;
    ASSERT_TRUE(saveDrawing(target, reason));
    writes = count.calls();
  }
  ASSERT_GT(writes, 3);
  const std::string saved = testsupport::readFile(target);
  for (int nth = 1; nth <= writes; ++nth) {
    FailingFileCalls calls(SavePoint::Write, nth, EIO);
    std::string reason;
    EXPECT_FALSE(saveDrawing(target, reason)) << "write " << nth;
    EXPECT_EQ(reason, std::strerror(EIO));
    EXPECT_EQ(testsupport::readFile(target), saved) << "write " << nth;
    EXPECT_EQ(filesIn(dir.path()), 1) << "write " << nth;
  }
}

// The temporary name of an earlier version of the program, taken by a planted link: the
// save must neither follow it nor write through it.
TEST(SaveTemporaryFile, PlantedLinkIsNeverFollowed) {
  testsupport::TempDir dir;
  const fs::path victim = dir.file("victim");
  testsupport::writeFile(victim, "not yours");
  const fs::path target = dir.file("drawing.dxf");
  fs::create_symlink(victim, dir.file(".drawing.dxf.saving-" + std::to_string(::getpid())));
  std::string reason;
  ASSERT_TRUE(saveDrawing(target, reason)) << reason;
  EXPECT_EQ(testsupport::readFile(victim), "not yours");
  EXPECT_FALSE(fs::is_symlink(target));
  EXPECT_NE(testsupport::readFile(target).find("LINE"), std::string::npos);
}

}  // namespace
