// Path splitting and joining for the file selectors and the program's file names.
#include "toolkit/GwPath.h"

#include <cctype>
#include <cstring>

namespace {

void assign(std::string* out, const std::string& value) {
  if (out) *out = value;
}

bool isSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

void GwSplitpath(const char* path, std::string* drive, std::string* dir, std::string* name,
                 std::string* ext) {
  std::string rest = path ? path : "";
  std::string driveText;
  if (rest.size() >= 2 && std::isalpha(static_cast<unsigned char>(rest[0])) && rest[1] == ':') {
    driveText = rest.substr(0, 2);
    rest.erase(0, 2);
  }
  const std::size_t lastSeparator = rest.find_last_of("/\\");
  const std::size_t nameStart = lastSeparator == std::string::npos ? 0 : lastSeparator + 1;
  const std::string file = rest.substr(nameStart);
  const std::size_t dot = file.find_last_of('.');
  assign(drive, driveText);
  assign(dir, rest.substr(0, nameStart));
  assign(name, dot == std::string::npos ? file : file.substr(0, dot));
  assign(ext, dot == std::string::npos ? std::string() : file.substr(dot));
}

std::string GwMakepath(const char* drive, const char* dir, const char* name, const char* ext) {
  std::string path = drive ? drive : "";
  if (dir && *dir) {
    path += dir;
    if (!isSeparator(path.back())) path += '/';
  }
  if (name) path += name;
  if (ext && *ext) {
    if (*ext != '.') path += '.';
    path += ext;
  }
  return path;
}
