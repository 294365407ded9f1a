// The current folder as the start-up reads it.
#include "platform/CurrentDirectory.h"

#include <unistd.h>

#include "TestSupport.h"

namespace {

TEST(CurrentDirectory, IsTheAbsolutePathOfTheFolderWeAreIn) {
  testsupport::TempDir folder;
  const std::string before = currentDirectory();
  ASSERT_EQ(chdir(folder.path().c_str()), 0);
  EXPECT_EQ(currentDirectory(), std::filesystem::canonical(folder.path()).string());
  ASSERT_EQ(chdir(before.c_str()), 0);
}

TEST(CurrentDirectory, RemovedFolderGivesTheEmptyText) {
  const std::string before = currentDirectory();
  {
    testsupport::TempDir folder;
    const auto gone = folder.file("gone");
    std::filesystem::create_directory(gone);
    ASSERT_EQ(chdir(gone.c_str()), 0);
    std::filesystem::remove(gone);
    EXPECT_EQ(currentDirectory(), "");
  }
  ASSERT_EQ(chdir(before.c_str()), 0);
}

}  // namespace
