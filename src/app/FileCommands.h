// The open and save-as commands: a DXF file into the viewer, the shown drawing out again.
#pragma once

#include <string>

#include "toolkit/GwCallback.h"
#include "toolkit/GwEvent.h"

// Asks for a "*.dxf" file, reads it into a new document in the view slot of the opened drawing
// ("NO_VIEW") and shows it when one of its layers admits it: the extents are widened by 5 % on each
// side and become the world window, the view is fitted, and the commands the admission allows are
// shown. A file that cannot be read is answered with "MsgBox_Kann_nicht_anzeigen"
// and the reason, a drawing without an admitting layer with "MsgBox_Layer_fehlt". Returns 1.
int CB_open(GwCore* frame, GwEvent* event, GwUD userData);

struct ViewerSession;

// Opens the file at path as the open command does after its file selector: the same
// admission, the same messages. Used for the launcher's requests, dropped files and the
// recent files.
void openDrawingFile(ViewerSession& session, const std::string& path);

// Save-as and print are sensitive only while a drawing is on the screen.
void showFileCommands(const ViewerSession& session);

// Asks for a file name, proposing the drawing title, and writes the current view document
// there as DXF. When writing fails, "MsgBox_Fehler_beim_Speichern" is shown and the
// opened file stays the one before. Without a current view document nothing happens.
// Returns 1.
int CB_saveas(GwCore* frame, GwEvent* event, GwUD userData);
