// Checks a drawing path before it is read, so that failures get a precise sentence.
#pragma once

#include <string>

namespace dxftool {

enum class InputKind {
  Readable,    // a regular file that can be opened; may still be a bad DXF
  Missing,     // nothing at that path
  NotAFile,    // a folder or another non-regular file
  Unreadable,  // exists but cannot be opened (permissions)
  BinaryDxf,   // the binary DXF form, which the reader does not understand
};

class InputFile {
 public:
  // First bytes of every binary DXF file.
  static constexpr const char* kBinarySentinel = "AutoCAD Binary DXF\r\n\x1a";

  static InputKind examine(const std::string& path);

  // One sentence naming the path and what is wrong; empty for Readable.
  static std::string problem(const std::string& path, InputKind kind);
};

}  // namespace dxftool
