// The file name the save-as command proposes.
#pragma once

#include <string>

// "*.dxf" without a drawing title; otherwise the title (Windows-1252) with each of
// * / : < > ? \ | replaced by "_", followed by ".dxf".
std::string proposedSaveName(const char* drawingTitle);
