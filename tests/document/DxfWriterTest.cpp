// Tests of the DXF writer: the release 12 frame, list order, number format, safe saving.
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <locale>
#include <string>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "entities/Linie.h"
#include "TestSupport.h"
#include "support/DecimalCommaLocale.h"

namespace {

using namespace documenttesting;
namespace fs = std::filesystem;

// A numeric punctuation with a decimal comma, as German or French users have it.
struct CommaPunct : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(DxfWriterFrame, EmptyDocumentWritesACompleteFile) {
  const DXF_Zeichnung document;
  EXPECT_EQ(writtenText(document),
            "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n"
            "  9\n$EXTMIN\n 10\n10000.000000\n 20\n10000.000000\n 30\n0.0\n"
            "  9\n$EXTMAX\n 10\n0.000000\n 20\n0.000000\n 30\n0.0\n"
            "  9\n$LTSCALE\n 40\n1.000000\n  0\nENDSEC\n"
            "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLTYPE\n 70\n-1\n  0\nENDTAB\n"
            "  0\nTABLE\n  2\nLAYER\n 70\n-1\n  0\nENDTAB\n  0\nENDSEC\n"
            "  0\nSECTION\n  2\nBLOCKS\n  0\nENDSEC\n"
            "  0\nSECTION\n  2\nENTITIES\n  0\nENDSEC\n  0\nEOF\n");
}

TEST(DxfWriterFrame, TableHeadsCountMinusOne) {
  auto document =
      readOk(dxfFile("", "", layerEntry("0", 7) + layerEntry("A", 1) + layerEntry("B", 2)));
  EXPECT_NE(writtenText(*document).find("  2\nLAYER\n 70\n2\n  0\nLAYER\n"), std::string::npos);
}

TEST(DxfWriterFrame, DimensionTypeIsAnInteger) {
  auto document = readOk(dxfFile("  0\nDIMENSION\n  8\n0\n  2\n*D1\n 70\n33\n  1\n%%c5\n"));
  const std::string text = writtenText(*document);
  EXPECT_NE(text.find(" 32\n0.0000\n 70\n33\n 1\n%%c5\n 13\n"), std::string::npos) << text;
}

TEST(DxfWriterFrame, LinetypesCarryOnlyTheElementsTheyHold) {
  std::string text = dxfFile("");
  const std::string complete = " 73\n     0\n 40\n0.0\n";
  text.replace(text.find(complete), complete.size(),
               " 73\n3\n 40\n1.5\n 49\n1.0\n 74\n0\n 49\n-0.5\n");
  auto document = readOk(text);
  const std::string written = writtenText(*document);
  EXPECT_NE(written.find(" 73\n2\n 40\n1.5\n 49\n1.0\n 49\n-0.5\n  0\n"), std::string::npos)
      << written;
}

// Drawing objects keep the order they are painted in; tables and blocks turn round.
TEST(DxfWriterOrder, ReadWriteReadKeepsTheObjectsOrderAndReversesTablesAndBlocks) {
  auto document =
      readOk(dxfFile(line(1, 0, 1, 1) + line(2, 0, 2, 2) + insert("X", 0, 0) + insert("Y", 0, 0),
                     block("X", "") + block("Y", ""), layerEntry("0", 7) + layerEntry("L", 1)));
  auto again = readOk(writtenText(*document));
  ASSERT_EQ(countsOf(*again), countsOf(*document));
  EXPECT_DOUBLE_EQ(static_cast<const Linie&>(*again->entities().at(0)).x1(), 1.0);
  EXPECT_STREQ(again->layerAt(0)->name(), "L");
  EXPECT_STREQ(again->blocks().at(0)->name(), "Y");
  EXPECT_STREQ(again->inserts().at(0)->blockName(), "X");
  EXPECT_EQ(again->drawOrder().kinds(), document->drawOrder().kinds());
}

TEST(DxfWriterNumbers, DecimalPointWhateverTheLocale) {
  auto document = readOk(dxfFile(line(1.5, 0, 2.25, 3)));
  testsupport::DecimalCommaLocale comma;
  ASSERT_TRUE(comma.active()) << testsupport::kNoDecimalCommaLocale;
  const std::locale before =
      std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
  testsupport::TempDir dir;
  const int result = document->writeDXF(dir.file("out.dxf"));
  const bool commaKept = testsupport::decimalCommaInEffect();
  std::locale::global(before);
  ASSERT_EQ(result, 0);
  EXPECT_TRUE(commaKept) << "the writer must give the numeric locale back";
  const std::string text = testsupport::readFile(dir.file("out.dxf"));
  EXPECT_NE(text.find(" 10\n1.5000\n"), std::string::npos);
  EXPECT_NE(text.find(" 11\n2.2500\n"), std::string::npos);
  EXPECT_EQ(text.find(','), std::string::npos);
}

TEST(DxfWriterSaving, ReplacesTheFileAndLeavesNoTemporaryBehind) {
  testsupport::TempDir dir;
  const fs::path target = dir.file("drawing.dxf");
  testsupport::writeFile(target, "old");
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  auto document = readOk(dxfFile(line(0, 0, 1, 1)));
  ASSERT_EQ(document->writeDXF(target), 0);
  EXPECT_EQ(testsupport::readFile(target), writtenText(*document));
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir.path())) files += entry.is_regular_file();
  EXPECT_EQ(files, 1);
}

TEST(DxfWriterSaving, WriteProtectedFileStaysAsItWas) {
  testsupport::TempDir dir;
  const fs::path target = dir.file("kept.dxf");
  testsupport::writeFile(target, "precious");
  fs::permissions(target, fs::perms::owner_read);
  EXPECT_EQ(readOk(dxfFile(line(0, 0, 1, 1)))->writeDXF(target), -50);
  fs::permissions(target, fs::perms::owner_all);
  EXPECT_EQ(testsupport::readFile(target), "precious");
}

TEST(DxfWriterSaving, MissingFolderOrFolderAsTarget) {
  testsupport::TempDir dir;
  const DXF_Zeichnung document;
  EXPECT_EQ(document.writeDXF(dir.file("no/such/folder.dxf")), -50);
  EXPECT_EQ(document.writeDXF(dir.path()), -50);
}

TEST(DxfWriterSaving, FailedWriteKeepsThePreviousFile) {
  testsupport::TempDir dir;
  const fs::path target = dir.file("full.dxf");
  testsupport::writeFile(target, "previous");
  std::string many;
  for (int i = 0; i < 400; ++i) many += line(i, 0, i, 1);
  auto document = readOk(dxfFile(many));
  // A file size limit makes the disk look full after 4 KiB.
  auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit limited = saved;
  limited.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  const int result = document->writeDXF(target);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(result, -50);
  EXPECT_EQ(testsupport::readFile(target), "previous");
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir.path())) files += entry.is_regular_file();
  EXPECT_EQ(files, 1);
}

TEST(DxfWriterSaving, LinkedTargetReplacesTheFileItNames) {
  testsupport::TempDir dir;
  testsupport::writeFile(dir.file("real.dxf"), "old");
  fs::create_symlink(dir.file("real.dxf"), dir.file("link.dxf"));
  ASSERT_EQ(readOk(dxfFile(line(0, 0, 1, 1)))->writeDXF(dir.file("link.dxf")), 0);
  EXPECT_TRUE(fs::is_symlink(dir.file("link.dxf")));
  EXPECT_NE(testsupport::readFile(dir.file("real.dxf")).find("LINE"), std::string::npos);
}

}  // namespace
