// The recent files kept in the settings file.
#include "app/RecentFiles.h"

#include <gtest/gtest.h>

#include "settings/IniFile.h"
#include "TestSupport.h"

namespace {

using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

TEST(RecentFiles, NewestFirstOnceEachAndTenAtMost) {
  IniFile settings;
  EXPECT_TRUE(recentFiles(settings).empty());
  for (int i = 1; i <= 12; ++i) addRecentFile(settings, "/d/" + std::to_string(i) + ".dxf");
  std::vector<std::string> files = recentFiles(settings);
  ASSERT_EQ(files.size(), 10u);
  EXPECT_EQ(files.front(), "/d/12.dxf");
  EXPECT_EQ(files.back(), "/d/3.dxf");
  // Opening one of the list again moves it to the top without a second entry.
  addRecentFile(settings, "/d/7.dxf");
  files = recentFiles(settings);
  ASSERT_EQ(files.size(), 10u);
  EXPECT_EQ(files[0], "/d/7.dxf");
  EXPECT_EQ(files[1], "/d/12.dxf");
  EXPECT_EQ(std::count(files.begin(), files.end(), "/d/7.dxf"), 1);
  EXPECT_EQ(IniFile::lastError(), IniFile::NoError);
}

TEST(RecentFiles, StoredInTheRecentSectionAndReadBackAfterARestart) {
  TempDir folder;
  writeFile(folder.file("orvel.ini"), "[DXFViewer]\nSilLayer=0\n");
  {
    IniFile settings(folder.file("orvel.ini").c_str(), true);
    addRecentFile(settings, "/drawings/a b.dxf");
    addRecentFile(settings, "/drawings/c.DXF");
    ASSERT_TRUE(settings.write());
  }
  const std::string text = readFile(folder.file("orvel.ini"));
  EXPECT_NE(text.find("[Recent]\nFile1=/drawings/c.DXF\nFile2=/drawings/a b.dxf\nFile3=\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("SilLayer=0"), std::string::npos);
  IniFile again(folder.file("orvel.ini").c_str(), true);
  EXPECT_EQ(recentFiles(again), (std::vector<std::string>{"/drawings/c.DXF", "/drawings/a b.dxf"}));
}

TEST(RecentFiles, HandWrittenGapsAndRepeatsAreReadOverAndAnOverlongPathIsNotKept) {
  IniFile settings;
  settings.addSection("Recent");
  settings.addEntry("Recent", "File2", "/x.dxf");
  settings.addEntry("Recent", "File5", "/y.dxf");
  settings.addEntry("Recent", "File6", "/x.dxf");
  settings.addEntry("Recent", "File11", "/beyond.dxf");
  EXPECT_EQ(recentFiles(settings), (std::vector<std::string>{"/x.dxf", "/y.dxf"}));
  // A settings line is read back up to its limit only; a cut path would be another file.
  const std::string overlong = "/" + std::string(IniFile::maxLineLength, 'p') + ".dxf";
  addRecentFile(settings, overlong);
  EXPECT_EQ(recentFiles(settings), (std::vector<std::string>{"/x.dxf", "/y.dxf"}));
  addRecentFile(settings, "");
  EXPECT_EQ(recentFiles(settings).size(), 2u);
}

}  // namespace
