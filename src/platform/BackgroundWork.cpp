// The GUI thread pumps window events while a worker thread does the long part.
#include "platform/BackgroundWork.h"

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/MessagePump.h"

namespace {

// How long the GUI thread sleeps between two looks at the window events.
constexpr auto kAnswerDelay = std::chrono::milliseconds(5);

}  // namespace

void runWhileAnswering(const std::function<void()>& work, const std::function<void()>& tick) {
  std::atomic<bool> done{false};
  std::thread worker([&] {
    work();
    done = true;
  });
  auto nextTick = std::chrono::steady_clock::now() + std::chrono::milliseconds(kTickMilliseconds);
  bool ending = false;
  while (!done) {
    // Once the event loop is ending (the window closes) only the work is waited for.
    if (!ending) ending = pumpMessages() != 0;
    if (!ending && tick && std::chrono::steady_clock::now() >= nextTick) {
      tick();
      nextTick = std::chrono::steady_clock::now() + std::chrono::milliseconds(kTickMilliseconds);
    }
    std::this_thread::sleep_for(kAnswerDelay);
  }
  worker.join();
}
