// The recent files: the last drawings opened, kept in the settings file.
#pragma once

#include <string>
#include <vector>

class IniFile;

// How many recent files are kept.
inline constexpr int kRecentFileCount = 10;

// The recent files of section "[Recent]" (keys "File1" to "File10"), newest first; empty
// values and missing keys are passed over.
std::vector<std::string> recentFiles(IniFile& settings);

// Puts path first among the recent files, once, and keeps the newest ten. A path too long
// for a settings line is not kept. Changes the
// settings in memory only; the caller writes them.
void addRecentFile(IniFile& settings, const std::string& path);
