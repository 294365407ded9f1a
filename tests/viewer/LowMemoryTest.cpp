// Low-memory mode: below 10 MiB of available memory, an unknown amount is not low.
#include "viewer/LowMemory.h"

#include <cstdint>
#include <optional>

#include <gtest/gtest.h>

namespace {

TEST(LowMemoryMode, BelowTenMebibytesOfAvailableMemory) {
  struct Case {
    MemoryReading reading;
    bool low;
  };
  const Case cases[] = {
      {[] { return std::optional<std::uint64_t>(0); }, true},
      {[] { return std::optional<std::uint64_t>(0xA00000 - 1); }, true},
      {[] { return std::optional<std::uint64_t>(0xA00000); }, false},
      {[] { return std::optional<std::uint64_t>(std::uint64_t{1} << 40); }, false},
      {[] { return std::optional<std::uint64_t>(); }, false},
  };
  for (const Case& c : cases) {
    setMemoryReading(c.reading);
    EXPECT_EQ(lowMemoryMode(), c.low);
  }
  setMemoryReading(nullptr);
}

}  // namespace
