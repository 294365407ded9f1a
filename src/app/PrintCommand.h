// The print command: the current view's drawing on one sheet, through the print dialog.
#pragma once

#include "toolkit/GwCallback.h"
#include "toolkit/GwEvent.h"

// With a drawing shown, asks with the print dialog how to print, then prints the current
// view document on one page: frame with title (the drawing title, or the opened file),
// the information caption, a scale bar for a titled drawing without component name, the
// drawing, and the logo. Cancelling prints nothing; a failed job is answered with
// "MsgBox_Fehler_beim_Drucken". Without a drawing nothing happens. Returns 1.
int CB_print(GwCore* frame, GwEvent* event, GwUD userData);
