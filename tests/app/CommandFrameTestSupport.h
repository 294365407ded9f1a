// The viewer's real dialog frame from the shipped resource file, prepared as the main
// window for command tests: file selector answers, message frames answered and noted,
// and small drawings written on demand.
#pragma once

#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/FileCommands.h"
#include "app/FuncDescTable.h"
#include "toolkit/GwFileSelector.h"
#include "toolkit/GwFrame.h"
#include "toolkit/GwRcMgr.h"
#include "settings/IniFile.h"
#include "app/MainWindow.h"
#include "viewer/Measuring.h"
#include "TestSupport.h"
#include "viewer/ViewZoom.h"
#include "viewer/ViewerSession.h"
#include "gui/GtkTestSupport.h"
#include "support/DecimalCommaLocale.h"
#include "support/GtkFrameTest.h"

namespace testsupport {

// An ASCII DXF file of release 12 with the given layers and, on the first layer, the
// given entity records (group lines without the leading "  0").
inline std::string drawingText(const std::vector<std::string>& layers,
                               const std::string& entities) {
  std::string text =
      "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n  0\nENDSEC\n"
      "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLTYPE\n 70\n1\n"
      "  0\nLTYPE\n  2\nCONTINUOUS\n 70\n0\n  3\nSolid line\n 72\n65\n 73\n0\n"
      " 40\n0.0\n  0\nENDTAB\n  0\nTABLE\n  2\nLAYER\n 70\n" +
      std::to_string(layers.size()) + "\n";
  for (const std::string& layer : layers) {
    text += "  0\nLAYER\n  2\n" + layer + "\n 70\n0\n 62\n1\n  6\nCONTINUOUS\n";
  }
  text +=
      "  0\nENDTAB\n  0\nENDSEC\n  0\nSECTION\n  2\nBLOCKS\n  0\nENDSEC\n"
      "  0\nSECTION\n  2\nENTITIES\n" +
      entities + "  0\nENDSEC\n  0\nEOF\n";
  return text;
}

// A line record on layer from (x1, y1) to (x2, y2).
inline std::string lineRecord(const std::string& layer, double x1, double y1, double x2,
                              double y2) {
  // A string stream writes a decimal point whatever the C library's numeric locale.
  std::ostringstream record;
  record << "  0\nLINE\n  8\n"
         << layer << "\n 10\n"
         << x1 << "\n 20\n"
         << y1 << "\n 30\n0.0\n 11\n"
         << x2 << "\n 21\n"
         << y2 << "\n 31\n0.0\n";
  return record.str();
}

// Notes the resource key of every message frame that comes up and confirms it.
class MessageAnswerer {
 public:
  MessageAnswerer() { source_ = g_timeout_add(15, answer, this); }
  ~MessageAnswerer() { g_source_remove(source_); }
  MessageAnswerer(const MessageAnswerer&) = delete;
  MessageAnswerer& operator=(const MessageAnswerer&) = delete;

  std::vector<std::string> keys;
  // The main text of each message, as shown.
  std::vector<std::string> texts;
  // The secondary text of each message.
  std::vector<std::string> details;

 private:
  static gboolean answer(gpointer self) {
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item; item = item->next) {
      GtkWidget* window = GTK_WIDGET(item->data);
      if (!GTK_IS_MESSAGE_DIALOG(window) || !gtk_widget_get_mapped(window)) continue;
      const char* id = gtk_buildable_get_name(GTK_BUILDABLE(window));
      static_cast<MessageAnswerer*>(self)->keys.push_back(id ? id : "");
      gchar* text = nullptr;
      g_object_get(window, "text", &text, nullptr);
      static_cast<MessageAnswerer*>(self)->texts.push_back(text ? text : "");
      g_free(text);
      g_object_get(window, "secondary-text", &text, nullptr);
      static_cast<MessageAnswerer*>(self)->details.push_back(text ? text : "");
      g_free(text);
      gtk_dialog_response(GTK_DIALOG(window), GTK_RESPONSE_OK);
    }
    g_list_free(windows);
    return G_SOURCE_CONTINUE;
  }
  guint source_ = 0;
};

// "DXFViewer_Dialog" of the shipped resource file as the main frame, created and started
// as the application frame would be, with settings admitting through layer "0" and,
// alternatively, "MASSBILD".
class CommandFrameTest : public GtkTest {
 protected:
  void SetUp() override {
    GtkTest::SetUp();
    if (HasFatalFailure()) return;
    numbersWithPoint_.emplace();
    writeFile(folder_.file("orvel.ini"),
              "[DXFViewer]\nSilLayer=0\nMassblLayer=MASSBILD\n"
              "[General]\nBmpPath=" DXFV_RESOURCES "\n");
    settings_ = std::make_unique<IniFile>(folder_.file("orvel.ini").c_str(), true);
    ASSERT_TRUE(gw_def_mgr.use(DXFV_RESOURCES "/geo.cgw")) << gw_def_mgr.last_error();
    gw_def_mgr.use_func_desc(FuncDescTable);
    MainWindowState& window = session_.window;
    window.frameSettings = settings_.get();
    window.alternativeLayer = 1;
    window.viewerPath = folder_.path().string() + "/";
    frame_.reset(gw_def_mgr.load("DXFViewer_Dialog", nullptr, 1, &session_));
    ASSERT_NE(frame_, nullptr) << gw_def_mgr.last_error();
    window.frame = frame_.get();
    session_.mouse = MouseActions{zoomWindow, measureRelease, measureMotion};
    CB_create_frame(frame_.get(), nullptr, session_.userData());
    session_.view.activeButton = GwBUTTON_LEFT;
    CB_start(frame_.get(), nullptr, session_.userData());
    ASSERT_TRUE(showAndWait(*frame_, child("DA_container")));
  }
  void TearDown() override { GwSetFileSelectorHook({}); }

  // The next file selectors answer with path (or cancel when it is empty); their
  // requests are noted.
  void choose(const std::string& path) {
    GwSetFileSelectorHook([this, path](const GwFileRequest& request, std::string& chosen) {
      requests.push_back(request);
      chosen = path;
      return !path.empty();
    });
  }
  // Writes a drawing into the test folder and opens it through the open command.
  std::string openDrawing(const std::string& name, const std::string& text) {
    const std::string path = folder_.file(name).string();
    writeFile(path, text);
    choose(path);
    CB_open(frame_.get(), nullptr, session_.userData());
    return path;
  }
  GwCore* child(const char* name) const { return frame_->frame_child(name); }
  bool shown(const char* name) const { return child(name)->is_shown(); }

  TempDir folder_;
  std::unique_ptr<IniFile> settings_;
  std::unique_ptr<GwFrame> frame_;
  ViewerSession session_;  // declared after the frame: its rubber band goes first
  std::vector<GwFileRequest> requests;
  MessageAnswerer messages;  // a refusal never leaves a test waiting

 private:
  // As while the main window runs; from after GTK's start, which takes the user's locale.
  std::optional<NumericLocaleC> numbersWithPoint_;
};

}  // namespace testsupport
