// Fit, zoom by factor, zoom window and zoom back on the drawing area.
#include "viewer/ViewZoom.h"

#include "toolkit/GwDrawnButton.h"
#include "viewer/LayerCallbacks.h"
#include "viewer/MainWindowState.h"
#include "viewer/ViewArea.h"
#include "viewer/ViewDocuments.h"
#include "viewer/ViewState.h"
#include "viewer/WindowUtilities.h"

namespace {

// Resource key of the refusal of a too large zoom (ß is byte 0xDF, Windows-1252).
constexpr const char* kZoomTooLarge = "MsgBox_Zoom_zu_gro\xDF";
constexpr const char* kZoomTooSmall = "MsgBox_Zoom_zu_klein";
constexpr const char* kAreaTooSmall = "MsgBox_Ausschnitt_zu_klein";

void showLayout(const ViewArea& view, const AreaLayout& layout) {
  viewState().scale = layout.scale;
  view.area().clear_window();
  view.place(layout.width, layout.height, layout.x, layout.y);
  view.area().set_wc_coords(layout.world.minX, layout.world.minY, layout.world.maxX,
                            layout.world.maxY);
}

}  // namespace

void fitCurrentView() {
  const ViewArea view;
  const DXF_Zeichnung* document = viewDocuments().current();
  if (!document) {
    if (view) view.area().show();
    return;
  }
  layersOfNewView();
  ViewArea::hideScrollBars();
  if (view) {
    const AreaState state = view.state();
    const WorldWindow extents{document->minX(), document->minY(), document->maxX(),
                              document->maxY()};
    showLayout(view, ZoomGeometry::fit(state.containerWidth, state.containerHeight, extents));
  }
  viewState().fitted = 1;
}

ZoomVerdict zoomByFactor(double factor) {
  const ViewArea view;
  if (!view) return ZoomVerdict::NoArea;
  const AreaState state = view.state();
  return zoomAbout(factor, state.containerWidth * 0.5, state.containerHeight * 0.5);
}

ZoomVerdict zoomAbout(double factor, double x, double y) {
  const ViewArea view;
  if (!view) return ZoomVerdict::NoArea;
  ViewState& viewing = viewState();
  const AreaState state = view.state();
  const ZoomStep step = ZoomGeometry::byFactor(state, factor, viewing.window(), x, y);
  if (step.verdict == ZoomVerdict::TooLarge) showMessage(kZoomTooLarge);
  if (step.verdict == ZoomVerdict::TooSmall) showMessage(kZoomTooSmall);
  if (step.verdict != ZoomVerdict::Done) return step.verdict;
  ViewArea::showScrollBars(
      ScrollGeometry::bar(state.containerWidth, step.x, step.width, step.exactWidth),
      ScrollGeometry::bar(state.containerHeight, step.y, step.height, step.exactHeight));
  view.place(step.width, step.height, step.x, step.y);
  viewing.scale *= step.factor;
  return step.verdict;
}

int zoomWindow(const RubberRelease& release) {
  const ViewArea view;
  if (!view) return 1;
  ViewState& viewing = viewState();
  const AreaState state = view.state();
  const ZoomStep step = ZoomGeometry::toRectangle(state, release, viewing.window());
  if (step.verdict == ZoomVerdict::NoArea) return 0;
  if (step.verdict == ZoomVerdict::TooLarge) {
    showMessage(kAreaTooSmall);
    return 1;
  }
  viewing.scale *= step.factor;
  view.place(step.width, step.height, step.x, step.y);
  ViewArea::showScrollBars(
      ScrollGeometry::bar(state.containerWidth, step.x, step.exactWidth, step.exactWidth),
      ScrollGeometry::bar(state.containerHeight, step.y, step.exactHeight, step.exactHeight));
  statusSet(mainWindow().drawingTitle.c_str());
  return 1;
}

void zoomBack() {
  const ViewArea view;
  if (!viewState().drawingShown || !view) return;
  const AreaState state = view.state();
  showLayout(view, ZoomGeometry::zoomBack(state.containerWidth, state.containerHeight,
                                          viewState().window()));
  ViewArea::hideScrollBars();
}

int CB_zoomp(GwCore* /*widget*/, GwEvent* /*event*/, GwUD /*userData*/) {
  const ViewState& viewing = viewState();
  if (viewing.drawingShown && viewing.zoomStep > 0.0) zoomByFactor(1.0 / viewing.zoomStep);
  return 1;
}

int CB_zoomm(GwCore* /*widget*/, GwEvent* /*event*/, GwUD /*userData*/) {
  const ViewState& viewing = viewState();
  if (viewing.drawingShown && viewing.zoomStep > 0.0) zoomByFactor(viewing.zoomStep);
  return 1;
}

int CB_zoom_back(GwCore* /*widget*/, GwEvent* /*event*/, GwUD /*userData*/) {
  zoomBack();
  return 1;
}

int wheelHandler(GwCore* widget, GwEvent* event, GwUD /*userData*/) {
  const ViewState& viewing = viewState();
  if (!event || !viewing.drawingShown || !(viewing.zoomStep > 0.0)) return 1;
  if (event->button != GwWHEEL_UP && event->button != GwWHEEL_DOWN) return 1;
  double x = 0.0;
  double y = 0.0;
  containerPosition(widget, *event, x, y);
  zoomAbout(event->button == GwWHEEL_UP ? 1.0 / viewing.zoomStep : viewing.zoomStep, x, y);
  return 1;
}
