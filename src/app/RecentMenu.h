// The recent files in the File menu ("MI_recent") and in the desktop's recent-files list.
#pragma once

#include <string>

struct ViewerSession;

// Fills the submenu of "MI_recent" with the recent files of the settings, newest first,
// each named by its file name with the whole path as its help text; choosing one opens it
// as the open command does. The entry is insensitive while the list is empty.
void showRecentFiles(ViewerSession& session);

// A drawing was opened and shown: it goes first in the recent files, the settings file is
// written at once, the menu is filled again and the desktop's recent-files list learns it.
void rememberOpenedFile(ViewerSession& session, const std::string& path);
