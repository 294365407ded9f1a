// The main routine: settings file, viewer interface, main window, and back.
#pragma once

// Reads orvel.ini in the current folder, fills the viewer interface and runs the main
// window until it closes; shows "Ini-File-Error !!" instead when the frame geometry keys
// are missing. Writes the settings file in either case. Returns 0.
int runViewer();
