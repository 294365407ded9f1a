// What the settings file writes, it reads back unchanged: long folder paths and values
// that end in a carriage return included.
#include <string>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "settings/IniFile.h"

namespace {

using testsupport::TempDir;

struct RoundTripCase {
  const char* name;
  std::string value;
};

class IniRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(IniRoundTrip, ValueReadsBackAsWritten) {
  TempDir dir;
  const std::string path = dir.file("orvel.ini").string();
  {
    IniFile settings;
    settings.addSection("DXFViewer");
    settings.addEntry("DXFViewer", "ViewerPath", GetParam().value.c_str());
    ASSERT_TRUE(settings.write(path.c_str()));
  }
  IniFile again(path.c_str());
  EXPECT_EQ(std::string(again.getString("DXFViewer", "ViewerPath")), GetParam().value);
  // And once more: a second save writes the very same file.
  const std::string first = testsupport::readFile(path);
  ASSERT_TRUE(again.write());
  EXPECT_EQ(testsupport::readFile(path), first);
}

INSTANTIATE_TEST_SUITE_P(
    Values, IniRoundTrip,
    testing::Values(RoundTripCase{"LongestFolderPath", "/" + std::string(4094, 'd') + "/"},
                    RoundTripCase{"FolderOf300Characters", "/home/" + std::string(300, 'x')},
                    RoundTripCase{"EndsInCarriageReturn", "value\r"},
                    RoundTripCase{"OnlyCarriageReturns", "\r\r"}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.name); });

TEST(IniRoundTrip, CrLfFilesStillLoseTheirCarriageReturns) {
  TempDir dir;
  const auto path = dir.file("crlf.ini");
  testsupport::writeFile(path, "[A]\r\nk=v\r\n");
  IniFile settings(path.c_str());
  EXPECT_EQ(std::string(settings.getString("A", "k")), "v");
}

}  // namespace
