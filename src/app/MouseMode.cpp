// Switching between zoom and measuring mode.
#include "app/MouseMode.h"

#include "app/MainWindow.h"
#include "toolkit/GwCore.h"
#include "toolkit/GwUDStr.h"
#include "viewer/ViewerSession.h"
#include "viewer/WindowUtilities.h"

namespace {

// Gives the button its picture and makes it sensitive or not.
void setButton(ViewerSession& session, const char* name, const char* picture, bool sensitive) {
  GwCore* button = session.child(name);
  if (!button) return;
  init_picture(button, nullptr, GwUDStr(picture, &session));
  if (sensitive) {
    button->make_sensitive();
  } else {
    button->make_insensitive();
  }
}

void setZoomToggle(const ViewerSession& session, int state) {
  if (GwCore* toggle = session.child("MI_zoom")) toggle->set_toggle_state(state);
}

void showMeasuringMode(ViewerSession& session) {
  setButton(session, "PB_mass", "dxfm_on", false);
  setButton(session, "PB_zoom", "dxfz_off", true);
  setZoomToggle(session, 0);
  session.view.mouseMode = MouseMode::Measuring;
}

}  // namespace

void showZoomMode(ViewerSession& session) {
  setButton(session, "PB_zoom", "dxfz_on", false);
  setButton(session, "PB_mass", "dxfm_off", true);
  setZoomToggle(session, 1);
  session.view.mouseMode = MouseMode::Zoom;
}

int CB_zoom(GwCore* /*widget*/, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  if (session->view.mouseMode == MouseMode::Zoom) {
    showMeasuringMode(*session);
  } else {
    showZoomMode(*session);
    statusSet(*session, session->window.drawingTitle.c_str());
  }
  return 1;
}
