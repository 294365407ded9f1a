// The drawing information shown to the user, to read and to copy.
#pragma once

#include <string>

struct ViewerSession;

// Runs "MsgBox_Zeichnungsinformation" modally: the drawing's file name as its main text and
// the information (Windows-1252) below it, selectable, with a Copy button that puts the
// whole text on the clipboard. A resource file without that frame shows nothing.
void showDrawingInformation(ViewerSession& session, const std::string& information);
