// The main window: built from the resource file, run until the user closes it, and the
// frame callbacks that place it, prepare its controls and remember its geometry.
#pragma once

#include "toolkit/GwCallback.h"
#include "toolkit/GwEvent.h"

class DXF_Interface;
struct ViewerSession;

// Takes the viewer interface into the session, merges the frames
// "Anwendungsfenster" and "DXFViewer_Dialog" into the application frame and runs it; the
// event loop runs inside. Afterwards stores the geometry and, when the window ran, the
// last folder of the file selectors, and writes the settings. Numbers are read and written
// with a decimal point the whole time (numeric locale "C").
// The frames' callbacks get the session as the pointer of their user data.
void buildMainWindow(ViewerSession& session, DXF_Interface* viewer, int viewType);

// Frame callbacks of the resource file; each gets the application frame and the session
// and returns 1.
int CB_create_frame(GwCore* frame, GwEvent* event, GwUD userData);
int CB_show_frame(GwCore* frame, GwEvent* event, GwUD userData);
int CB_hide_frame(GwCore* frame, GwEvent* event, GwUD userData);
int CB_resize_frame(GwCore* frame, GwEvent* event, GwUD userData);
int CB_start(GwCore* frame, GwEvent* event, GwUD userData);

// Gives a picture button the picture named by the user data text, found in the folder
// [General] BmpPath (or the current folder when that is empty). Returns 1.
int init_picture(GwCore* button, GwEvent* event, GwUD userData);
