// Loading a shared library and finding a function in it, as the test-module start does.
#include "toolkit/GwModule.h"

#include <gtest/gtest.h>

namespace {

TEST(GwModule, FindsAFunctionOfALoadedLibrary) {
  GwModule module("libm.so.6", "cos", 0);
  ASSERT_NE(module.func(), nullptr) << module.error();
  auto cosine = reinterpret_cast<double (*)(double)>(module.func());
  EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);
}

TEST(GwModule, MissingLibraryOrFunctionGivesNullAndAReason) {
  GwModule missing("/nonexistent/libtesttool.so", "init_test_func", 0);
  EXPECT_EQ(missing.func(), nullptr);
  EXPECT_FALSE(missing.error().empty());

  GwModule noFunction("libm.so.6", "init_test_func", 0);
  EXPECT_EQ(noFunction.func(), nullptr);
  EXPECT_FALSE(noFunction.error().empty());

  GwModule unnamed("", "cos", 0);
  EXPECT_EQ(unnamed.func(), nullptr);
}

}  // namespace
