// The mouse plumbing of the drawing area shared by zooming and measuring: press starts a
// rubber band, motion moves it, release ends it and hands over to the mode's action.
#pragma once

#include "toolkit/GwCallback.h"
#include "toolkit/GwEvent.h"

class GwCore;
struct ViewerSession;

// A finished drag in container pixels: press point, release point and the integer pixel
// extents |trunc(x - startX)|, |trunc(y - startY)|.
struct RubberRelease {
  double startX = 0.0;
  double startY = 0.0;
  double x = 0.0;
  double y = 0.0;
  int dx = 0;
  int dy = 0;
};

// What zooming and measuring do with the mouse. Each is optional: without one, the event
// ends after the rubber band has been handled.
struct MouseActions {
  // Release in zoom mode; its result is the button handler's result.
  int (*zoomWindow)(ViewerSession& session, const RubberRelease& release) = nullptr;
  // Release in measuring mode.
  void (*measureRelease)(ViewerSession& session, const RubberRelease& release) = nullptr;
  // Pointer motion in measuring mode; may move the position (x, y) the rubber band follows.
  void (*measureMotion)(ViewerSession& session, double& x, double& y) = nullptr;
};

// The point of an event in container pixels: events of the drawing area are relative to
// its canvas, so its position is added; the container's own events are already there.
void containerPosition(GwCore* widget, const GwEvent& event, double& x, double& y);

// Handlers attached by the redraw ("CBButton" with mask 0x3801, "CBMousemove" with 0x1801)
// on "DA_draw" and "DA_container" with the session as user data. Both return 1, except
// as the zoom action decides.
int buttonHandler(GwCore* widget, GwEvent* event, GwUD userData);
int motionHandler(GwCore* widget, GwEvent* event, GwUD userData);
