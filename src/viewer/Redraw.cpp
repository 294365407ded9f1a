// Painting the current view document into the drawing area.
#include "viewer/Redraw.h"

#include <memory>

#include "document/IndexedDrawing.h"
#include "toolkit/GwDrawnButton.h"
#include "toolkit/GwFrame.h"
#include "viewer/MouseHandlers.h"
#include "viewer/ViewScroll.h"
#include "viewer/ViewZoom.h"
#include "viewer/ViewerSession.h"

namespace {

void attachMouseHandlers(ViewerSession& session) {
  const GwUD data = session.userData();
  for (const char* name : {"DA_draw", "DA_container"}) {
    GwCore* widget = session.child(name);
    if (!widget) continue;
    widget->add_callback(GwCB_BUTTON, buttonHandler, kButtonEventMask, data);
    widget->add_callback(GwCB_MOUSEMOVE, motionHandler, kMotionEventMask, data);
    widget->add_callback(GwCB_BUTTON, panButtonHandler, kButtonEventMask, data);
    widget->add_callback(GwCB_MOUSEMOVE, panMotionHandler, kMotionEventMask, data);
    widget->add_callback(GwCB_WHEEL, wheelHandler, GwEVENT_WHEEL, data);
  }
}

}  // namespace

void detachMouseHandlers(ViewerSession& session) {
  for (const char* name : {"DA_draw", "DA_container"}) {
    GwCore* widget = session.child(name);
    if (!widget) continue;
    for (const GwAtom& atom : {GwCB_BUTTON, GwCB_MOUSEMOVE, GwCB_WHEEL}) {
      widget->remove_callback(atom);
    }
  }
  ViewState& view = session.view;
  view.rubberBand.reset();
  view.panning = 0;
}

int redrawHandler(GwCore* widget, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 0;
  // Painting must not start another paint of the same area.
  widget->remove_callback(GwCB_EXPOSE, redrawHandler);
  GwFrame* frame = session->window.frame;
  if (frame) frame->set_cursor(GwCURSOR_WAIT);

  ViewState& view = session->view;
  if (GwCore* viewMenu = session->child("MI_Ansicht")) {
    if (view.viewType != 0) {
      viewMenu->show();
    } else {
      viewMenu->hide();
    }
  }
  if (view.fitted) {
    attachMouseHandlers(*session);
    for (const char* name : {"PB_zoomp", "PB_zoomm", "PB_zoomb", "MI_Zoom"}) {
      if (GwCore* control = session->child(name)) control->make_sensitive();
    }
    view.fitted = 0;
  }
  auto* area = dynamic_cast<GwDrawnButton*>(widget);
  DXF_Zeichnung* document = session->currentDocument();
  if (area && document) {
    std::shared_ptr<const IndexedDrawing> scene = session->scenes.of(*document);
    area->paint_scene([scene](DrawingArea& target, const std::atomic<bool>& cancelled) {
      PaintOptions options;
      options.cancelled = &cancelled;
      scene->paint(target, options);
    });
  }

  if (frame) frame->set_cursor(GwCURSOR_ARROW);
  widget->add_callback(GwCB_EXPOSE, redrawHandler, 0, userData);
  return 0;
}
