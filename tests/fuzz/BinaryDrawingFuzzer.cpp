// libFuzzer entry of the binary target (see FuzzTargets.h).
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string broken = fuzz::binaryDrawing({reinterpret_cast<const char*>(data), size});
  if (!broken.empty()) {
    std::fprintf(stderr, "binary target: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
