// The proposed file name of save-as.
#include "SaveAsName.h"

#include <cstring>

std::string proposedSaveName(const char* drawingTitle) {
  std::string name = drawingTitle && *drawingTitle ? drawingTitle : "*";
  if (name != "*") {
    // The characters file names cannot hold on the systems the drawings come from.
    for (char& c : name) {
      if (c != '\0' && std::strchr("*/:<>?\\|", c)) c = '_';
    }
  }
  return name + ".dxf";
}
