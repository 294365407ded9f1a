// How much memory the system can still give the program without swapping.
#include "platform/MemoryStatus.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

namespace {

constexpr std::string_view kKey = "MemAvailable:";
constexpr std::uint64_t kBytesPerKiB = 1024;

}  // namespace

std::optional<std::uint64_t> parseMemAvailable(std::string_view meminfo) {
  std::size_t at = 0;
  while (at < meminfo.size() && meminfo.compare(at, kKey.size(), kKey) != 0) {
    const std::size_t end = meminfo.find('\n', at);
    if (end == std::string_view::npos) return std::nullopt;
    at = end + 1;
  }
  if (at >= meminfo.size()) return std::nullopt;
  std::size_t digits = at + kKey.size();
  while (digits < meminfo.size() && (meminfo[digits] == ' ' || meminfo[digits] == '\t')) ++digits;
  std::uint64_t kib = 0;
  const char* first = meminfo.data() + digits;
  const char* last = meminfo.data() + meminfo.size();
  const auto [next, error] = std::from_chars(first, last, kib);
  if (error != std::errc() || next == first) return std::nullopt;
  if (kib > std::numeric_limits<std::uint64_t>::max() / kBytesPerKiB) return std::nullopt;
  return kib * kBytesPerKiB;
}

std::optional<std::uint64_t> availableMemory() {
  std::ifstream in("/proc/meminfo");
  if (!in) return std::nullopt;
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return parseMemAvailable(text);
}
