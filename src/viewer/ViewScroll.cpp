// Scroll bars and middle-button dragging of the drawing area.
#include "viewer/ViewScroll.h"

#include <cmath>

#include "toolkit/GwDrawnButton.h"
#include "viewer/MouseHandlers.h"
#include "viewer/ViewArea.h"
#include "viewer/ViewerSession.h"

namespace {

constexpr int kScrollStepParts = 10;  // an arrow key moves a tenth of the container

// Puts the area at (x, y) and the scroll bars where that is.
void moveArea(const ViewArea& view, const AreaState& state, int x, int y) {
  if (x == state.x && y == state.y) return;
  view.area().set_position(x, y);
  view.showScrollBars(ScrollGeometry::bar(state.containerWidth, x, state.width, state.width),
                      ScrollGeometry::bar(state.containerHeight, y, state.height, state.height));
}

double barValue(const ViewerSession& session, const char* name) {
  const GwCore* bar = session.child(name);
  return bar ? bar->scroll_value() : 0.0;
}

}  // namespace

int CB_moveHori(GwCore* /*widget*/, GwEvent* /*event*/, GwUD userData) {
  const ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  const ViewArea view(*session);
  if (!view) return 1;
  const AreaState state = view.state();
  const int x = ScrollGeometry::scrolled(barValue(*session, "SB_hori"), state.x,
                                         state.containerWidth, state.width);
  view.area().set_position(x, state.y);
  return 1;
}

int CB_moveVert(GwCore* /*widget*/, GwEvent* /*event*/, GwUD userData) {
  const ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  const ViewArea view(*session);
  if (!view) return 1;
  const AreaState state = view.state();
  const int y = ScrollGeometry::scrolled(barValue(*session, "SB_vert"), state.y,
                                         state.containerHeight, state.height);
  view.area().set_position(state.x, y);
  return 1;
}

int panButtonHandler(GwCore* widget, GwEvent* event, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session || !event || event->button != kPanButton) return 1;
  ViewState& viewing = session->view;
  if (!(event->state & GwEVENT_PRESS)) {
    viewing.panning = 0;
    return 1;
  }
  const ViewArea view(*session);
  if (!viewing.drawingShown || !view) return 1;
  containerPosition(widget, *event, viewing.panStartX, viewing.panStartY);
  const AreaState state = view.state();
  viewing.panStartAreaX = state.x;
  viewing.panStartAreaY = state.y;
  viewing.panning = 1;
  return 1;
}

int panMotionHandler(GwCore* widget, GwEvent* event, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session || !event || !session->view.panning) return 1;
  ViewState& viewing = session->view;
  // A release that never arrived (another window took the pointer) ends the drag too.
  const ViewArea view(*session);
  if (!(event->state & GDK_BUTTON2_MASK) || !view) {
    viewing.panning = 0;
    return 1;
  }
  double x = 0.0;
  double y = 0.0;
  containerPosition(widget, *event, x, y);
  const AreaState state = view.state();
  const int nx = ScrollGeometry::panned(viewing.panStartAreaX,
                                        static_cast<int>(std::trunc(x - viewing.panStartX)),
                                        state.containerWidth, state.width);
  const int ny = ScrollGeometry::panned(viewing.panStartAreaY,
                                        static_cast<int>(std::trunc(y - viewing.panStartY)),
                                        state.containerHeight, state.height);
  moveArea(view, state, nx, ny);
  return 1;
}

void scrollBySteps(const ViewerSession& session, int stepsX, int stepsY) {
  const ViewArea view(session);
  if (!session.view.drawingShown || !view) return;
  const AreaState state = view.state();
  // The drawing moves against the view.
  const int stepX = state.containerWidth / kScrollStepParts;
  const int stepY = state.containerHeight / kScrollStepParts;
  const int nx =
      ScrollGeometry::panned(state.x, -stepsX * stepX, state.containerWidth, state.width);
  const int ny =
      ScrollGeometry::panned(state.y, -stepsY * stepY, state.containerHeight, state.height);
  moveArea(view, state, nx, ny);
}
