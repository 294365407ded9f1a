// The file-name line's texts and the window title.
#include "viewer/FileNameLine.h"

#include <string>

#include "dxf/Cp1252.h"
#include "toolkit/GwCore.h"
#include "toolkit/GwFrame.h"
#include "toolkit/GwPath.h"
#include "viewer/ViewerSession.h"

namespace {

// File names are the file system's UTF-8 bytes; the widgets take Windows-1252 text.
std::string shown(const std::string& path) { return utf8ToCp1252(path); }

}  // namespace

int CB_move(GwCore* /*widget*/, GwEvent* /*event*/, GwUD userData) {
  const ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  GwCore* line = session->child("EB_text");
  if (line) line->set_text(shown(session->window.openedFile.str()).c_str());
  return 1;
}

int CB_move_out(GwCore* widget, GwEvent* /*event*/, GwUD userData) {
  const ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  GwCore* line = session->child("EB_text");
  if (line && widget) line->set_text(widget->text().c_str());
  return 1;
}

void showOpenedFile(ViewerSession& session) {
  CB_move(nullptr, nullptr, session.userData());
  MainWindowState& window = session.window;
  if (!window.frame) return;
  if (window.openedFile.empty()) {
    window.frame->set_text(window.frameTitle.c_str());
    return;
  }
  std::string name;
  std::string extension;
  GwSplitpath(window.openedFile.c_str(), nullptr, nullptr, &name, &extension);
  window.frame->set_text((shown(name + extension) + " - " + window.frameTitle).c_str());
}
