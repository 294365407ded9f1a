// The loading scenario of the TestTool module: opens the large drawing DXFV_TestLoadKey and,
// while it is still being read, presses a key no command takes (so that the window's own
// key handler passes it on to the test's); reports whether the window answered the key
// during the load, then that the drawing came up, and closes the window. On the way it
// reports how long the first picture and a zoom step took to show.
#include <gtk/gtk.h>

#include <cstdlib>
#include <string>

#include "toolkit/GwFileSelector.h"
#include "TestToolSupport.h"

using testtool::fieldText;
using testtool::findByName;
using testtool::report;

namespace {

enum class Step { FindWindow, Open, Loading, Opened, Zooming, Done };
Step step = Step::FindWindow;
int ticks = 0;
std::string drawing;
GtkWidget* mainWindow = nullptr;

std::string entryText(const char* name) { return mainWindow ? fieldText(mainWindow, name) : ""; }

// The status line grows bullets ("•") while a drawing is read.
bool loading() { return entryText("EB_status").find("\u2022") != std::string::npos; }

gboolean keySeen(GtkWidget*, GdkEventKey* event, gpointer) {
  if (event->keyval == GDK_KEY_x) {
    report(std::string("key answered ") + (loading() ? "while loading" : "after loading"));
  }
  return FALSE;
}

// Times of the real frame, logged and not judged: from the click on Open to the first
// picture shown, and from a zoom key to the zoomed picture shown.
constexpr guint kFramePollMilliseconds = 2;
constexpr gint64 kFramePatienceMicroseconds = 120 * G_USEC_PER_SEC;
struct FrameTimer {
  const char* what = "";
  gint64 startedAt = 0;
  bool painting = false;  // a picture of this step was seen being painted
  bool done = false;
};
FrameTimer frame;

gboolean framePoll(gpointer) {
  const bool pending = testtool::picturePending(mainWindow);
  const bool opened = entryText("EB_text") == drawing;
  frame.painting = frame.painting || (pending && opened);
  const gint64 elapsed = g_get_monotonic_time() - frame.startedAt;
  if (frame.painting && !pending) {
    report(std::string("time ") + frame.what + " " + std::to_string(elapsed / 1000) + " ms");
  } else if (elapsed > kFramePatienceMicroseconds) {
    report(std::string("time ") + frame.what + " not seen");
  } else {
    return G_SOURCE_CONTINUE;
  }
  frame.done = true;
  return G_SOURCE_REMOVE;
}

void timeFrame(const char* what) {
  frame = {what, g_get_monotonic_time(), false, false};
  g_timeout_add(kFramePollMilliseconds, framePoll, nullptr);
}

void next(Step following) {
  step = following;
  ticks = 0;
}

}  // namespace

gboolean loadingTick(gpointer) {
  // Runs every tick, also while the viewer reads the drawing: no settling ticks here.
  ++ticks;
  if (testtool::answerMessage()) return G_SOURCE_CONTINUE;
  GtkWidget* main = testtool::visibleWindow("Anwendungsfenster");
  if (!main) return step == Step::FindWindow ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE;
  mainWindow = main;
  switch (step) {
    case Step::FindWindow:
      if (ticks < 4) break;
      drawing = std::getenv("DXFV_TestLoadKey");
      GwSetFileSelectorHook([](const GwFileRequest&, std::string& chosen) {
        chosen = drawing;
        return true;
      });
      g_signal_connect(main, "key-press-event", G_CALLBACK(keySeen), nullptr);
      next(Step::Open);
      break;
    case Step::Open:
      timeFrame("first picture");
      testtool::click(main, "PB_open");
      next(Step::Loading);
      break;
    case Step::Loading:
      if (loading()) {
        report("key sent while loading");
        testtool::key(main, GDK_KEY_x);
        next(Step::Opened);
      } else if (entryText("EB_text") == drawing) {
        report("FAIL opened before a key could be sent");
        next(Step::Opened);
      }
      break;
    case Step::Opened:
      if (entryText("EB_text") != drawing || !frame.done) break;
      report("opened " + drawing);
      report(std::string("status ") + (loading() ? "loading" : "quiet"));
      timeFrame("zoom step");
      testtool::key(main, GDK_KEY_plus);
      next(Step::Zooming);
      break;
    case Step::Zooming:
      if (!frame.done) break;
      gtk_window_close(GTK_WINDOW(main));
      next(Step::Done);
      break;
    case Step::Done: return G_SOURCE_REMOVE;
  }
  return G_SOURCE_CONTINUE;
}
