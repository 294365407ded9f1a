// Checks a drawing path before it is read, so that failures get a precise sentence.
#include "dxftool/InputFile.h"

#include <cstring>
#include <filesystem>
#include <fstream>

namespace dxftool {

InputKind InputFile::examine(const std::string& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status)) return InputKind::Missing;
  if (!std::filesystem::is_regular_file(status)) return InputKind::NotAFile;
  std::ifstream in(path, std::ios::binary);
  if (!in) return InputKind::Unreadable;
  const std::size_t length = std::strlen(kBinarySentinel);
  std::string head(length, '\0');
  in.read(head.data(), static_cast<std::streamsize>(length));
  if (static_cast<std::size_t>(in.gcount()) == length && head == kBinarySentinel) {
    return InputKind::BinaryDxf;
  }
  return InputKind::Readable;
}

std::string InputFile::problem(const std::string& path, InputKind kind) {
  switch (kind) {
    case InputKind::Readable: return {};
    case InputKind::Missing: return "The file " + path + " does not exist.";
    case InputKind::NotAFile: return path + " is not a file.";
    case InputKind::Unreadable: return "The file " + path + " cannot be opened for reading.";
    case InputKind::BinaryDxf:
      return path +
             " is a binary DXF file; only ASCII DXF files can be read. "
             "Save the drawing as ASCII DXF and try again.";
  }
  return {};
}

}  // namespace dxftool
