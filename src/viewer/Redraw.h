// The redraw road: the expose handler of the drawing area "DA_draw".
#pragma once

#include "toolkit/GwCallback.h"
#include "toolkit/GwEvent.h"

struct ViewerSession;

// Registered on "DA_draw" for GwCB_EXPOSE with the session as user data (by the frame
// start, then by itself). Paints the
// current view document with drawAll; after a fit it first attaches the mouse handlers
// (rubber bands, middle-button drag, wheel) and enables the zoom commands. Returns 0.
int redrawHandler(GwCore* widget, GwEvent* event, GwUD userData);

// Takes the mouse handlers off "DA_draw" and "DA_container" and drops a rubber band or
// drag in progress; the redraw after the next fit attaches them again.
void detachMouseHandlers(ViewerSession& session);

// Event masks of the mouse handlers the redraw attaches.
inline constexpr unsigned kButtonEventMask = 0x3801;
inline constexpr unsigned kMotionEventMask = 0x1801;
