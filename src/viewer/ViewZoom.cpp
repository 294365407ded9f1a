// Fit, zoom by factor, zoom window and zoom back on the drawing area.
#include "viewer/ViewZoom.h"

#include "toolkit/GwDrawnButton.h"
#include "viewer/LayerCallbacks.h"
#include "viewer/ViewArea.h"
#include "viewer/ViewerSession.h"
#include "viewer/WindowUtilities.h"

namespace {

// Resource key of the refusal of a too large zoom (ß is byte 0xDF, Windows-1252).
constexpr const char* kZoomTooLarge = "MsgBox_Zoom_zu_gro\xDF";
constexpr const char* kZoomTooSmall = "MsgBox_Zoom_zu_klein";
constexpr const char* kAreaTooSmall = "MsgBox_Ausschnitt_zu_klein";

void showLayout(ViewerSession& session, const ViewArea& view, const AreaLayout& layout) {
  session.view.scale = layout.scale;
  session.view.wholeShown = 1;
  view.area().clear_window();
  view.place(layout.width, layout.height, layout.x, layout.y);
  view.area().set_wc_coords(layout.world.minX, layout.world.minY, layout.world.maxX,
                            layout.world.maxY);
}

// The current view document fitted into the container as it is now.
void layOutDocument(ViewerSession& session, const ViewArea& view, const DXF_Zeichnung& document) {
  const AreaState state = view.state();
  const WorldWindow extents{document.minX(), document.minY(), document.maxX(), document.maxY()};
  showLayout(session, view,
             ZoomGeometry::fit(state.containerWidth, state.containerHeight, extents));
}

}  // namespace

void fitCurrentView(ViewerSession& session) {
  const ViewArea view(session);
  const DXF_Zeichnung* document = session.currentDocument();
  if (!document) {
    if (view) view.area().show();
    return;
  }
  layersOfNewView(session);
  view.hideScrollBars();
  if (view) layOutDocument(session, view, *document);
  session.view.fitted = 1;
}

ZoomVerdict zoomByFactor(ViewerSession& session, double factor) {
  const ViewArea view(session);
  if (!view) return ZoomVerdict::NoArea;
  const AreaState state = view.state();
  return zoomAbout(session, factor, state.containerWidth * 0.5, state.containerHeight * 0.5);
}

ZoomVerdict zoomAbout(ViewerSession& session, double factor, double x, double y) {
  const ViewArea view(session);
  if (!view) return ZoomVerdict::NoArea;
  ViewState& viewing = session.view;
  const AreaState state = view.state();
  const ZoomStep step = ZoomGeometry::byFactor(state, factor, viewing.window(), x, y);
  if (step.verdict == ZoomVerdict::TooLarge) showMessage(session, kZoomTooLarge);
  if (step.verdict == ZoomVerdict::TooSmall) showMessage(session, kZoomTooSmall);
  if (step.verdict != ZoomVerdict::Done) return step.verdict;
  view.showScrollBars(
      ScrollGeometry::bar(state.containerWidth, step.x, step.width, step.exactWidth),
      ScrollGeometry::bar(state.containerHeight, step.y, step.height, step.exactHeight));
  view.place(step.width, step.height, step.x, step.y);
  viewing.scale *= step.factor;
  viewing.wholeShown = 0;
  return step.verdict;
}

int zoomWindow(ViewerSession& session, const RubberRelease& release) {
  const ViewArea view(session);
  if (!view) return 1;
  ViewState& viewing = session.view;
  const AreaState state = view.state();
  const ZoomStep step = ZoomGeometry::toRectangle(state, release, viewing.window());
  if (step.verdict == ZoomVerdict::NoArea) return 0;
  if (step.verdict == ZoomVerdict::TooLarge) {
    showMessage(session, kAreaTooSmall);
    return 1;
  }
  viewing.scale *= step.factor;
  viewing.wholeShown = 0;
  view.place(step.width, step.height, step.x, step.y);
  view.showScrollBars(
      ScrollGeometry::bar(state.containerWidth, step.x, step.exactWidth, step.exactWidth),
      ScrollGeometry::bar(state.containerHeight, step.y, step.exactHeight, step.exactHeight));
  statusSet(session, session.window.drawingTitle.c_str());
  return 1;
}

void zoomBack(ViewerSession& session) {
  const ViewArea view(session);
  if (!session.view.drawingShown || !view) return;
  const AreaState state = view.state();
  showLayout(
      session, view,
      ZoomGeometry::zoomBack(state.containerWidth, state.containerHeight, session.view.window()));
  view.hideScrollBars();
}

void followContainer(ViewerSession& session) {
  const ViewArea view(session);
  const DXF_Zeichnung* document = session.currentDocument();
  if (!session.view.drawingShown || !view || !document) return;
  if (session.view.wholeShown) {
    view.hideScrollBars();
    layOutDocument(session, view, *document);
    return;
  }
  const AreaState state = view.state();
  view.showScrollBars(
      ScrollGeometry::bar(state.containerWidth, state.x, state.width, state.width),
      ScrollGeometry::bar(state.containerHeight, state.y, state.height, state.height));
}

int resizeHandler(GwCore* /*widget*/, GwEvent* /*event*/, GwUD userData) {
  if (ViewerSession* session = ViewerSession::of(userData)) followContainer(*session);
  return 1;
}

int CB_zoomp(GwCore* /*widget*/, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  const ViewState& viewing = session->view;
  if (viewing.drawingShown && viewing.zoomStep > 0.0) {
    zoomByFactor(*session, 1.0 / viewing.zoomStep);
  }
  return 1;
}

int CB_zoomm(GwCore* /*widget*/, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  const ViewState& viewing = session->view;
  if (viewing.drawingShown && viewing.zoomStep > 0.0) zoomByFactor(*session, viewing.zoomStep);
  return 1;
}

int CB_zoom_back(GwCore* /*widget*/, GwEvent* /*event*/, GwUD userData) {
  if (ViewerSession* session = ViewerSession::of(userData)) zoomBack(*session);
  return 1;
}

int wheelHandler(GwCore* widget, GwEvent* event, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  const ViewState& viewing = session->view;
  if (!event || !viewing.drawingShown || !(viewing.zoomStep > 0.0)) return 1;
  if (event->button != GwWHEEL_UP && event->button != GwWHEEL_DOWN) return 1;
  double x = 0.0;
  double y = 0.0;
  containerPosition(widget, *event, x, y);
  const double factor = event->button == GwWHEEL_UP ? 1.0 / viewing.zoomStep : viewing.zoomStep;
  zoomAbout(*session, factor, x, y);
  return 1;
}
