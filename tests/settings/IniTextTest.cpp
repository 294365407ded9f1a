// Escaping of free texts in settings keys and values: reversible, and safe in the file.
#include "settings/IniText.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/Cp1252.h"
#include "settings/IniFile.h"
#include "TestSupport.h"

namespace {

TEST(IniText, EscapesTheCharactersTheFileGivesAMeaning) {
  struct Case {
    std::string text;
    std::string escaped;
  };
  const std::vector<Case> cases = {
      {"WAND", "WAND"},
      {"A=B", "A%3DB"},
      {"[Kopf]", "%5BKopf%5D"},
      {"Teil 1", "Teil%201"},
      {"Zeile\r\nzwei", "Zeile%0D%0Azwei"},
      {"Tab\tVt\vFf\f", "Tab%09Vt%0BFf%0C"},
      {"50%", "50%25"},
      {"Ma\xDF"
       "e~;#",
       "Ma\xDF"
       "e~;#"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(escapeIniText(c.text), c.escaped) << c.text;
    EXPECT_EQ(unescapeIniText(c.escaped), c.text) << c.escaped;
  }
}

TEST(IniText, APercentWithoutTwoHexDigitsStaysAsItIs) {
  for (const std::string text : {"%", "%4", "%G1", "100%", "a%zz", "%3"}) {
    EXPECT_EQ(unescapeIniText(text), text);
  }
  EXPECT_EQ(unescapeIniText("%3d%5b"), "=[");
}

// Drawing texts go into the settings file as the layer looks store them: in UTF-8, escaped.
TEST(IniText, EveryCodePageCharacterSurvivesTheSettingsFileAsKeyAndValue) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  const auto stored = [](const std::string& text) { return escapeIniText(cp1252ToUtf8(text)); };
  testsupport::TempDir dir;
  const std::string path = dir.file("orvel.ini").string();
  {
    IniFile ini(path.c_str(), true);
    ini.addSection("DXFViewer");
    // Key and value each under the line limit of the file.
    for (std::size_t start = 0; start < all.size(); start += 40) {
      const std::string part = all.substr(start, 40);
      ASSERT_EQ(ini.addEntry("DXFViewer", ("K_" + stored(part)).c_str(), stored(part).c_str()), 0);
    }
    ASSERT_TRUE(ini.write());
  }
  IniFile reread(path.c_str(), true);
  for (std::size_t start = 0; start < all.size(); start += 40) {
    const std::string part = all.substr(start, 40);
    IniFile::clearError();
    const std::string value = reread.getString("DXFViewer", ("K_" + stored(part)).c_str());
    EXPECT_EQ(IniFile::lastError(), 0) << start;
    EXPECT_EQ(utf8ToCp1252(unescapeIniText(value)), part) << start;
  }
}

}  // namespace
