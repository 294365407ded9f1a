// Low-memory mode of the all-views command.
#include "viewer/LowMemory.h"

#include "platform/MemoryStatus.h"

namespace {

MemoryReading& currentReading() {
  static MemoryReading reading = availableMemory;
  return reading;
}

}  // namespace

bool lowMemoryMode() {
  const std::optional<std::uint64_t> available = currentReading()();
  return available && *available < kLowMemoryLimit;
}

void setMemoryReading(MemoryReading reading) {
  currentReading() = reading ? reading : availableMemory;
}
