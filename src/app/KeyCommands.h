// Keyboard shortcuts of the main window: open, save as, quit, and zooming by keys.
#pragma once

#include "toolkit/GwCallback.h"
#include "toolkit/GwEvent.h"

enum class KeyCommand { None, Open, SaveAs, Quit, ZoomIn, ZoomOut, ZoomBack };

// The command of a key (a GDK key value) with the modifier state of the event: Ctrl+O,
// Ctrl+S and Ctrl+Q; +, - and 0 or Home (main or number pad) without Ctrl or Alt.
KeyCommand keyCommand(unsigned key, unsigned state);

// "key-press-event" handler of the application frame: runs the key's command (the same
// callbacks as the menu and the buttons). Returns 1.
int keyPressHandler(GwCore* frame, GwEvent* event, GwUD userData);
