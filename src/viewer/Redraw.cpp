// Painting the current view document into the drawing area.
#include "viewer/Redraw.h"

#include "toolkit/GwDrawnButton.h"
#include "toolkit/GwFrame.h"
#include "viewer/MainWindowState.h"
#include "viewer/MouseHandlers.h"
#include "viewer/ViewDocuments.h"
#include "viewer/ViewScroll.h"
#include "viewer/ViewState.h"
#include "viewer/ViewZoom.h"
#include "viewer/WindowUtilities.h"

namespace {

void attachMouseHandlers() {
  for (const char* name : {"DA_draw", "DA_container"}) {
    GwCore* widget = mainChild(name);
    if (!widget) continue;
    widget->add_callback(GwCB_BUTTON, buttonHandler, kButtonEventMask, GwUD());
    widget->add_callback(GwCB_MOUSEMOVE, motionHandler, kMotionEventMask, GwUD());
    widget->add_callback(GwCB_BUTTON, panButtonHandler, kButtonEventMask, GwUD());
    widget->add_callback(GwCB_MOUSEMOVE, panMotionHandler, kMotionEventMask, GwUD());
    widget->add_callback(GwCB_WHEEL, wheelHandler, GwEVENT_WHEEL, GwUD());
  }
}

}  // namespace

void detachMouseHandlers() {
  for (const char* name : {"DA_draw", "DA_container"}) {
    GwCore* widget = mainChild(name);
    if (!widget) continue;
    for (const GwAtom& atom : {GwCB_BUTTON, GwCB_MOUSEMOVE, GwCB_WHEEL}) {
      widget->remove_callback(atom);
    }
  }
  ViewState& view = viewState();
  view.rubberBand.reset();
  view.panning = 0;
}

int redrawHandler(GwCore* widget, GwEvent* /*event*/, GwUD /*userData*/) {
  // Painting must not start another paint of the same area.
  widget->remove_callback(GwCB_EXPOSE, redrawHandler);
  GwFrame* frame = mainWindow().frame;
  if (frame) frame->set_cursor(GwCURSOR_WAIT);

  ViewState& view = viewState();
  if (GwCore* viewMenu = mainChild("MI_Ansicht")) {
    if (view.viewType != 0) {
      viewMenu->show();
    } else {
      viewMenu->hide();
    }
  }
  if (view.fitted) {
    attachMouseHandlers();
    for (const char* name : {"PB_zoomp", "PB_zoomm", "PB_zoomb", "MI_Zoom"}) {
      if (GwCore* control = mainChild(name)) control->make_sensitive();
    }
    view.fitted = 0;
  }
  auto* area = dynamic_cast<GwDrawnButton*>(widget);
  DXF_Zeichnung* document = viewDocuments().current();
  if (area && document) document->drawAll(*area, 1.0);

  if (frame) frame->set_cursor(GwCURSOR_ARROW);
  widget->add_callback(GwCB_EXPOSE, redrawHandler, 0, GwUD());
  return 0;
}
