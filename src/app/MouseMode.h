// The two modes of the mouse in the drawing area: zoom mode (drag a rectangle) and
// measuring mode (drag a line), switched by the buttons "PB_zoom" and "PB_mass".
#pragma once

#include "toolkit/GwCallback.h"
#include "toolkit/GwEvent.h"

struct ViewerSession;

// Switches to the other mode: the button of the mode now in force gets its "on" picture
// and becomes insensitive, the other one its "off" picture and becomes sensitive;
// "MI_zoom" is on in zoom mode. Back in zoom mode the status line shows the drawing
// title. Returns 1.
int CB_zoom(GwCore* widget, GwEvent* event, GwUD userData);

// Puts the buttons and "MI_zoom" into the zoom-mode state and sets zoom mode, without
// touching the status line.
void showZoomMode(ViewerSession& session);
