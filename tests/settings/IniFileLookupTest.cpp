// Tests of settings lookups, changes, the sticky error code and the cursor iteration.
#include <string>

#include <gtest/gtest.h>

#include "settings/IniFile.h"
#include "TestSupport.h"

namespace {

using testsupport::TempDir;
using testsupport::writeFile;

class IniFileLookup : public ::testing::Test {
 protected:
  void SetUp() override {
    ini_.addSection("DXFViewer");
    ini_.addEntry("DXFViewer", "DimW", " 1024px");
    ini_.addEntry("DXFViewer", "SilLayer", "SIL");
    ini_.addSection("General");
    IniFile::clearError();
  }
  IniFile ini_;
};

TEST_F(IniFileLookup, MissingKeyGivesTheDefaultAndAStickyThree) {
  EXPECT_STREQ(ini_.getString("DXFViewer", "Nothing", "fallback"), "fallback");
  EXPECT_EQ(IniFile::lastError(), IniFile::KeyMissing);
  EXPECT_STREQ(ini_.getString("DXFViewer", "SilLayer"), "SIL");
  EXPECT_EQ(ini_.getInt("DXFViewer", "DimW"), 1024);
  EXPECT_EQ(IniFile::lastError(), IniFile::KeyMissing);
}

TEST_F(IniFileLookup, FailedLookupsShareOneOverwrittenCell) {
  AT_Item& first = ini_.getItem("Other", "DimW", "one");
  EXPECT_EQ(IniFile::lastError(), IniFile::SectionMissing);
  EXPECT_EQ(&first, &IniFile::sharedEmptyItem());
  ini_.getItem("DXFViewer", "B", "two");
  EXPECT_STREQ(first.text(), "two");
  EXPECT_EQ(ini_.getInt("Other", "DimW"), 0);
  EXPECT_EQ(first.value(), nullptr);

  IniFile::clearError();
  EXPECT_STREQ(ini_.getString(nullptr, "DimW", "d1"), "d1");
  EXPECT_STREQ(ini_.getString("DXFViewer", nullptr), "");
  EXPECT_EQ(IniFile::lastError(), 0);
}

TEST_F(IniFileLookup, ErrorTexts) {
  const char* const texts[] = {
      "\nKein Fehler aufgetreten.",         "\nFEHLER: Section existiert nicht.",
      "\nFEHLER: Section existiert schon.", "\nFEHLER: Schluessel nicht gefunden.",
      "\nFEHLER: Eintrag existiert schon.", "\nFEHLER: Keine Section ausgewaehlt.",
      "\nFEHLER: Kein Eintrag ausgewaehlt."};
  for (int code = 0; code < 7; ++code) EXPECT_STREQ(IniFile::errorText(code), texts[code]);
  for (const int code : {-1, 7, 1000}) EXPECT_STREQ(IniFile::errorText(code), "") << code;
}

TEST_F(IniFileLookup, ChangesRefuseDuplicatesAndMissingKeys) {
  EXPECT_EQ(ini_.addSection("General"), IniFile::SectionExists);
  EXPECT_EQ(ini_.sectionCount(), 2);
  EXPECT_EQ(ini_.addEntry("Missing", "k", "v"), IniFile::SectionMissing);
  EXPECT_EQ(ini_.addEntry("DXFViewer", "SilLayer", "NEW"), IniFile::EntryExists);
  EXPECT_STREQ(ini_.getString("DXFViewer", "SilLayer"), "SIL");
  EXPECT_EQ(ini_.setValue("Missing", "k", "v"), IniFile::SectionMissing);
  EXPECT_EQ(ini_.setValue("General", "State", "1"), IniFile::KeyMissing);
  EXPECT_EQ(ini_.getItem("General", "State").value(), nullptr);
  EXPECT_EQ(IniFile::lastError(), IniFile::KeyMissing);
  EXPECT_EQ(ini_.setValue("DXFViewer", "DimW", "800"), 0);
  EXPECT_EQ(ini_.getInt("DXFViewer", "DimW"), 800);
}

TEST_F(IniFileLookup, CursorIterationWalksInTableOrder) {
  EXPECT_STREQ(ini_.firstSection(), "DXFViewer");
  EXPECT_STREQ(ini_.currentValue(), "");
  EXPECT_EQ(IniFile::lastError(), IniFile::NoEntrySelected);
  EXPECT_STREQ(ini_.firstKey(), "DimW");
  EXPECT_STREQ(ini_.currentValue(), " 1024px");
  EXPECT_STREQ(ini_.nextKey(), "SilLayer");
  EXPECT_EQ(ini_.nextKey(), nullptr);
  EXPECT_STREQ(ini_.nextSection(), "General");
  EXPECT_EQ(ini_.firstKey(), nullptr);
  EXPECT_EQ(ini_.nextSection(), nullptr);
  EXPECT_STREQ(ini_.currentValue(), "");
  EXPECT_EQ(IniFile::lastError(), IniFile::NoSectionSelected);
}

TEST(IniFilePath, PathIsMadeAbsoluteOnceAtCreation) {
  TempDir dir;
  const auto start = dir.file("start");
  const auto elsewhere = dir.file("elsewhere");
  std::filesystem::create_directories(start);
  std::filesystem::create_directories(elsewhere);
  writeFile(start / "orvel.ini", "[A]\nk=1\n");
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(start);
  IniFile ini("orvel.ini");
  std::filesystem::current_path(elsewhere);
  EXPECT_TRUE(ini.write());
  std::filesystem::current_path(previous);
  EXPECT_EQ(ini.path(), (start / "orvel.ini").string());
  EXPECT_FALSE(std::filesystem::exists(elsewhere / "orvel.ini"));
  EXPECT_FALSE(IniFile().write());
}

}  // namespace
