// Locating the installed data folder from the program's own place.
#include "toolkit/GwInstallLayout.h"

#include <system_error>

std::filesystem::path GwInstalledDataFolder(const std::filesystem::path& program,
                                            std::string_view binDir, std::string_view dataDir) {
  const std::filesystem::path bin(binDir);
  if (!program.has_parent_path() || bin.empty() || bin.is_absolute()) return {};
  std::filesystem::path prefix = program.parent_path();
  for (const auto& part : bin.lexically_normal()) {
    if (part == "." || part.empty()) continue;
    if (part == "..") return {};
    prefix = prefix.parent_path();
  }
  return (prefix / dataDir).lexically_normal();
}

std::filesystem::path GwRunningProgram() {
  std::error_code ec;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : program;
}
