// Switching between zoom and measuring mode.
#include "app/MouseMode.h"

#include "toolkit/GwCore.h"
#include "toolkit/GwUDStr.h"
#include "app/MainWindow.h"
#include "viewer/MainWindowState.h"
#include "viewer/ViewState.h"
#include "viewer/WindowUtilities.h"

namespace {

// Gives the button its picture and makes it sensitive or not.
void setButton(const char* name, const char* picture, bool sensitive) {
  GwCore* button = mainChild(name);
  if (!button) return;
  init_picture(button, nullptr, GwUDStr(picture));
  if (sensitive) {
    button->make_sensitive();
  } else {
    button->make_insensitive();
  }
}

void setZoomToggle(int state) {
  if (GwCore* toggle = mainChild("MI_zoom")) toggle->set_toggle_state(state);
}

void showMeasuringMode() {
  setButton("PB_mass", "dxfm_on", false);
  setButton("PB_zoom", "dxfz_off", true);
  setZoomToggle(0);
  viewState().mouseMode = 0;
}

}  // namespace

void showZoomMode() {
  setButton("PB_zoom", "dxfz_on", false);
  setButton("PB_mass", "dxfm_off", true);
  setZoomToggle(1);
  viewState().mouseMode = 1;
}

int CB_zoom(GwCore* /*widget*/, GwEvent* /*event*/, GwUD /*userData*/) {
  if (viewState().mouseMode == 1) {
    showMeasuringMode();
  } else {
    showZoomMode();
    statusSet(mainWindow().drawingTitle.c_str());
  }
  return 1;
}
