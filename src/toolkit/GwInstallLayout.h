// Where an installed viewer finds its resource file and pictures: beside its program, in
// the data folder of the same installation prefix, so no environment setting is needed.
#pragma once

#include <filesystem>
#include <string_view>

// The data folder of the installation that holds program: for <prefix>/<binDir>/dxfviewer
// it is <prefix>/<dataDir>. binDir and dataDir are relative to the prefix ("bin",
// "share/dxfviewer"). Empty when program has no folder or binDir is not relative.
std::filesystem::path GwInstalledDataFolder(const std::filesystem::path& program,
                                            std::string_view binDir, std::string_view dataDir);

// The running program's own file (the target of /proc/self/exe); empty when unknown.
std::filesystem::path GwRunningProgram();
