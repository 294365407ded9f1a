// Reading the memory the system can still give: the MemAvailable line of /proc/meminfo.
#include "platform/MemoryStatus.h"

#include <cstdint>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace {

TEST(MemoryStatus, MemAvailableLineInBytes) {
  struct Case {
    const char* meminfo;
    std::optional<std::uint64_t> bytes;
  };
  const Case cases[] = {
      {"MemTotal:       16384000 kB\nMemFree:          512000 kB\n"
       "MemAvailable:    8192000 kB\nBuffers:          100 kB\n",
       std::uint64_t{8192000} * 1024},
      {"MemAvailable: 10240 kB", std::uint64_t{10240} * 1024},  // first line, no newline
      {"MemAvailable:\t7 kB\n", std::uint64_t{7} * 1024},
      {"MemAvailable:       0 kB\n", std::uint64_t{0}},
      {"MemTotal:       16384000 kB\nMemFree:          512000 kB\n", std::nullopt},
      {"XMemAvailable:    100 kB\n", std::nullopt},
      {"MemAvailable:    many kB\n", std::nullopt},
      {"MemAvailable:    -5 kB\n", std::nullopt},
      {"MemAvailable:    99999999999999999999 kB\n", std::nullopt},  // beyond 64 bits
      {"MemAvailable:    18014398509481984 kB\n", std::nullopt},     // bytes beyond 64 bits
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(parseMemAvailable(c.meminfo), c.bytes) << c.meminfo;
}

TEST(MemoryStatus, ThisMachineTellsItsAvailableMemory) {
  const std::optional<std::uint64_t> available = availableMemory();
  ASSERT_TRUE(available.has_value());
  EXPECT_GT(*available, 0u);
}

}  // namespace
