// GTK tests on a frame loaded from a GtkBuilder body: the resource file written into the
// test's own folder, the frame loaded, and, where a test needs it on the screen, shown and
// waited for until the X server has mapped it and GTK has laid it out.
#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <string>

#include "gui/GtkTestSupport.h"
#include "gui/ResourceTestSupport.h"
#include "toolkit/GwFrame.h"
#include "toolkit/GwRcMgr.h"
#include "TestSupport.h"

namespace testsupport {

// True when the widget is mapped and has been given a real size.
inline bool onScreen(GtkWidget* widget) {
  return gtk_widget_get_mapped(widget) && gtk_widget_get_allocated_width(widget) > 1 &&
         gtk_widget_get_allocated_height(widget) > 1;
}

// Shows frame and waits until it, and inner when given, are on the screen.
inline bool showAndWait(GwFrame& frame, GwCore* inner = nullptr) {
  gtk_widget_show(frame.widget());
  return waitUntil(
      [&] { return onScreen(frame.widget()) && (inner == nullptr || onScreen(inner->widget())); });
}

class GtkFrameTest : public GtkTest {
 protected:
  // Makes the resource manager use body (with handlers and language texts) and loads the
  // frame `name` from it; its callbacks get callbackPointer in their user data.
  void loadFrame(const std::string& body, const char* name, const GwFuncDesc* handlers = nullptr,
                 const std::string& texts = {}, void* callbackPointer = nullptr) {
    ASSERT_TRUE(useResource(folder_, body, handlers, texts)) << gw_def_mgr.last_error();
    frame_.reset(gw_def_mgr.load(name, nullptr, 1, callbackPointer));
    ASSERT_NE(frame_, nullptr) << gw_def_mgr.last_error();
  }
  // Shows the frame and waits until it, and inner when given, are on the screen.
  void showFrame(GwCore* inner = nullptr) {
    ASSERT_TRUE(showAndWait(*frame_, inner)) << "the frame did not come on the screen";
  }

  TempDir folder_;
  std::unique_ptr<GwFrame> frame_;
};

}  // namespace testsupport
