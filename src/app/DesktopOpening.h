// Files the desktop hands to the running viewer: the launcher's open requests and files
// dropped on the main window. Both are opened like a file chosen with the open command.
#pragma once

#include <string>
#include <vector>

class GwCore;
struct ViewerSession;

// Makes the main frame a drop target for files and starts looking for the
// launcher's requests in the working folder (the folder of the settings file) four times
// a second. Files wait while a dialog or menu holds the window, and are opened one at a
// time in the order they came; a request brings the window to the front. It all ends with
// the frame.
void acceptDesktopOpening(ViewerSession& session, GwCore& frame);

// The local files named by the URIs of a drop ("file:///…" or "file://localhost/…"), in
// their order; other URIs are passed over.
std::vector<std::string> localFiles(const std::vector<std::string>& uris);
