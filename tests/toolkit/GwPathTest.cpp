// Splitting and joining paths as the file selectors and the program's file names need them.
#include "toolkit/GwPath.h"

#include <gtest/gtest.h>

namespace {

struct Parts {
  std::string drive, dir, name, ext;
};

Parts split(const char* path) {
  Parts parts;
  GwSplitpath(path, &parts.drive, &parts.dir, &parts.name, &parts.ext);
  return parts;
}

TEST(GwSplitpath, SplitsUnixAndStoredWindowsPaths) {
  const Parts unix = split("/home/anna/parts/Flansch.dxf");
  EXPECT_EQ(unix.drive, "");
  EXPECT_EQ(unix.dir, "/home/anna/parts/");
  EXPECT_EQ(unix.name, "Flansch");
  EXPECT_EQ(unix.ext, ".dxf");

  const Parts windows = split("C:\\Katalog\\Teil 1.DXF");
  EXPECT_EQ(windows.drive, "C:");
  EXPECT_EQ(windows.dir, "\\Katalog\\");
  EXPECT_EQ(windows.name, "Teil 1");
  EXPECT_EQ(windows.ext, ".DXF");
}

TEST(GwSplitpath, ExtensionIsThePartAfterTheLastDotOfTheFileNameOnly) {
  const Parts dotted = split("/data/v1.2/part.rev3.dxf");
  EXPECT_EQ(dotted.dir, "/data/v1.2/");
  EXPECT_EQ(dotted.name, "part.rev3");
  EXPECT_EQ(dotted.ext, ".dxf");

  const Parts bare = split("/data/v1.2/README");
  EXPECT_EQ(bare.name, "README");
  EXPECT_EQ(bare.ext, "");

  const Parts folder = split("/data/");
  EXPECT_EQ(folder.dir, "/data/");
  EXPECT_EQ(folder.name, "");
}

TEST(GwSplitpath, NullPathAndNullOutputsAreHarmless) {
  std::string dir = "unchanged";
  GwSplitpath(nullptr, nullptr, &dir, nullptr, nullptr);
  EXPECT_EQ(dir, "");
}

TEST(GwMakepath, AddsTheSeparatorAndDotThatAreMissing) {
  EXPECT_EQ(GwMakepath(nullptr, "/tmp", "a", "dxf"), "/tmp/a.dxf");
  EXPECT_EQ(GwMakepath(nullptr, "/tmp/", "a", ".dxf"), "/tmp/a.dxf");
  EXPECT_EQ(GwMakepath("C:", "\\Katalog\\", "Teil", nullptr), "C:\\Katalog\\Teil");
  EXPECT_EQ(GwMakepath(nullptr, "", "dxfinfo", ""), "dxfinfo");
}

TEST(GwMakepath, DriveAndDirectoryOfASplitPathGiveItsFolderBack) {
  std::string drive;
  std::string dir;
  GwSplitpath("/home/anna/parts/Flansch.dxf", &drive, &dir, nullptr, nullptr);
  EXPECT_EQ(GwMakepath(drive.c_str(), dir.c_str(), nullptr, nullptr), "/home/anna/parts/");
}

}  // namespace
