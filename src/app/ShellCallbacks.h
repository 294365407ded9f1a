// Small callbacks of the resource file that need no window of their own.
#pragma once

#include "toolkit/GwCallback.h"
#include "toolkit/GwEvent.h"

// Does nothing; kept so the resource file can name it. Returns 1.
int CB_Translate(GwCore* widget, GwEvent* event, GwUD userData);
// Shows the information frame "DF_Info" modally. Returns 1.
int CB_hilfe(GwCore* widget, GwEvent* event, GwUD userData);
// Does nothing. Returns 1.
int CB_info(GwCore* widget, GwEvent* event, GwUD userData);
// Does nothing. Returns 1.
int CB_zoom_navigator(GwCore* widget, GwEvent* event, GwUD userData);
// Sets the zoom step from the user data text (a decimal number); a text that is no positive
// finite number gives 0.5. Returns 1.
int CB_get_factor(GwCore* widget, GwEvent* event, GwUD userData);
// Commands this build does not offer yet: shows "MsgBox_Nicht_verfuegbar". Returns 1.
int CB_not_available(GwCore* widget, GwEvent* event, GwUD userData);
