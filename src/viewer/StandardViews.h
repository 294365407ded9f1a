// The view commands: turning to a neighbouring view, back to the start view, and the
// all-views sheet; offering them when a drawing carries its views.
#pragma once

#include "toolkit/GwCallback.h"
#include "toolkit/GwEvent.h"

struct ViewerSession;

// Turn to the view reached by turning left, right, to the bottom, to the top and to the
// back from the view on screen, fitted into the window. Return 1.
int CB_ViewLeft(GwCore* widget, GwEvent* event, GwUD userData);
int CB_ViewRight(GwCore* widget, GwEvent* event, GwUD userData);
int CB_ViewBottom(GwCore* widget, GwEvent* event, GwUD userData);
int CB_ViewTop(GwCore* widget, GwEvent* event, GwUD userData);
int CB_ViewBack(GwCore* widget, GwEvent* event, GwUD userData);
// Shows the start view (the front view unless the viewer interface names another) and
// with it the view buttons. Returns 1.
int CB_ViewFront(GwCore* widget, GwEvent* event, GwUD userData);
// Shows the six views on one sheet around the start view, built once and kept until the
// next drawing is opened. Returns 1.
int CB_ViewAll(GwCore* widget, GwEvent* event, GwUD userData);
// The cut view is not offered: does nothing. Returns 1.
int CB_ViewCut(GwCore* widget, GwEvent* event, GwUD userData);

// Before a drawing is opened: the views of the drawing shown before are let go.
void forgetStandardViews(ViewerSession& session);
// After a drawing was opened (or the window started): "PB_front" is shown when the
// component registry or the opened drawing has the drawing of the start view.
void offerStandardViews(ViewerSession& session);
