// Reading the current folder without a length limit.
#include "platform/CurrentDirectory.h"

#include <filesystem>

std::string currentDirectory() {
  std::error_code ec;
  const std::filesystem::path path = std::filesystem::current_path(ec);
  return ec ? std::string() : path.string();
}
