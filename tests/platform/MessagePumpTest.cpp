// The message pump: pending work runs; a closing event loop stops it.
#include "platform/MessagePump.h"

#include <cstdlib>

#include "gui/GtkTestSupport.h"
#include "support/WithoutDisplay.h"

namespace {

int idleRuns = 0;
int pumpResult = -1;

gboolean countIdle(gpointer) {
  ++idleRuns;
  return G_SOURCE_REMOVE;
}

class MessagePump : public testsupport::WithoutDisplayTest {};

// Pending work stays pending: the exit code is the pump's result plus ten per idle run.
TEST_F(MessagePump, WithoutDisplayDoesNothing) {
  EXPECT_EXIT(
      {
        if (testsupport::gtkReady()) std::exit(100);
        g_idle_add(countIdle, nullptr);
        const int result = pumpMessages();
        std::exit(result + 10 * idleRuns);
      },
      testing::ExitedWithCode(0), "");
}

class MessagePumpTest : public testsupport::GtkTest {};

TEST_F(MessagePumpTest, RunsPendingWorkAndSaysWhenNothingIsLeft) {
  idleRuns = 0;
  g_idle_add(countIdle, nullptr);
  g_idle_add(countIdle, nullptr);
  EXPECT_EQ(pumpMessages(), 0);
  EXPECT_EQ(idleRuns, 2);
}

TEST_F(MessagePumpTest, StopsWhenTheRunningLoopWasAskedToEnd) {
  idleRuns = 0;
  pumpResult = -1;
  g_idle_add(
      [](gpointer) {
        gtk_main_quit();
        g_idle_add(countIdle, nullptr);
        pumpResult = pumpMessages();
        return G_SOURCE_REMOVE;
      },
      nullptr);
  gtk_main();
  EXPECT_EQ(pumpResult, 1);
}

}  // namespace
