// Without this the pages of a large drawing stay with the process after a small drawing
// has replaced it: the C library keeps freed memory for later use.
#include "platform/FreedMemory.h"

#include <malloc.h>

#include <atomic>
#include <thread>

namespace {
std::atomic<bool> giving{false};
}

void giveBackFreedMemory() {
  if (giving.exchange(true)) return;
  std::thread([] {
    malloc_trim(0);
    giving = false;
  }).detach();
}
