// Opening drawings: only regular files are read; folders, devices and pipes are refused at
// once with the system's reason, and read errors are no "empty file".
#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "document/DXF_Zeichnung.h"

namespace {

namespace fs = std::filesystem;

TEST(ReadDxfFromPath, FolderIsRefusedWithTheSystemsReason) {
  testsupport::TempDir dir;
  DXF_Zeichnung document;
  EXPECT_EQ(document.readDXF(dir.path()), -50);
  EXPECT_EQ(document.readProblem(), std::strerror(EISDIR));
}

TEST(ReadDxfFromPath, PipeWithoutWriterIsRefusedAtOnce) {
  testsupport::TempDir dir;
  const fs::path fifo = dir.file("pipe.dxf");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  DXF_Zeichnung document;
  EXPECT_EQ(document.readDXF(fifo), -50);
  EXPECT_NE(document.readProblem().find("regular file"), std::string::npos);
}

TEST(ReadDxfFromPath, EndlessDeviceIsRefused) {
  DXF_Zeichnung document;
  EXPECT_EQ(document.readDXF("/dev/zero"), -50);
  EXPECT_NE(document.readProblem().find("regular file"), std::string::npos);
}

TEST(ReadDxfFromPath, MissingFileGivesTheSystemsReason) {
  testsupport::TempDir dir;
  DXF_Zeichnung document;
  EXPECT_EQ(document.readDXF(dir.file("missing.dxf")), -50);
  EXPECT_EQ(document.readProblem(), std::strerror(ENOENT));
}

TEST(ReadDxfFromPath, SuccessLeavesNoProblem) {
  DXF_Zeichnung document;
  EXPECT_EQ(document.readDXF("/dev/zero"), -50);
  EXPECT_EQ(document.readDXF(testsupport::dataPath("ASCII_R12.dxf")), 0);
  EXPECT_EQ(document.readProblem(), "");
  EXPECT_GT(document.entities().count() + document.inserts().count(), 0);
}

}  // namespace
