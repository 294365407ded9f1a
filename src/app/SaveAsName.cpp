// The proposed file name of save-as.
#include "app/SaveAsName.h"

#include <cstring>
#include <filesystem>

std::string proposedSaveName(const char* drawingTitle) {
  if (!drawingTitle || !*drawingTitle) return "*.dxf";
  std::string name = drawingTitle;
  // The characters file names cannot hold on the systems the drawings come from.
  for (char& c : name) {
    if (std::strchr("*/:<>?\\|", c)) c = '_';
  }
  return name + ".dxf";
}

std::string proposedSaveName(const char* drawingTitle, const std::string& openedFile) {
  if ((drawingTitle && *drawingTitle) || openedFile.empty()) return proposedSaveName(drawingTitle);
  return std::filesystem::path(openedFile).filename().string();
}

std::string withDxfExtension(const std::string& path) {
  const std::filesystem::path name = std::filesystem::path(path).filename();
  if (name.empty() || name.has_extension()) return path;
  return path + ".dxf";
}
