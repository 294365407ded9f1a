// Tests of reading the settings file: line forms, stripping, duplicates and hostile content.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "IniFile.h"
#include "TestSupport.h"

namespace {

using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

class IniFileRead : public ::testing::Test {
 protected:
  // Writes `content` to a settings file and reads it.
  IniFile& load(const std::string& content, bool stripBlanks = false) {
    writeFile(dir_.file("orvel.ini"), content);
    ini_ = std::make_unique<IniFile>(dir_.file("orvel.ini").c_str(), stripBlanks);
    return *ini_;
  }
  // What the file becomes after reading and writing it back.
  std::string rewritten(const std::string& content, bool stripBlanks = false) {
    IniFile& ini = load(content, stripBlanks);
    EXPECT_TRUE(ini.write(dir_.file("out.ini").c_str()));
    return readFile(dir_.file("out.ini"));
  }

  TempDir dir_;
  std::unique_ptr<IniFile> ini_;
};

TEST_F(IniFileRead, EmptyFileHasNoSections) {
  IniFile& ini = load("");
  EXPECT_EQ(IniFile::lastError(), 0);
  EXPECT_EQ(ini.sectionCount(), 0);
}

TEST_F(IniFileRead, MissingFileGivesSevenAndNoSections) {
  IniFile ini(dir_.file("absent.ini").c_str());
  EXPECT_EQ(IniFile::lastError(), IniFile::CannotOpen);
  EXPECT_EQ(ini.sectionCount(), 0);
  EXPECT_EQ(ini.read(false), IniFile::CannotOpen);
  IniFile::clearError();
  ini.getString("DXFViewer", "State");
  EXPECT_EQ(IniFile::lastError(), IniFile::SectionMissing);
}

TEST_F(IniFileRead, FolderInsteadOfFileCannotBeRead) {
  IniFile ini(dir_.path().c_str());
  EXPECT_EQ(IniFile::lastError(), IniFile::CannotOpen);
  EXPECT_EQ(ini.sectionCount(), 0);
}

TEST_F(IniFileRead, EntryFormsAndIgnoredLines) {
  IniFile& ini = load("[A]\nx=\ny\n;z=1\nk=a=b\n");
  EXPECT_EQ(IniFile::lastError(), 0);
  IniFile::clearError();
  EXPECT_STREQ(ini.getString("A", "x", "default"), "");
  EXPECT_STREQ(ini.getString("A", "k"), "a=b");
  EXPECT_EQ(IniFile::lastError(), 0);
  ini.getString("A", "y");
  EXPECT_EQ(IniFile::lastError(), IniFile::KeyMissing);
  IniFile::clearError();
  ini.getString("A", ";z");
  EXPECT_EQ(IniFile::lastError(), IniFile::KeyMissing);
}

TEST_F(IniFileRead, RepeatedHeaderMergesIntoTheFirstSection) {
  IniFile& ini = load("[A]\nx=1\n[B]\n[A]\ny=2\n");
  EXPECT_EQ(ini.sectionCount(), 2);
  EXPECT_STREQ(ini.getString("A", "y"), "2");
  EXPECT_EQ(rewritten("[A]\nx=1\n[B]\n[A]\ny=2\nx=3\n"), "[A]\nx=1\ny=2\n\n[B]\n");
}

TEST_F(IniFileRead, StatusIsTheResultOfTheLastHeaderOrEntry) {
  load("[A]\n[A]\n");
  EXPECT_EQ(IniFile::lastError(), IniFile::SectionExists);
  load("[A]\nx=1\nx=2\n");
  EXPECT_EQ(IniFile::lastError(), IniFile::EntryExists);
  load("[A]\nx=1\nx=2\ny=3\n");
  EXPECT_EQ(IniFile::lastError(), 0);
  load("orphan=1\n");
  EXPECT_EQ(IniFile::lastError(), IniFile::SectionMissing);
}

TEST_F(IniFileRead, EntryBeforeAnyHeaderIsDropped) {
  EXPECT_EQ(rewritten("orphan=1\n[A]\nx=1\n"), "[A]\nx=1\n");
}

TEST_F(IniFileRead, NamesAndKeysAreCaseSensitive) {
  IniFile& ini = load("[Sec]\nKey=1\n[sec]\nkey=2\n");
  EXPECT_EQ(ini.sectionCount(), 2);
  EXPECT_STREQ(ini.getString("Sec", "Key"), "1");
  EXPECT_STREQ(ini.getString("sec", "key"), "2");
  IniFile::clearError();
  ini.getString("Sec", "key");
  EXPECT_EQ(IniFile::lastError(), IniFile::KeyMissing);
  IniFile::clearError();
  ini.getString("SEC", "Key");
  EXPECT_EQ(IniFile::lastError(), IniFile::SectionMissing);
}

TEST_F(IniFileRead, StripBlanksRemovesWhiteSpaceBeforeTheFirstEquals) {
  IniFile& ini = load("[ DXF Viewer ]\na b = c d\nPos X = 10\n\t\n  x y\n", true);
  EXPECT_STREQ(ini.getString("DXFViewer", "ab"), " c d");
  EXPECT_STREQ(ini.getString("DXFViewer", "PosX"), " 10");
  EXPECT_EQ(ini.getInt("DXFViewer", "PosX"), 10);
  EXPECT_EQ(rewritten("[A]\nk\v\f=v = w \r\n", true), "[A]\nk=v = w \n");
}

TEST_F(IniFileRead, WithoutStripBlanksLinesAreKeptAsRead) {
  IniFile& ini = load("[ A ]\n k = v \n");
  EXPECT_STREQ(ini.getString(" A ", " k "), " v ");
}

TEST_F(IniFileRead, CrLfLineEndsLeaveNoCarriageReturn) {
  IniFile& ini = load("[DXFViewer]\r\nSilLayer=SIL\r\nDimW=800\r\n");
  EXPECT_STREQ(ini.getString("DXFViewer", "SilLayer"), "SIL");
  EXPECT_EQ(ini.getInt("DXFViewer", "DimW"), 800);
}

TEST_F(IniFileRead, LastLineWithoutNewlineIsRead) {
  IniFile& ini = load("[A]\nlast=yes");
  EXPECT_STREQ(ini.getString("A", "last"), "yes");
}

TEST_F(IniFileRead, LongLineIsCutAndItsRestDiscarded) {
  // The rest beyond 254 characters looks like an entry of its own; it must not become one.
  const std::string head = "k=" + std::string(IniFile::maxLineLength - 2, 'v');
  IniFile& ini = load("[A]\n" + head + "hidden=1\nnext=2\n");
  EXPECT_EQ(std::string(ini.getString("A", "k")), head.substr(2));
  EXPECT_STREQ(ini.getString("A", "next"), "2");
  IniFile::clearError();
  ini.getString("A", "hidden");
  EXPECT_EQ(IniFile::lastError(), IniFile::KeyMissing);
}

TEST_F(IniFileRead, FullLengthLineWithCrLfKeepsAllItsCharacters) {
  const std::string line = "k=" + std::string(IniFile::maxLineLength - 2, 'v');
  IniFile& ini = load("[A]\r\n" + line + "\r\n");
  EXPECT_EQ(std::string(ini.getString("A", "k")), line.substr(2));
}

TEST_F(IniFileRead, LongSectionNameIsCutAndKeepsItsEntries) {
  const std::string name(60, 'S');
  IniFile& ini = load("[" + name + "]\nk=1\n");
  EXPECT_EQ(IniFile::lastError(), 0);
  EXPECT_STREQ(ini.getString(name.c_str(), "k"), "1");
  EXPECT_STREQ(ini.getString(name.substr(0, 39).c_str(), "k"), "1");
  EXPECT_STREQ(ini.firstSection(), name.substr(0, 39).c_str());
}

TEST_F(IniFileRead, HeaderLosesItsLastCharacterWhateverItIs) {
  EXPECT_EQ(rewritten("[Abc\nk=1\n[\nj=2\n"), "[Ab]\nk=1\n\n[]\nj=2\n");
}

TEST_F(IniFileRead, EmptyKeyAndEmptySectionNameAreKept) {
  IniFile& ini = load("[]\n=v\n");
  EXPECT_EQ(IniFile::lastError(), 0);
  EXPECT_STREQ(ini.getString("", ""), "v");
}

TEST_F(IniFileRead, NulByteEndsTheUsableTextOfItsLine) {
  IniFile& ini = load(std::string("[A]\nk=v\0tail=1\nnext=2\n", 23));
  EXPECT_STREQ(ini.getString("A", "k"), "v");
  EXPECT_STREQ(ini.getString("A", "next"), "2");
}

// Every line written back stays within the line limit and carries no NUL byte.
void expectSaneOutput(const std::string& written) {
  EXPECT_EQ(written.find('\0'), std::string::npos);
  std::istringstream lines(written);
  std::string line;
  while (std::getline(lines, line)) EXPECT_LE(line.size(), IniFile::maxLineLength);
}

TEST_F(IniFileRead, BinaryGarbageGivesADefinedResult) {
  std::string garbage;
  unsigned state = 12345;
  for (int i = 0; i < 200000; ++i) {
    state = state * 1103515245U + 12345U;
    const char c = static_cast<char>(state >> 16);
    // Sprinkle structure so that headers and entries of odd bytes appear too.
    garbage += (i % 97 == 0) ? '\n' : (i % 89 == 1) ? '[' : (i % 83 == 2) ? '=' : c;
  }
  const std::string written = rewritten(garbage);
  EXPECT_GT(ini_->sectionCount(), 0);
  expectSaneOutput(written);
}

TEST_F(IniFileRead, TenMegabyteLineIsCutToOneEntry) {
  const std::string huge = "[A]\nbig=" + std::string(10 * 1024 * 1024, 'x') + "\nsmall=1";
  IniFile& ini = load(huge);
  EXPECT_EQ(std::string(ini.getString("A", "big")).size(), IniFile::maxLineLength - 4);
  EXPECT_STREQ(ini.getString("A", "small"), "1");
  expectSaneOutput(rewritten(huge));
}

TEST_F(IniFileRead, TenMegabytesWithoutNewlineOrEquals) {
  EXPECT_EQ(rewritten(std::string(10 * 1024 * 1024, '\x01')), "[]\n");
}

}  // namespace
