// The file name the save-as command proposes.
#pragma once

#include <string>

// "*.dxf" without a drawing title; otherwise the title (Windows-1252) with each of
// * / : < > ? \ | replaced by "_", followed by ".dxf".
std::string proposedSaveName(const char* drawingTitle);
// The same, but a drawing without a title proposes the name of the file it was opened from
// ("" when none), without its folder.
std::string proposedSaveName(const char* drawingTitle, const std::string& openedFile);

// The path the user typed, with ".dxf" added when its file name has no extension.
std::string withDxfExtension(const std::string& path);
