// The opened drawing's name where the user sees it: the file-name line "EB_text" and the
// window title. Pointing at a control shows what it does instead; leaving it shows the
// opened drawing again.
#pragma once

#include "toolkit/GwCallback.h"
#include "toolkit/GwEvent.h"

struct ViewerSession;

// The line shows its text cut at the start when long, so that a path keeps its file name
// in sight, and the whole text as its tooltip.
// Shows the path of the opened drawing ("" before the first open). Returns 1.
int CB_move(GwCore* widget, GwEvent* event, GwUD userData);
// Shows the text of the widget that fired. Returns 1.
int CB_move_out(GwCore* widget, GwEvent* event, GwUD userData);

// Puts the opened file (the session's openedFile) into "EB_text" and its name into the
// window title, "name - " before the frame's own title; without a file the frame's own
// title alone.
void showOpenedFile(ViewerSession& session);
