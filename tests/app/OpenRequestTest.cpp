// The launcher's one-shot open request as the viewer takes it.
#include "app/OpenRequest.h"

#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

using testsupport::TempDir;
using testsupport::writeFile;

struct RequestCase {
  const char* name;
  const char* content;
  std::vector<std::string> paths;
};

TEST(OpenRequest, TakesEveryCompleteLineInOrderAndRemovesTheRequest) {
  const RequestCase cases[] = {
      {"two files",
       "/a/first.dxf\n/b/second drawing.DXF\n",
       {"/a/first.dxf", "/b/second drawing.DXF"}},
      {"empty lines passed over", "\n/a/x.dxf\n\n", {"/a/x.dxf"}},
      {"unfinished last line", "/a/x.dxf\n/a/half", {"/a/x.dxf"}},
      {"empty request", "", {}},
      {"the same file twice is opened twice", "/a/x.dxf\n/a/x.dxf\n", {"/a/x.dxf", "/a/x.dxf"}},
  };
  for (const RequestCase& c : cases) {
    TempDir folder;
    writeFile(folder.file(kOpenRequestFile), c.content);
    EXPECT_EQ(takeOpenRequest(folder.path()), c.paths) << c.name;
    EXPECT_FALSE(std::filesystem::exists(folder.file(kOpenRequestFile))) << c.name;
    EXPECT_TRUE(takeOpenRequest(folder.path()).empty()) << c.name << ": taken twice";
  }
}

TEST(OpenRequest, WithoutARequestNothingIsOpenedAndNoLockFileMade) {
  TempDir folder;
  EXPECT_TRUE(takeOpenRequest(folder.path()).empty());
  EXPECT_FALSE(std::filesystem::exists(folder.file(kOpenRequestLock)));
  EXPECT_TRUE(takeOpenRequest(folder.path() / "missing").empty());
}

// A launcher appending under the lock is waited for: the viewer never takes half of what
// it writes, and what it wrote is not lost.
TEST(OpenRequest, WaitsForALauncherHoldingTheLock) {
  TempDir folder;
  writeFile(folder.file(kOpenRequestFile), "/a/old.dxf\n");
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t launcher = fork();
  if (launcher == 0) {
    const int lock = open(folder.file(kOpenRequestLock).c_str(), O_RDWR | O_CREAT, 0600);
    if (lock < 0 || flock(lock, LOCK_EX) != 0) _exit(1);
    if (write(ready[1], "x", 1) != 1) _exit(1);
    usleep(300 * 1000);
    writeFile(folder.file(kOpenRequestFile), "/a/old.dxf\n/a/new.dxf\n");
    _exit(0);
  }
  char signal = 0;
  ASSERT_EQ(read(ready[0], &signal, 1), 1);
  const std::vector<std::string> paths = takeOpenRequest(folder.path());
  int status = 0;
  waitpid(launcher, &status, 0);
  close(ready[0]);
  close(ready[1]);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(paths, (std::vector<std::string>{"/a/old.dxf", "/a/new.dxf"}));
}

}  // namespace
