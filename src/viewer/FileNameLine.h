// Callbacks of the file-name line "EB_text": pointing at a control shows what it does,
// leaving it shows the opened drawing again.
#pragma once

#include "GwCallback.h"
#include "GwEvent.h"

// Shows the path of the opened drawing ("" before the first open). Returns 1.
int CB_move(GwCore* widget, GwEvent* event, GwUD userData);
// Shows the text of the widget that fired. Returns 1.
int CB_move_out(GwCore* widget, GwEvent* event, GwUD userData);
