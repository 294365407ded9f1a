// The toolkit's own callback: small commands written as the user data of a handler.
#pragma once

#include "toolkit/GwCallback.h"
#include "toolkit/GwEvent.h"

// Runs the commands of the user data text, separated by ";":
//   popdown      closes the frame that holds the widget (ends its run)
//   show NAME    shows the widget NAME of that frame
//   hide NAME    hides it
// Unknown commands are skipped. Returns 1.
int interpreter(GwCore* widget, GwEvent* event, GwUD userData);
