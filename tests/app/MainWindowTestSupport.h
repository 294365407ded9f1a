// Running the real main window inside a test: a timer waits until it runs, lets the test
// look at it, then closes it as the user would.
#pragma once

#include <functional>
#include <string>

#include "toolkit/GwFrame.h"
#include "viewer/ViewerSession.h"
#include "platform/MessageBox.h"
#include "TestSupport.h"
#include "gui/GtkTestSupport.h"
#include "support/GtkFrameTest.h"

namespace testsupport {

// Called once while the main window runs, before it is closed.
inline std::function<void(GwFrame&)>& whileRunning() {
  static std::function<void(GwFrame&)> inspect;
  return inspect;
}

// The application frame whose event loop runs, or null.
inline GwFrame* runningApplicationFrame() {
  GwFrame* running = nullptr;
  GList* windows = gtk_window_list_toplevels();
  for (GList* item = windows; item; item = item->next) {
    auto* frame = dynamic_cast<GwFrame*>(GwCore::find(GTK_WIDGET(item->data)));
    if (frame && frame->class_id() == GwAPPLFRAME_CLASS && frame->running()) running = frame;
  }
  g_list_free(windows);
  return running;
}

// The viewer session the frame's callbacks were bound with; null when they carry none.
inline ViewerSession* sessionOf(const GwFrame& frame) {
  for (const GwCallback& callback : frame.callback_list()) {
    if (ViewerSession* session = ViewerSession::of(callback.userData)) return session;
  }
  return nullptr;
}

inline gboolean inspectAndClose(gpointer) {
  GwFrame* frame = runningApplicationFrame();
  if (!frame) return G_SOURCE_CONTINUE;
  if (!onScreen(frame->widget())) return G_SOURCE_CONTINUE;
  if (whileRunning()) whileRunning()(*frame);
  gtk_window_close(GTK_WINDOW(frame->widget()));
  return G_SOURCE_REMOVE;
}

// Closes the next main window that runs after inspect has looked at it.
inline void closeMainWindowWhenRunning(std::function<void(GwFrame&)> inspect) {
  whileRunning() = std::move(inspect);
  g_timeout_add(20, inspectAndClose, nullptr);
}

// A settings file for a normal start with the pictures of the project.
inline std::string normalSettings(const std::string& geometry) {
  return "; viewer settings\n[DXFViewer]\n" + geometry +
         "ViewerPath=/srv/drawings\nSilLayer=0\nMassblLayer=MASSBILD\n\n[General]\n"
         "GwLanguage=1\nWorkPath=/tmp\nBmpPath=" DXFV_RESOURCES "\nLogo=dxflogo.svg\n";
}

// Runs the test's body with the current folder set to folder and message boxes recorded.
class InFolder {
 public:
  explicit InFolder(const TempDir& folder) : before_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder.path());
    setMessageBoxHook([this](const std::string& text, const std::string& caption) {
      messages += caption + ": " + text + "\n";
    });
  }
  ~InFolder() {
    setMessageBoxHook({});
    std::filesystem::current_path(before_);
  }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

  std::string messages;

 private:
  std::filesystem::path before_;
};

}  // namespace testsupport
