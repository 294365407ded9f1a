// Small window helpers every viewer command uses: busy cursor, status line, messages.
#pragma once

#include <string>

class GwCore;

// The widget of that name in the main frame; null without a main frame or such a widget.
GwCore* mainChild(const char* name);

// Ends a busy cursor still in force, then shows a new one until busyEnd.
void busyBegin();
void busyEnd();

// The status line "EB_status".
void statusSet(const char* text);
void statusClear();
// Clears the status line and shows the drawing title of the viewer interface in it.
void statusTitle();
// Appends one bullet to the status line (one bullet again once they no longer fit) and
// lets the window repaint, so that long operations show progress.
void statusProgress();

// Ends the busy cursor and runs the message frame of that resource key modally over the
// main frame. A key the resource file lacks shows nothing.
void showMessage(const char* key);
// The same with the frame's main text replaced by `text` (Windows-1252).
void showMessage(const char* key, const std::string& text);
