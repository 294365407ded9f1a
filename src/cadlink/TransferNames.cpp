// Time stamps, block names and temporary file names of the CAD transfer.
#include "cadlink/TransferNames.h"

#include <filesystem>
#include <iomanip>
#include <locale>
#include <sstream>
#include <system_error>

namespace {
constexpr std::size_t kLongestKeptBase = 13;  // longer base names are cut ...
constexpr std::size_t kCutBase = 14;          // ... to this many characters
constexpr std::size_t kLongestFolder = 260;
constexpr int kTransferFiles = 10;
}  // namespace

std::string transferTimeStamp(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << std::put_time(&local, "%b_%d_%H-%M-%S");
  return text.str();
}

std::string transferBlockName(std::string_view baseName, std::string_view timeStamp) {
  std::string name(baseName.size() > kLongestKeptBase ? baseName.substr(0, kCutBase) : baseName);
  return name + "_" + std::string(timeStamp);
}

std::optional<std::string> transferFolder(std::string_view workPath) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(
      workPath.empty() ? std::filesystem::path(".") : std::filesystem::path(workPath), error);
  if (error) return std::nullopt;
  std::string folder = absolute.lexically_normal().string();
  if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder.size() > kLongestFolder) return std::nullopt;
  return folder;
}

int nextTransferNumber(int& counter) {
  if (counter < 0 || counter >= kTransferFiles) counter = 0;
  const int number = counter;
  counter = (counter + 1) % kTransferFiles;
  return number;
}

std::string transferFilePath(std::string_view folder, int number) {
  std::string path(folder);
  if (path != "/") path += "/";
  return path + "dde_" + std::to_string(number) + ".dxf";
}
