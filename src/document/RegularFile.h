// Opening a drawing file for reading: regular files only, with the system's reason when not.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// The file, open for reading in binary mode, or null with the reason in words. A folder, a
// device (/dev/zero would never end), a pipe without a writer (opening it would wait
// forever) or a socket is refused without reading from it.
struct RegularFile {
  std::FILE* file = nullptr;
  std::string problem;

  static RegularFile open(const std::filesystem::path& path);
};
