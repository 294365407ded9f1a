// libFuzzer entry of the settings target (see FuzzTargets.h).
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string broken = fuzz::settings({reinterpret_cast<const char*>(data), size});
  if (!broken.empty()) {
    std::fprintf(stderr, "settings target: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
