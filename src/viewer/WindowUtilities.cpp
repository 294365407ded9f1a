// Busy cursor, status line and message frames of the main window.
#include "viewer/WindowUtilities.h"

#include <string>

#include "toolkit/GwFrame.h"
#include "toolkit/GwRcMgr.h"
#include "viewer/MainWindowState.h"
#include "platform/MessagePump.h"
#include "viewer/ViewState.h"

#include "interface/DXF_Interface.h"

namespace {
constexpr char kBullet = '\x95';  // Windows-1252 bullet
}

GwCore* mainChild(const char* name) {
  GwFrame* frame = mainWindow().frame;
  return frame ? frame->frame_child(name) : nullptr;
}

void busyBegin() {
  viewState().busy.reset();
  viewState().busy = std::make_unique<GwWaitObject>(1);
}

void busyEnd() { viewState().busy.reset(); }

void statusSet(const char* text) {
  if (GwCore* status = mainChild("EB_status")) status->set_text(text);
}

void statusClear() { statusSet(""); }

void statusTitle() {
  statusClear();
  const DXF_Interface* viewer = mainWindow().viewerInterface;
  statusSet(viewer ? viewer->drawingTitle.c_str() : "");
}

void statusProgress() {
  GwCore* status = mainChild("EB_status");
  if (!status) return;
  const int width = status->size().width;
  std::string text = status->text() + kBullet;
  if (status->text_width(text.c_str()) > width) text = std::string(1, kBullet);
  status->set_text(text.c_str());
  pumpMessages();
}

void showMessage(const char* key) {
  busyEnd();
  std::unique_ptr<GwFrame> message(gw_def_mgr.load(key, mainWindow().frame, 1));
  if (message) message->run();
}

void showMessage(const char* key, const std::string& text) {
  busyEnd();
  std::unique_ptr<GwFrame> message(gw_def_mgr.load(key, mainWindow().frame, 1));
  if (!message) return;
  message->set_text(text.c_str());
  message->run();
}
