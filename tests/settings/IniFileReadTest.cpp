// Tests of reading the settings file: line forms, stripping, duplicates and hostile content.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "settings/IniFile.h"
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
    EXPECT_TRUE(load(content, stripBlanks).write(dir_.file("out.ini").c_str()));
    return readFile(dir_.file("out.ini"));
  }
  int keyMissing(const char* section, const char* key) {
    IniFile::clearError();
    ini_->getString(section, key);
    return IniFile::lastError() == IniFile::KeyMissing;
  }

  TempDir dir_;
  std::unique_ptr<IniFile> ini_;
};

TEST_F(IniFileRead, MissingOrUnreadableFileGivesSevenAndNoSections) {
  for (const auto& path : {dir_.file("absent.ini"), dir_.path()}) {
    IniFile ini(path.c_str());
    EXPECT_EQ(IniFile::lastError(), IniFile::CannotOpen);
    EXPECT_EQ(ini.sectionCount(), 0);
  }
  EXPECT_EQ(load("").sectionCount(), 0);
  EXPECT_EQ(IniFile::lastError(), 0);
}

TEST_F(IniFileRead, LineForms) {
  // Comments, lines without "=", and entries before the first header are dropped; the value
  // is everything after the first "="; a header loses its last character whatever it is.
  EXPECT_EQ(rewritten("orphan=1\n[A]\nx=\ny\n;z=1\nk=a=b\n[Bc\nj=2\n[\n=v\n"),
            "[A]\nx=\nk=a=b\n\n[B]\nj=2\n\n[]\n=v\n");
}

TEST_F(IniFileRead, RepeatedHeaderMergesIntoTheFirstSection) {
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

TEST_F(IniFileRead, NamesAndKeysAreCaseSensitive) {
  IniFile& ini = load("[Sec]\nKey=1\n[sec]\nkey=2\n");
  EXPECT_STREQ(ini.getString("Sec", "Key"), "1");
  EXPECT_STREQ(ini.getString("sec", "key"), "2");
  EXPECT_TRUE(keyMissing("Sec", "key"));
}

TEST_F(IniFileRead, StripBlanksRemovesWhiteSpaceBeforeTheFirstEquals) {
  IniFile& ini = load("[ DXF Viewer ]\na b = c d\nPos X = 10\n", true);
  EXPECT_STREQ(ini.getString("DXFViewer", "ab"), " c d");
  EXPECT_EQ(ini.getInt("DXFViewer", "PosX"), 10);
  EXPECT_EQ(rewritten("[A]\nk\v\f=v = w \r\n\t\n  x y\n", true), "[A]\nk=v = w \n");
  EXPECT_EQ(rewritten("[ A ]\n k = v \n"), "[ A ]\n k = v \n");
}

TEST_F(IniFileRead, CrLfEndsMissingFinalNewlineAndNulBytes) {
  const char content[] = "[DXFViewer]\r\nSilLayer=SIL\r\nk=v\0tail=1\nlast=yes";
  IniFile& ini = load(std::string(content, sizeof content - 1));
  EXPECT_STREQ(ini.getString("DXFViewer", "SilLayer"), "SIL");
  EXPECT_STREQ(ini.getString("DXFViewer", "k"), "v");
  EXPECT_STREQ(ini.getString("DXFViewer", "last"), "yes");
  EXPECT_TRUE(keyMissing("DXFViewer", "tail"));
}

TEST_F(IniFileRead, LongLineIsCutAndItsRestDiscarded) {
  // The rest beyond 254 characters looks like an entry of its own; it must not become one.
  const std::string head = "k=" + std::string(IniFile::maxLineLength - 2, 'v');
  IniFile& ini = load("[A]\n" + head + "hidden=1\r\nfull=" + head + "\r\nnext=2\n");
  EXPECT_EQ(std::string(ini.getString("A", "k")), head.substr(2));
  EXPECT_STREQ(ini.getString("A", "next"), "2");
  EXPECT_TRUE(keyMissing("A", "hidden"));

  // A line of exactly the limit keeps all its characters when a CR LF ends it.
  load("[A]\r\n" + head + "\r\n");
  EXPECT_EQ(std::string(ini_->getString("A", "k")), head.substr(2));
}

TEST_F(IniFileRead, LongSectionNameIsCutAndKeepsItsEntries) {
  const std::string name(60, 'S');
  IniFile& ini = load("[" + name + "]\nk=1\n");
  EXPECT_STREQ(ini.getString(name.c_str(), "k"), "1");
  EXPECT_STREQ(ini.firstSection(), name.substr(0, 39).c_str());
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
    // Sprinkle structure so that headers and entries of odd bytes appear too.
    garbage += (i % 97 == 0)   ? '\n'
               : (i % 89 == 1) ? '['
               : (i % 83 == 2) ? '='
                               : static_cast<char>(state >> 16);
  }
  expectSaneOutput(rewritten(garbage));
  EXPECT_GT(ini_->sectionCount(), 0);
}

TEST_F(IniFileRead, LinesOfAnOlderCodePageAreReadAsUtf8) {
  EXPECT_EQ(rewritten("[A]\nLayer_M\xFCller=\x80\nRecent1=/home/j\xC3\xBCrgen\n"),
            "[A]\nLayer_M\xC3\xBCller=\xE2\x82\xAC\nRecent1=/home/j\xC3\xBCrgen\n");
  expectSaneOutput(rewritten("[A]\nk=" + std::string(9000, '\xE4')));
}

TEST_F(IniFileRead, TenMegabyteLines) {
  const std::string huge = "[A]\nbig=" + std::string(10 * 1024 * 1024, 'x') + "\nsmall=1";
  expectSaneOutput(rewritten(huge));
  EXPECT_EQ(std::string(ini_->getString("A", "big")).size(), IniFile::maxLineLength - 4);
  EXPECT_STREQ(ini_->getString("A", "small"), "1");
  EXPECT_EQ(rewritten(std::string(10 * 1024 * 1024, '\x01')), "[]\n");
}

}  // namespace
