// Rubber-band plumbing of the drawing area's button and motion events.
#include "viewer/MouseHandlers.h"

#include <cmath>
#include <cstdlib>

#include "toolkit/GwCore.h"
#include "viewer/PointerPosition.h"
#include "viewer/ViewerSession.h"

namespace {
constexpr int kRubberDash = 10;  // dash length of the zoom rectangle's outline, pixels
}

void containerPosition(GwCore* widget, const GwEvent& event, double& x, double& y) {
  x = event.x;
  y = event.y;
  if (widget && widget->class_id() == GwDRAWINGAREA_CLASS) {
    const GwPosition position = widget->position();
    x += position.x;
    y += position.y;
  }
}

int buttonHandler(GwCore* widget, GwEvent* event, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  ViewState& view = session->view;
  if (!event || event->button != view.activeButton) return 1;
  GwCore* container = session->child("DA_container");
  if (!view.drawingShown) return 1;
  double x = 0.0;
  double y = 0.0;
  containerPosition(widget, *event, x, y);
  const GwPoint point{static_cast<int>(x), static_cast<int>(y)};

  if ((event->state & GwEVENT_PRESS) && event->button == GwBUTTON_LEFT) {
    view.rubberStartX = x;
    view.rubberStartY = y;
    view.rubberBand = std::make_unique<GwEcho>(container);
    if (view.mouseMode == MouseMode::Zoom) {
      view.rubberBand->start_rectangle({point.x, point.y, 0, 0}, point, kRubberDash);
    } else {
      view.rubberBand->start_line(point);
    }
    view.rubberBand->show(point);
    return 1;
  }

  if (view.rubberBand) {
    view.rubberBand->hide();
    view.rubberBand.reset();
    RubberRelease release{view.rubberStartX,
                          view.rubberStartY,
                          x,
                          y,
                          std::abs(static_cast<int>(std::trunc(x - view.rubberStartX))),
                          std::abs(static_cast<int>(std::trunc(y - view.rubberStartY)))};
    const MouseActions& actions = session->mouse;
    if (view.mouseMode == MouseMode::Zoom) {
      if (actions.zoomWindow) return actions.zoomWindow(*session, release);
    } else if (actions.measureRelease) {
      actions.measureRelease(*session, release);
    }
  }
  return 1;
}

int motionHandler(GwCore* widget, GwEvent* event, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!event || !session) return 1;
  ViewState& view = session->view;
  double x = 0.0;
  double y = 0.0;
  showPointerPosition(*session, widget, *event);
  containerPosition(widget, *event, x, y);
  if (view.mouseMode == MouseMode::Measuring && session->mouse.measureMotion) {
    session->mouse.measureMotion(*session, x, y);
  }
  if (view.rubberBand) view.rubberBand->show({static_cast<int>(x), static_cast<int>(y)});
  return 1;
}
