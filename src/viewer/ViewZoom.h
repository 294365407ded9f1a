// Fitting, zooming and zooming back the drawing area: the operations other commands use,
// the zoom callbacks of the resource file and the mouse wheel.
#pragma once

#include "toolkit/GwCallback.h"
#include "toolkit/GwEvent.h"
#include "viewer/MouseHandlers.h"
#include "viewer/ZoomGeometry.h"

struct ViewerSession;

// Fits the current view document into the container: closes the layer dialog (it is filled afresh
// when opened again) and gives the layers their stored looks, hides the scroll bars, sizes, places
// and maps the drawing area and marks the view as fitted. Without a document it only shows the
// area.
void fitCurrentView(ViewerSession& session);

// Zooms by factor about the centre of the container. A refused zoom shows
// "MsgBox_Zoom_zu_groß" or "MsgBox_Zoom_zu_klein" and changes nothing.
ZoomVerdict zoomByFactor(ViewerSession& session, double factor);
// The same about the container point (x, y) in pixels, which stays in place.
ZoomVerdict zoomAbout(ViewerSession& session, double factor, double x, double y);
// Release of a zoom-mode drag: zooms to the dragged rectangle. Returns 0 for a click
// without extent (nothing happens), else 1; too large a zoom shows
// "MsgBox_Ausschnitt_zu_klein".
int zoomWindow(ViewerSession& session, const RubberRelease& release);
// Shows the whole world window again, when a drawing is shown.
void zoomBack(ViewerSession& session);
// The container got a new size (window resized or maximized): a drawing shown whole is
// fitted into it again, a zoomed one keeps its size and place and the scroll bars follow.
void followContainer(ViewerSession& session);

// Callbacks of the resource file, with the session as user data; each returns 1. Zoom in and out by
// the zoom step while a drawing is shown; back to the whole drawing.
int CB_zoomp(GwCore* widget, GwEvent* event, GwUD userData);
int CB_zoomm(GwCore* widget, GwEvent* event, GwUD userData);
int CB_zoom_back(GwCore* widget, GwEvent* event, GwUD userData);

// GwCB_RESIZE handler of "DA_draw": followContainer. Returns 1.
int resizeHandler(GwCore* widget, GwEvent* event, GwUD userData);

// GwCB_WHEEL handler of "DA_draw" and "DA_container": one notch away from the user zooms
// in by the zoom step, towards the user zooms out, about the pointer. Returns 1.
int wheelHandler(GwCore* widget, GwEvent* event, GwUD userData);
