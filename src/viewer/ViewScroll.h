// Scrolling the drawing area inside its container: the two percentage scroll bars and
// dragging the drawing with the middle mouse button.
#pragma once

#include "toolkit/GwCallback.h"
#include "toolkit/GwEvent.h"

// Mouse button that drags the drawing (the rubber bands keep to the active button).
inline constexpr int kPanButton = GwBUTTON_MIDDLE;

// Value-changed callbacks of "SB_hori" and "SB_vert": move the drawing area to the bar's
// value; its size stays. Return 1.
int CB_moveHori(GwCore* widget, GwEvent* event, GwUD userData);
int CB_moveVert(GwCore* widget, GwEvent* event, GwUD userData);

// "CBButton" and "CBMousemove" handlers of "DA_draw" and "DA_container": a middle-button
// drag moves the drawing area with the pointer within the range the scroll bars reach,
// and the bars follow. Return 1.
int panButtonHandler(GwCore* widget, GwEvent* event, GwUD userData);
int panMotionHandler(GwCore* widget, GwEvent* event, GwUD userData);

struct ViewerSession;

// Arrow keys: moves the view a tenth of the container per step (positive: right or down),
// within the range the scroll bars reach, and the bars follow. Nothing without a drawing.
void scrollBySteps(const ViewerSession& session, int stepsX, int stepsY);
