// The file-name line's texts and the window title.
#include "viewer/FileNameLine.h"

#include <string>

#include "settings/Cp1252.h"
#include "toolkit/GwCore.h"
#include "toolkit/GwFrame.h"
#include "toolkit/GwPath.h"
#include "viewer/ViewerSession.h"

namespace {

// File names are the file system's UTF-8 bytes; the widgets take Windows-1252 text.
std::string shown(const std::string& path) { return utf8ToCp1252(path); }

// The line cuts a long text at its start; its tooltip shows the whole of it.
void showInLine(const ViewerSession& session, const std::string& text) {
  GwCore* line = session.child("EB_text");
  if (!line) return;
  line->set_text(text.c_str());
  line->set_help_text(text.c_str());
}

}  // namespace

int CB_move(GwCore* /*widget*/, GwEvent* /*event*/, GwUD userData) {
  const ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  showInLine(*session, shown(session->window.openedFile.str()));
  return 1;
}

int CB_move_out(GwCore* widget, GwEvent* /*event*/, GwUD userData) {
  const ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  if (widget) showInLine(*session, widget->text());
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
