// Checks made on a drawing path before reading: missing, folder, binary DXF.
#include "InputFile.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

using dxftool::InputFile;
using dxftool::InputKind;

TEST(InputFileKinds, MissingPathAndFolderAreNotReadable) {
  testsupport::TempDir dir;
  EXPECT_EQ(InputFile::examine(dir.file("none.dxf").string()), InputKind::Missing);
  EXPECT_EQ(InputFile::examine(dir.path().string()), InputKind::NotAFile);
}

TEST(InputFileKinds, BinaryDxfSamplesAreRecognised) {
  EXPECT_EQ(InputFile::examine(testsupport::dataPath("bin_dxf_r12.dxf").string()),
            InputKind::BinaryDxf);
  EXPECT_EQ(InputFile::examine(testsupport::dataPath("BINARY_wipeout.dxf").string()),
            InputKind::BinaryDxf);
}

TEST(InputFileKinds, AsciiDxfAndShortFilesAreReadable) {
  testsupport::TempDir dir;
  testsupport::writeFile(dir.file("short.dxf"), "AutoCAD");
  EXPECT_EQ(InputFile::examine(dir.file("short.dxf").string()), InputKind::Readable);
  testsupport::writeFile(dir.file("empty.dxf"), "");
  EXPECT_EQ(InputFile::examine(dir.file("empty.dxf").string()), InputKind::Readable);
  EXPECT_EQ(InputFile::examine(testsupport::dataPath("ASCII_R12.dxf").string()),
            InputKind::Readable);
}

TEST(InputFileProblems, SentencesNameThePathAndTheBinaryForm) {
  EXPECT_TRUE(InputFile::problem("a.dxf", InputKind::Readable).empty());
  const std::string binary = InputFile::problem("b.dxf", InputKind::BinaryDxf);
  EXPECT_NE(binary.find("b.dxf"), std::string::npos);
  EXPECT_NE(binary.find("binary DXF"), std::string::npos);
  EXPECT_NE(InputFile::problem("c.dxf", InputKind::Missing).find("c.dxf"), std::string::npos);
}
