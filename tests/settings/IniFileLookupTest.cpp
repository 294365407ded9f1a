// Tests of settings lookups, changes, the sticky error code and the cursor iteration.
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "IniFile.h"
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

TEST_F(IniFileLookup, MissingKeyGivesTheDefaultAndStickyThree) {
  EXPECT_STREQ(ini_.getString("DXFViewer", "Nothing", "fallback"), "fallback");
  EXPECT_EQ(IniFile::lastError(), IniFile::KeyMissing);
  EXPECT_STREQ(ini_.getString("DXFViewer", "SilLayer"), "SIL");
  EXPECT_EQ(IniFile::lastError(), IniFile::KeyMissing);
  IniFile::clearError();
  EXPECT_EQ(IniFile::lastError(), 0);
}

TEST_F(IniFileLookup, MissingSectionGivesOneAndNoValueWithoutDefault) {
  AT_Item& item = ini_.getItem("Other", "DimW");
  EXPECT_EQ(&item, &IniFile::sharedEmptyItem());
  EXPECT_EQ(item.value(), nullptr);
  EXPECT_STREQ(item.text(), "");
  EXPECT_EQ(IniFile::lastError(), IniFile::SectionMissing);
  EXPECT_EQ(ini_.getInt("Other", "DimW"), 0);
}

TEST_F(IniFileLookup, NullSectionOrKeyGivesTheDefaultWithoutError) {
  EXPECT_STREQ(ini_.getString(nullptr, "DimW", "d1"), "d1");
  EXPECT_STREQ(ini_.getString("DXFViewer", nullptr, "d2"), "d2");
  EXPECT_EQ(IniFile::lastError(), 0);
}

TEST_F(IniFileLookup, SharedEmptyItemIsOverwrittenByTheNextFailedLookup) {
  AT_Item& first = ini_.getItem("DXFViewer", "A", "one");
  ini_.getItem("DXFViewer", "B", "two");
  EXPECT_STREQ(first.text(), "two");
  ini_.getItem("DXFViewer", "C");
  EXPECT_EQ(first.value(), nullptr);
}

TEST_F(IniFileLookup, FoundValueIsTheStoredCell) {
  AT_Item& cell = ini_.getItem("DXFViewer", "SilLayer");
  EXPECT_NE(&cell, &IniFile::sharedEmptyItem());
  EXPECT_EQ(cell.typeCode(), AT_Text);
  EXPECT_EQ(ini_.getInt("DXFViewer", "DimW"), 1024);
}

TEST_F(IniFileLookup, ErrorCodeIsSharedByAllObjects) {
  IniFile other;
  other.getString("x", "y");
  EXPECT_EQ(IniFile::lastError(), IniFile::SectionMissing);
  ini_.getString("DXFViewer", "SilLayer");
  EXPECT_EQ(IniFile::lastError(), IniFile::SectionMissing);
}

TEST_F(IniFileLookup, ErrorTexts) {
  EXPECT_STREQ(IniFile::errorText(0), "\nKein Fehler aufgetreten.");
  EXPECT_STREQ(IniFile::errorText(1), "\nFEHLER: Section existiert nicht.");
  EXPECT_STREQ(IniFile::errorText(2), "\nFEHLER: Section existiert schon.");
  EXPECT_STREQ(IniFile::errorText(3), "\nFEHLER: Schluessel nicht gefunden.");
  EXPECT_STREQ(IniFile::errorText(4), "\nFEHLER: Eintrag existiert schon.");
  EXPECT_STREQ(IniFile::errorText(5), "\nFEHLER: Keine Section ausgewaehlt.");
  EXPECT_STREQ(IniFile::errorText(6), "\nFEHLER: Kein Eintrag ausgewaehlt.");
  EXPECT_STREQ(IniFile::errorText(7), "");
  EXPECT_STREQ(IniFile::errorText(-1), "");
  EXPECT_STREQ(IniFile::errorText(1000), "");
}

TEST_F(IniFileLookup, AddSectionRefusesDuplicates) {
  EXPECT_EQ(ini_.addSection("General"), IniFile::SectionExists);
  EXPECT_EQ(IniFile::lastError(), IniFile::SectionExists);
  EXPECT_EQ(ini_.sectionCount(), 2);
  EXPECT_EQ(ini_.addSection("general"), 0);
  EXPECT_EQ(ini_.sectionCount(), 3);
}

TEST_F(IniFileLookup, AddEntryKeepsTheOldValueOfAnExistingKey) {
  EXPECT_EQ(ini_.addEntry("Missing", "k", "v"), IniFile::SectionMissing);
  EXPECT_EQ(ini_.addEntry("DXFViewer", "SilLayer", "NEW"), IniFile::EntryExists);
  EXPECT_STREQ(ini_.getString("DXFViewer", "SilLayer"), "SIL");
  EXPECT_EQ(ini_.addEntry("General", "Logo", "logo.wmf"), 0);
  EXPECT_STREQ(ini_.getString("General", "Logo"), "logo.wmf");
}

TEST_F(IniFileLookup, SetValueChangesOnlyExistingKeys) {
  EXPECT_EQ(ini_.setValue("Missing", "k", "v"), IniFile::SectionMissing);
  EXPECT_EQ(ini_.setValue("General", "State", "1"), IniFile::KeyMissing);
  IniFile::clearError();
  ini_.getString("General", "State");
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
  IniFile::clearError();
  EXPECT_STREQ(ini_.currentValue(), "");
  EXPECT_EQ(IniFile::lastError(), IniFile::NoSectionSelected);
  IniFile::clearError();
  EXPECT_EQ(ini_.firstKey(), nullptr);
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
}

TEST(IniFilePath, WithoutPathNothingIsReadOrWritten) {
  IniFile::clearError();
  IniFile ini;
  EXPECT_EQ(IniFile::lastError(), 0);
  EXPECT_TRUE(ini.path().empty());
  EXPECT_FALSE(ini.write());
}

}  // namespace
