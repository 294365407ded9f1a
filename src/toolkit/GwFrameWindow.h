// The GTK window class of the resource file's frames ("GwFrameWindow").
//
// It is a GtkWindow with a "frame-class" property ("application" or "dialog") and the
// frame events as signals (frame-create, frame-show, frame-start, frame-hide, frame-resize),
// so that the resource file can bind handlers to them. The toolkit's GwFrame fires the bound
// handlers itself, in its own order, rather than emitting these signals.
#pragma once

#include <gtk/gtk.h>

G_BEGIN_DECLS

#define GW_TYPE_FRAME_WINDOW (gw_frame_window_get_type())
G_DECLARE_FINAL_TYPE(GwFrameWindow, gw_frame_window, GW, FRAME_WINDOW, GtkWindow)

// "application" or "dialog"; never null.
const char* gw_frame_window_get_frame_class(GwFrameWindow* window);

G_END_DECLS
