// Recent files in the settings.
#include "app/RecentFiles.h"

#include <algorithm>

#include "settings/IniFile.h"

namespace {

constexpr const char* kSection = "Recent";

std::string keyOf(int number) { return "File" + std::to_string(number); }

}  // namespace

std::vector<std::string> recentFiles(IniFile& settings) {
  std::vector<std::string> files;
  for (int number = 1; number <= kRecentFileCount; ++number) {
    const std::string path = settings.getString(kSection, keyOf(number).c_str());
    if (!path.empty() && std::find(files.begin(), files.end(), path) == files.end()) {
      files.push_back(path);
    }
  }
  // The failed lookups of missing keys are no error of the caller's.
  IniFile::clearError();
  return files;
}

void addRecentFile(IniFile& settings, const std::string& path) {
  // A line longer than the settings file reads back would come back cut: another file.
  if (path.empty() || keyOf(kRecentFileCount).size() + 1 + path.size() > IniFile::maxLineLength) {
    return;
  }
  std::vector<std::string> files = recentFiles(settings);
  std::erase(files, path);
  files.insert(files.begin(), path);
  files.resize(std::min<std::size_t>(files.size(), kRecentFileCount));
  settings.addSection(kSection);
  for (int number = 1; number <= kRecentFileCount; ++number) {
    const std::string key = keyOf(number);
    const std::string value =
        number <= static_cast<int>(files.size()) ? files[number - 1] : std::string();
    if (settings.setValue(kSection, key.c_str(), value.c_str()) != IniFile::NoError) {
      settings.addEntry(kSection, key.c_str(), value.c_str());
    }
  }
  IniFile::clearError();
}
