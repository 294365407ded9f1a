// Shared by the tests that need GTK: they run on the X display in $DISPLAY and skip without
// one; GTK is started once per test program.
#pragma once

#include <gtk/gtk.h>

#include <cstdlib>

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

// Handles events for a while, so that the X server's answers (mapping, sizes) arrive.
inline void pumpEventsFor(int milliseconds) {
  const gint64 end = g_get_monotonic_time() + gint64{milliseconds} * 1000;
  while (g_get_monotonic_time() < end) {
    pumpEvents();
    g_usleep(10000);
  }
  pumpEvents();
}

// Base of GTK tests: skips the test when no display can be opened.
class GtkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!gtkReady()) GTEST_SKIP() << "no X display";
  }
};

}  // namespace testsupport
