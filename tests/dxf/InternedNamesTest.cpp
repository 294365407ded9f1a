// Tests of the names kept once for the whole run.
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "dxf/InternedNames.h"

namespace {

TEST(InternedNames, EqualNamesShareOneTextAndOthersDoNot) {
  const std::string first = "WALLS";
  const std::string second = "WALLS";
  const char* walls = internedName(first);
  EXPECT_STREQ(walls, "WALLS");
  EXPECT_NE(walls, first.c_str());
  EXPECT_EQ(internedName(second), walls);
  EXPECT_STREQ(internedName("DOORS"), "DOORS");
  EXPECT_EQ(internedName("WALLS"), walls);
  EXPECT_STREQ(internedName(""), "");
  // A prefix or an extension of a kept name is a name of its own.
  EXPECT_STREQ(internedName("WALL"), "WALL");
  EXPECT_STREQ(internedName("WALLS2"), "WALLS2");
}

TEST(InternedNames, ThreadsGetTheSamePointerForOneName) {
  constexpr int kThreads = 4;
  constexpr int kNames = 200;
  std::vector<std::vector<const char*>> seen(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &seen] {
      for (int i = 0; i < kNames; ++i) {
        seen[t].push_back(internedName("LAYER-" + std::to_string(i)));
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int i = 0; i < kNames; ++i) {
    EXPECT_STREQ(seen[0][i], ("LAYER-" + std::to_string(i)).c_str());
    for (int t = 1; t < kThreads; ++t) EXPECT_EQ(seen[t][i], seen[0][i]) << "name " << i;
  }
}

}  // namespace
