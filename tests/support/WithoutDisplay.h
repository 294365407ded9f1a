// Tests of what happens when GTK has no display. Each case runs in a fresh copy of the test
// program (a death test of the "threadsafe" style starts one) with DISPLAY unset, so that
// neither the X server ./test provides nor GTK started by an earlier test in the same
// program is there.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace testsupport {

class WithoutDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    style_ = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    if (const char* display = std::getenv("DISPLAY")) display_ = display;
    unsetenv("DISPLAY");
  }
  void TearDown() override {
    if (display_) setenv("DISPLAY", display_->c_str(), 1);
    GTEST_FLAG_SET(death_test_style, style_);
  }

 private:
  std::optional<std::string> display_;
  std::string style_;
};

}  // namespace testsupport
