// How much memory the system can still give the program without swapping.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// MemAvailable of /proc/meminfo in bytes; nothing when the file or the line is missing.
std::optional<std::uint64_t> availableMemory();

// The MemAvailable line of a /proc/meminfo text ("MemAvailable:   123456 kB") in bytes;
// nothing when the text has no such line or its number cannot be read.
std::optional<std::uint64_t> parseMemAvailable(std::string_view meminfo);
