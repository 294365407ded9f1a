// Message boxes and the fatal exit without a display, and with the hook tests use.
#include "platform/MessageBox.h"

#include <gdk/gdk.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

class MessageBoxTest : public ::testing::Test {
 protected:
  void TearDown() override { setMessageBoxHook({}); }
};

TEST_F(MessageBoxTest, HookReceivesTextAndCaption) {
  std::string seen;
  setMessageBoxHook([&](const std::string& text, const std::string& caption) {
    seen = caption + ": " + text;
  });
  messageBox("Ini-File-Error !!", "Error");
  EXPECT_EQ(seen, "Error: Ini-File-Error !!");
}

TEST_F(MessageBoxTest, WithoutDisplayTheMessageGoesToStandardErrorInUtf8) {
  if (gdk_display_get_default()) GTEST_SKIP() << "GTK runs in this program";
  testing::internal::CaptureStderr();
  messageBox("Ma\xDF fehlt", "Error");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Ma\xC3\x9F fehlt\n");
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
