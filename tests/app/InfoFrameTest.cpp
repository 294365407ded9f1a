// The information frame tells what the mouse, the buttons and the keys do, in both
// languages.
#include "toolkit/GwResourceFile.h"

#include <string>

#include <gtest/gtest.h>

namespace {

// The part of an interface text from the information frame on.
std::string infoFrame(const std::string& interfaceText) {
  const std::size_t at = interfaceText.find("id=\"DF_Info\"");
  return at == std::string::npos ? std::string() : interfaceText.substr(at);
}

TEST(InfoFrame, DescribesMouseButtonsAndKeysInEnglishAndGerman) {
  GwResourceFile file;
  ASSERT_TRUE(file.read(std::string(DXFV_RESOURCES) + "/geo.cgw")) << file.error();
  const std::string english = infoFrame(file.interfaceFor(1));
  const std::string german = infoFrame(file.interfaceFor(0));
  ASSERT_FALSE(english.empty());
  for (const char* text : {"Version 1.0", "drag a rectangle with the left button",
                           "Drag with the middle button", "Ctrl+O open"}) {
    EXPECT_NE(english.find(text), std::string::npos) << text;
  }
  for (const char* text : {"mit der linken Taste ein Rechteck", "mittleren Taste", "Strg+O"}) {
    EXPECT_NE(german.find(text), std::string::npos) << text;
  }
  EXPECT_EQ(german.find("drag a rectangle with the left button"), std::string::npos);
  EXPECT_EQ(german.find("Ctrl+O"), std::string::npos);
}

}  // namespace
