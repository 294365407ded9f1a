// Low-memory mode of the all-views command.
#pragma once

#include <cstdint>
#include <optional>

// Below this many bytes of available memory (10 MiB) the all-views command lets each view
// document go as soon as its drawing is on the sheet.
constexpr std::uint64_t kLowMemoryLimit = 0xA00000;

// Where the available memory is read from: bytes, or nothing when it cannot be told.
using MemoryReading = std::optional<std::uint64_t> (*)();

// True when the reading gives less than kLowMemoryLimit; an unknown amount is not low.
bool lowMemoryMode();
// Replaces the reading (tests); null goes back to MemAvailable of /proc/meminfo.
void setMemoryReading(MemoryReading reading);
