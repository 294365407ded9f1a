// The proposed file name of save-as.
#include "app/SaveAsName.h"

#include <cstring>

std::string proposedSaveName(const char* drawingTitle) {
  if (!drawingTitle || !*drawingTitle) return "*.dxf";
  std::string name = drawingTitle;
  // The characters file names cannot hold on the systems the drawings come from.
  for (char& c : name) {
    if (std::strchr("*/:<>?\\|", c)) c = '_';
  }
  return name + ".dxf";
}
