// Binary DXF files: recognised by their sentinel and turned into the ASCII group lines that
// every reader of the program reads.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class BinaryDxf {
 public:
  // The first bytes of every binary DXF file.
  static constexpr std::string_view kSentinel{"AutoCAD Binary DXF\r\n\x1a\0", 22};

  // True when `bytes` start with the sentinel.
  static bool isBinary(std::string_view bytes);

  // The same groups as ASCII DXF text: each group code on a line, right-justified in three
  // characters, and its value on the next. Group codes are one byte (255 followed by two
  // bytes for larger codes) in files before release 13, two bytes from then on; values are
  // typed by their code: texts end with a NUL byte, integers of 8, 16, 32 and 64 bits and
  // doubles are little-endian, binary chunks have a length byte and become hexadecimal.
  // Nothing when the layout is none of these or the data ends inside a group.
  static std::optional<std::string> toText(std::string_view bytes);
};
