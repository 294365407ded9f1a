// Small window helpers every viewer command uses: busy cursor, status line, messages.
#pragma once

#include <string>

struct ViewerSession;

// Ends a busy cursor still in force, then shows a new one until busyEnd.
void busyBegin(ViewerSession& session);
void busyEnd(ViewerSession& session);

// The status line "EB_status".
void statusSet(const ViewerSession& session, const char* text);
void statusClear(const ViewerSession& session);
// Clears the status line and shows the drawing title of the viewer interface in it.
void statusTitle(const ViewerSession& session);
// Appends one bullet to the status line (one bullet again once they no longer fit) and
// lets the window repaint, so that long operations show progress.
void statusProgress(const ViewerSession& session);

// Ends the busy cursor and runs the message frame of that resource key modally over the
// main frame. A key the resource file lacks shows nothing.
void showMessage(ViewerSession& session, const char* key);
// The same with the frame's main text replaced by `text` (Windows-1252).
void showMessage(ViewerSession& session, const char* key, const std::string& text);
