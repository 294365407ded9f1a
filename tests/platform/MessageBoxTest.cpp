// Message boxes and the fatal exit without a display, and with the hook tests use.
#include "platform/MessageBox.h"

#include <gdk/gdk.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/WithoutDisplay.h"

namespace {

class MessageBoxTest : public ::testing::Test {
 protected:
  void TearDown() override { setMessageBoxHook({}); }
};

TEST_F(MessageBoxTest, HookReceivesTextAndCaption) {
  std::string seen;
  setMessageBoxHook(
      [&](const std::string& text, const std::string& caption) { seen = caption + ": " + text; });
  messageBox("Ini-File-Error !!", "Error");
  EXPECT_EQ(seen, "Error: Ini-File-Error !!");
}

class MessageBoxWithoutDisplay : public testsupport::WithoutDisplayTest {};

TEST_F(MessageBoxWithoutDisplay, TheMessageGoesToStandardErrorInUtf8) {
  EXPECT_EXIT(
      {
        if (gdk_display_get_default()) std::exit(100);
        messageBox("Ma\xDF fehlt", "Error");
        std::exit(0);
      },
      testing::ExitedWithCode(0), testing::StrEq("Error: Ma\xC3\x9F fehlt\n"));
}

TEST(FatalAppExitDeathTest, EndsTheProcessWithCodeThreeAfterSayingWhy) {
  EXPECT_EXIT(
      {
        setMessageBoxHook([](const std::string& text, const std::string& caption) {
          std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        });
        fatalAppExit("Bad pointer cast!");
      },
      testing::ExitedWithCode(3), "Fatal Application Exit: Bad pointer cast!");
}

}  // namespace
