// Measuring with the mouse: the live and final read-outs of the rubber line in the status
// line. Switching between zoom and measuring mode is the shell's CB_zoom.
#pragma once

#include "viewer/MouseHandlers.h"

// Pointer motion in measuring mode: snaps (x, y) onto the axis of the larger movement from
// the last press point and shows the distance in millimetres.
void measureMotion(ViewerSession& session, double& x, double& y);
// Release in measuring mode: shows the larger extent of the drag in millimetres.
void measureRelease(ViewerSession& session, const RubberRelease& release);
