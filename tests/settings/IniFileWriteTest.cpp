// Tests of writing the settings file: written form, round trips and the atomic replacement.
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <string>

#include <gtest/gtest.h>

#include "settings/IniFile.h"
#include "TestSupport.h"

namespace {

using testsupport::dataPath;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

// The fixture as the program writes it back: comments gone, one blank line between sections,
// the older file's Windows-1252 in UTF-8.
const std::string realisticWritten =
    "[DXFViewer]\n"
    "State=0\n"
    "DimW=1024\n"
    "DimH=768\n"
    "PosX=40\n"
    "PosY=30\n"
    "ViewerPath=/home/user/zeichnungen\n"
    "SilLayer=SILHOUETTE\n"
    "MassblLayer=MASSBLATT\n"
    "Layer_0=Grundlayer\n"
    "Ltype_0=CONTINUOUS\n"
    "Color_0=7\n"
    "Layer_MASS=Ma\xC3\x9F"
    "e\n"
    "Color_MASS=3\n"
    "\n"
    "[General]\n"
    "GwLanguage=1\n"
    "WorkPath=/home/user/arbeit\n"
    "BmpPath=/home/user/bilder\n"
    "Logo=logo.wmf\n";

// Names of the files in a folder other than `keep`: leftovers of a failed replacement.
std::vector<std::string> strayFiles(const TempDir& dir, const std::string& keep) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    if (entry.path().filename() != keep) names.push_back(entry.path().filename().string());
  }
  return names;
}

TEST(IniFileWrite, RealisticFileRoundTrips) {
  TempDir dir;
  std::filesystem::copy_file(dataPath("settings/orvel.ini"), dir.file("orvel.ini"));
  for (const bool strip : {false, true}) {
    IniFile ini(dir.file("orvel.ini").c_str(), strip);
    EXPECT_EQ(IniFile::lastError(), 0);
    EXPECT_TRUE(ini.write());
    EXPECT_EQ(readFile(dir.file("orvel.ini")), realisticWritten) << "stripBlanks " << strip;
  }
}

TEST(IniFileWrite, ChangesAndAdditionsAreWrittenInPlaceAndAtTheEnd) {
  TempDir dir;
  std::filesystem::copy_file(dataPath("settings/orvel.ini"), dir.file("orvel.ini"));
  IniFile ini(dir.file("orvel.ini").c_str(), true);
  ini.setValue("DXFViewer", "DimW", "1280");
  ini.addEntry("DXFViewer", "Layer_NEU", "Neu");
  ini.addSection("Extra");
  ini.addEntry("Extra", "k", "v");
  ASSERT_TRUE(ini.write());
  std::string expected = realisticWritten;
  expected.replace(expected.find("DimW=1024"), 9, "DimW=1280");
  expected.insert(expected.find("\n[General]"), "Layer_NEU=Neu\n");
  expected += "\n[Extra]\nk=v\n";
  EXPECT_EQ(readFile(dir.file("orvel.ini")), expected);
}

TEST(IniFileWrite, EmptyNamesAndKeysAreWrittenLikeAnyOther) {
  TempDir dir;
  IniFile ini(dir.file("out.ini").c_str());
  ASSERT_TRUE(ini.write());
  EXPECT_EQ(readFile(dir.file("out.ini")), "[]\n");
  ini.addSection("A");
  ini.addEntry("A", "x", "1");
  ini.addEntry("A", "", "empty key");
  ini.addEntry("A", "y", "2");
  ini.addSection("");
  ini.addEntry("", "z", "3");
  ini.addSection("B");
  ASSERT_TRUE(ini.write());
  const std::string expected = "[A]\nx=1\n=empty key\ny=2\n\n[]\nz=3\n\n[B]\n";
  EXPECT_EQ(readFile(dir.file("out.ini")), expected);
  IniFile again(dir.file("out.ini").c_str());
  ASSERT_TRUE(again.write());
  EXPECT_EQ(readFile(dir.file("out.ini")), expected);
}

TEST(IniFileWrite, PermissionsAndSymlinksOfTheOldFileAreKept) {
  TempDir dir;
  writeFile(dir.file("real.ini"), "[Old]\n");
  std::filesystem::permissions(dir.file("real.ini"), std::filesystem::perms(0640));
  std::filesystem::create_symlink(dir.file("real.ini"), dir.file("orvel.ini"));
  IniFile ini(dir.file("orvel.ini").c_str());
  ini.addSection("New");
  ASSERT_TRUE(ini.write());
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("orvel.ini")));
  EXPECT_EQ(readFile(dir.file("real.ini")), "[Old]\n\n[New]\n");
  EXPECT_EQ(std::filesystem::status(dir.file("real.ini")).permissions(),
            std::filesystem::perms(0640));
}

TEST(IniFileWrite, FolderInTheWayOrMissingFolderFailsAndChangesNothing) {
  TempDir dir;
  std::filesystem::create_directory(dir.file("orvel.ini"));
  writeFile(dir.file("orvel.ini") / "inside", "keep");
  IniFile ini;
  ini.addSection("A");
  EXPECT_FALSE(ini.write(dir.file("orvel.ini").c_str()));
  EXPECT_FALSE(ini.write(dir.file("no/such/folder.ini").c_str()));
  EXPECT_EQ(readFile(dir.file("orvel.ini") / "inside"), "keep");
  EXPECT_TRUE(strayFiles(dir, "orvel.ini").empty());
}

TEST(IniFileWrite, WriteProtectedFileFailsAndStaysAsItWas) {
  // No write permission for anyone: refused even where the system would let the user (root)
  // write it or the folder would let it be replaced.
  for (const int mode : {0400, 0444, 0550}) {
    SCOPED_TRACE(testing::Message() << std::oct << mode);
    TempDir dir;
    const std::string old = "[Old]\nk=v\n";
    writeFile(dir.file("orvel.ini"), old);
    std::filesystem::permissions(dir.file("orvel.ini"), std::filesystem::perms(mode));
    IniFile ini(dir.file("orvel.ini").c_str());
    ini.addSection("New");
    EXPECT_FALSE(ini.write());
    std::filesystem::permissions(dir.file("orvel.ini"), std::filesystem::perms::owner_all);
    EXPECT_EQ(readFile(dir.file("orvel.ini")), old);
    EXPECT_TRUE(strayFiles(dir, "orvel.ini").empty());
  }
}

TEST(IniFileWrite, ShortWriteLeavesTheOldFileUntouched) {
  TempDir dir;
  const std::string old = "[Old]\nk=v\n";
  writeFile(dir.file("orvel.ini"), old);
  IniFile ini(dir.file("orvel.ini").c_str());
  ini.addEntry("Old", "big", std::string(4000, 'b').c_str());

  // Limit file sizes so that the temporary file cannot be written completely.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 1024;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = ini.write();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, savedHandler);

  EXPECT_FALSE(written);
  EXPECT_EQ(readFile(dir.file("orvel.ini")), old);
  EXPECT_TRUE(strayFiles(dir, "orvel.ini").empty());
}

}  // namespace
