// Shared by the tests that need GTK: they run on the X display in $DISPLAY and fail without
// one; GTK is started once per test program.
#pragma once

#include <gtk/gtk.h>

#include <chrono>
#include <cstdlib>
#include <functional>

#include <gtest/gtest.h>

namespace testsupport {

// True when GTK could be started on the display.
inline bool gtkReady() {
  static const bool ready = [] {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return false;
    // The accessibility bridge's D-Bus connection is no use in tests, and its buffers stay
    // allocated to the end of the process, where the leak checker would count them.
    g_setenv("NO_AT_BRIDGE", "1", TRUE);
    return gtk_init_check(nullptr, nullptr) == TRUE;
  }();
  return ready;
}

// Handles every pending GTK event (layout, drawing, timers that are due).
inline void pumpEvents() {
  while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
}

// Handles events until condition holds or limit has passed; true when it holds. The limit
// is generous: it only ends a wait that would otherwise never end.
inline bool waitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  const gint64 end = g_get_monotonic_time() + gint64{limit.count()} * 1000;
  for (;;) {
    pumpEvents();
    if (condition()) return true;
    if (g_get_monotonic_time() >= end) return false;
    g_usleep(2000);
  }
}

// Base of GTK tests: a test fails when no display can be opened.
class GtkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gtkReady()) << "no X display in DISPLAY: GUI tests need one (./test starts Xvfb)";
  }
};

}  // namespace testsupport
