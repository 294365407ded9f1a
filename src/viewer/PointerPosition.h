// The drawing point under the pointer, shown in the status field "EB_position".
#pragma once

#include <string>

class GwCore;
struct GwEvent;
struct ViewerSession;

// "x 123.4  y 56.7 mm": the point in drawing units, one decimal.
std::string pointerPositionText(double x, double y);

// A motion event of the drawing area ("DA_draw") shows the point under the pointer in
// "EB_position"; one of the container outside the drawing area empties the field.
void showPointerPosition(const ViewerSession& session, GwCore* widget, const GwEvent& event);

// Empties "EB_position" (the pointer left the drawing, or no drawing is shown).
void clearPointerPosition(const ViewerSession& session);

// Empties "EB_position" whenever the pointer leaves the drawing area.
void clearPositionOnLeave(const ViewerSession& session);
