// Time stamps, block names, the working folder and the temporary file counter.
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <string>

#include <gtest/gtest.h>

#include "cadlink/TransferNames.h"
#include "TestSupport.h"

namespace {

// 6 December 2026, 10:05:14 local time.
std::time_t decemberMorning() {
  std::tm when{};
  when.tm_year = 2026 - 1900;
  when.tm_mon = 11;
  when.tm_mday = 6;
  when.tm_hour = 10;
  when.tm_min = 5;
  when.tm_sec = 14;
  when.tm_isdst = -1;
  return std::mktime(&when);
}

TEST(TransferNames, TimeStampHasEnglishMonthDayAndTime) {
  EXPECT_EQ(transferTimeStamp(decemberMorning()), "Dec_06_10-05-14");
}

TEST(TransferNames, BaseNamesLongerThanThirteenKeepFourteenCharacters) {
  const struct {
    const char* base;
    const char* expected;
  } cases[] = {
      {"ABCDEFGHIJKLMNOPQRSTU", "ABCDEFGHIJKLMN_Dec_06_10-05-14"},  // 21 characters
      {"ABCDEFGHIJKLMN", "ABCDEFGHIJKLMN_Dec_06_10-05-14"},         // 14: cut to itself
      {"ABCDEFGHIJKLM", "ABCDEFGHIJKLM_Dec_06_10-05-14"},           // 13 stay whole
      {"DUMMY", "DUMMY_Dec_06_10-05-14"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(transferBlockName(c.base, "Dec_06_10-05-14"), c.expected) << c.base;
  }
}

TEST(TransferNames, CounterRunsZeroToNineAndStartsAgain) {
  int counter = 0;
  std::string numbers;
  for (int transfer = 0; transfer < 11; ++transfer) {
    numbers += std::to_string(nextTransferNumber(counter));
  }
  EXPECT_EQ(numbers, "01234567890");
  EXPECT_EQ(counter, 1);
  int broken = 42;
  EXPECT_EQ(nextTransferNumber(broken), 0);
}

TEST(TransferNames, FilePathsInTheFolder) {
  EXPECT_EQ(transferFilePath("/home/me/work", 3), "/home/me/work/dde_3.dxf");
  EXPECT_EQ(transferFilePath("/", 0), "/dde_0.dxf");
}

TEST(TransferNames, WorkingFolderIsMadeAbsoluteWithoutTrailingSeparator) {
  testsupport::TempDir folder;
  const std::string path = folder.path().string();
  EXPECT_EQ(transferFolder(path + "/"), path);
  EXPECT_EQ(transferFolder(path + "/sub/.."), path);
  const std::string current = std::filesystem::current_path().string();
  EXPECT_EQ(transferFolder("."), current);
  EXPECT_EQ(transferFolder(""), current);
  EXPECT_EQ(transferFolder("/"), "/");
}

TEST(TransferNames, FoldersLongerThan260CharactersAreRefused) {
  EXPECT_FALSE(transferFolder("/" + std::string(260, 'a')).has_value());
  EXPECT_TRUE(transferFolder("/" + std::string(259, 'a')).has_value());
}

}  // namespace
