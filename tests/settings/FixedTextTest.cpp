// Tests of the fixed-size text field: cutting, null, overlap and NUL bytes.
#include <string>

#include <gtest/gtest.h>

#include "settings/FixedText.h"

namespace {

TEST(FixedTextCut, KeepsAtMostSizeMinusOneCharacters) {
  FixedText<5> text = "abcdefgh";
  EXPECT_STREQ(text.c_str(), "abcd");
  EXPECT_EQ(FixedText<5>::capacity, 4U);
  text = "ab";
  EXPECT_STREQ(text.c_str(), "ab");
  text = std::string("wxyz");
  EXPECT_STREQ(text.c_str(), "wxyz");
}

TEST(FixedTextCut, NullAndEmptyGiveTheEmptyText) {
  FixedText<8> text = "filled";
  text = static_cast<const char*>(nullptr);
  EXPECT_TRUE(text.empty());
  text = "x";
  text = std::string_view();
  EXPECT_EQ(text.size(), 0U);
}

TEST(FixedTextCut, AssigningAPartOfItselfIsSafe) {
  FixedText<16> text = "0123456789";
  text = std::string_view(text).substr(3);
  EXPECT_STREQ(text.c_str(), "3456789");
}

TEST(FixedTextCut, NulInsideEndsTheText) {
  FixedText<16> text = std::string_view("ab\0cd", 5);
  EXPECT_EQ(text.size(), 2U);
  EXPECT_TRUE(text == "ab");
}

}  // namespace
