// Saving onto a file system that is really full or really read-only. As root the test
// mounts a small tmpfs of its own (in a private mount namespace of a child process); where
// mounting is not permitted, the kernel fails the writes another way: a file size limit
// (RLIMIT_FSIZE) for the full disk, a folder without write permission entered as another
// user for the read-only one. The road taken is printed.
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "TestSupport.h"
#include "settings/IniFile.h"

namespace {

using namespace documenttesting;
namespace fs = std::filesystem;

constexpr const char* kOld = "the file as it was\n";
// An unprivileged user for the read-only road.
constexpr uid_t kNobody = 65534;

// Runs `check` in a child process and returns what it reports ("" when all held). The
// child may change its mounts, limits and user without touching the test process.
std::string inChild(const std::function<std::string()>& check) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return "no pipe";
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeEnds[0]);
    const std::string problem = check();
    std::fflush(nullptr);
    if (::write(pipeEnds[1], problem.data(), problem.size()) < 0) ::_exit(2);
    ::_exit(0);
  }
  ::close(pipeEnds[1]);
  std::string report;
  char buffer[512];
  for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) report.append(buffer, n);
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child failed: " + report;
  return report;
}

// A private mount namespace with a tmpfs of `options` at `folder`; false when not permitted.
bool mountPrivateTmpfs(const fs::path& folder, const char* options) {
  if (::unshare(CLONE_NEWNS) != 0) return false;
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
  return ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options) == 0;
}

const DXF_Zeichnung& largeDrawing() {
  static const auto drawing = [] {
    std::string lines;
    for (int i = 0; i < 2000; ++i) lines += line(i, 0, i, 1);
    return readOk(dxfFile(lines));
  }();
  return *drawing;
}

bool saveSettings(const fs::path& target) {
  IniFile settings;
  settings.addSection("DXFViewer");
  settings.addEntry("DXFViewer", "ViewerPath", std::string(100000, 'p').c_str());
  return settings.write(target.c_str());
}

// Both writers fail on `folder`, keep `kOld` in their targets and leave no other file than
// those and `others` more.
std::string bothWritersFail(const fs::path& folder, int others = 0) {
  std::string problems;
  const fs::path drawing = folder / "drawing.dxf";
  const fs::path settings = folder / "orvel.ini";
  if (largeDrawing().writeDXF(drawing) != -50) problems += "the drawing was saved; ";
  if (saveSettings(settings)) problems += "the settings were saved; ";
  if (testsupport::readFile(drawing) != kOld) problems += "the old drawing changed; ";
  if (testsupport::readFile(settings) != kOld) problems += "the old settings changed; ";
  int files = 0;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) files += !entry.is_directory();
  if (files != 2 + others) problems += std::to_string(files) + " files in the folder; ";
  return problems;
}

void writeOldFiles(const fs::path& folder) {
  testsupport::writeFile(folder / "drawing.dxf", kOld);
  testsupport::writeFile(folder / "orvel.ini", kOld);
}

TEST(SaveOnRealFailures, FullFileSystem) {
  testsupport::TempDir dir;
  const std::string problems = inChild([&]() -> std::string {
    if (mountPrivateTmpfs(dir.path(), "size=64k")) {
      std::printf("full file system: a 64 KiB tmpfs\n");
      writeOldFiles(dir.path());
      // Written until the file system is full.
      testsupport::writeFile(dir.file("filler"), std::string(1 << 20, 'f'));
      return bothWritersFail(dir.path(), 1);
    }
    std::printf("full file system: mounting is not permitted, a file size limit of 8 KiB\n");
    writeOldFiles(dir.path());
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{8192, 8192};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return "no file size limit";
    return bothWritersFail(dir.path());
  });
  EXPECT_EQ(problems, "");
}

TEST(SaveOnRealFailures, ReadOnlyFolder) {
  testsupport::TempDir dir;
  const std::string problems = inChild([&]() -> std::string {
    if (mountPrivateTmpfs(dir.path(), "size=1m")) {
      writeOldFiles(dir.path());
      if (::mount(nullptr, dir.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0) {
        std::printf("read-only folder: a tmpfs mounted read-only\n");
        return bothWritersFail(dir.path());
      }
      return "the tmpfs could not be made read-only";
    }
    std::printf("read-only folder: mounting is not permitted, a folder of mode 0555\n");
    writeOldFiles(dir.path());
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    // Root passes every permission check; as another user the mode holds.
    if (::geteuid() == 0) {
      ::chown(dir.path().c_str(), 0, 0);
      for (const char* name : {"drawing.dxf", "orvel.ini"}) {
        ::chmod((dir.path() / name).c_str(), 0666);
      }
      if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) return "cannot become nobody";
    }
    return bothWritersFail(dir.path());
  });
  EXPECT_EQ(problems, "");
}

}  // namespace
