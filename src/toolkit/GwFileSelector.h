// The file selector: asks the user for a file to open or a file name to save under.
#pragma once

#include <functional>
#include <string>

class GwCore;

// Whether the selector asks for an existing file or for a name to save under.
enum GwFileMode { GwFILE_OPEN = 0, GwFILE_SAVE = 1 };

// What a file selector was asked, as a test hook sees it.
struct GwFileRequest {
  std::string startDirectory;
  std::string pattern;  // "*.dxf" or a proposed file name such as "Part_1.dxf"
  GwFileMode mode = GwFILE_OPEN;
  std::string title;
};

// Shows a GTK file chooser over parent (may be null) starting in startDirectory. GwFILE_OPEN
// opens an existing file, offering the files that match the pattern (its letters in any
// case); GwFILE_SAVE saves, proposing the pattern as the name when it holds no wildcard and
// asking before an existing file is replaced. Returns 1 and the chosen path in result when
// the user confirmed, else 0 (result unchanged). Texts are Windows-1252; the path is the
// file system's own bytes, ready to open.
int GwFileSelector(std::string& result, GwCore* parent, const char* startDirectory,
                   const char* pattern, GwFileMode mode, const char* title);

// Replaces the dialog (tests): the hook answers instead, returning true with a chosen path
// or false for cancel. An empty function brings the dialog back.
using GwFileSelectorHook = std::function<bool(const GwFileRequest& request, std::string& chosen)>;
void GwSetFileSelectorHook(GwFileSelectorHook hook);
