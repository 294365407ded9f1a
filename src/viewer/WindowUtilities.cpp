// Busy cursor, status line and message frames of the main window.
#include "viewer/WindowUtilities.h"

#include <string>

#include "interface/DXF_Interface.h"
#include "platform/MessagePump.h"
#include "toolkit/GwFrame.h"
#include "toolkit/GwRcMgr.h"
#include "viewer/ViewerSession.h"

namespace {
constexpr char kBullet = '\x95';  // Windows-1252 bullet
}

void busyBegin(ViewerSession& session) {
  session.view.busy.reset();
  session.view.busy = std::make_unique<GwWaitObject>(1);
}

void busyEnd(ViewerSession& session) { session.view.busy.reset(); }

void statusSet(const ViewerSession& session, const char* text) {
  if (GwCore* status = session.child("EB_status")) status->set_text(text);
}

void statusClear(const ViewerSession& session) { statusSet(session, ""); }

void statusTitle(const ViewerSession& session) {
  statusClear(session);
  const DXF_Interface* viewer = session.window.viewerInterface;
  statusSet(session, viewer ? viewer->drawingTitle.c_str() : "");
}

void statusProgress(const ViewerSession& session) {
  GwCore* status = session.child("EB_status");
  if (!status) return;
  const int width = status->size().width;
  std::string text = status->text() + kBullet;
  if (status->text_width(text.c_str()) > width) text = std::string(1, kBullet);
  status->set_text(text.c_str());
  pumpMessages();
}

void showMessage(ViewerSession& session, const char* key) {
  busyEnd(session);
  std::unique_ptr<GwFrame> message(gw_def_mgr.load(key, session.window.frame, 1));
  if (message) message->run();
}

void showMessage(ViewerSession& session, const char* key, const std::string& text) {
  busyEnd(session);
  std::unique_ptr<GwFrame> message(gw_def_mgr.load(key, session.window.frame, 1));
  if (!message) return;
  message->set_text(text.c_str());
  message->run();
}
