// Binary DXF files: recognised by their sentinel and turned, a piece at a time, into the
// ASCII group lines that every reader of the program reads.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <streambuf>
#include <string>
#include <string_view>

class BinaryDxf {
 public:
  // The first bytes of every binary DXF file.
  static constexpr std::string_view kSentinel{"AutoCAD Binary DXF\r\n\x1a\0", 22};

  // True when `bytes` start with the sentinel.
  static bool isBinary(std::string_view bytes);
};

// The groups of a binary DXF file as ASCII DXF text, made while it is read: each group code
// on a line, right-justified in three characters, and its value on the next. Group codes
// are one byte (255 followed by two bytes for larger codes) in files before release 13, two
// bytes from then on; values are typed by their code: texts end with a NUL byte, integers
// of 8, 16, 32 and 64 bits and doubles are little-endian, binary chunks have a length byte
// and become hexadecimal. Text stops after the group 0 "EOF", as in ASCII files.
//
// The file's bytes are taken in blocks and the text is made in pieces of about 64 KiB, so
// reading a binary file takes no copy of either whole.
class BinaryDxfStream : public std::streambuf {
 public:
  // The bytes of a whole file in memory (kept alive by the caller), sentinel included.
  explicit BinaryDxfStream(std::string_view bytes);
  // The rest of an open file whose sentinel was read already; the file stays open.
  explicit BinaryDxfStream(std::FILE* file);

  // True when the bytes are groups of neither layout or end inside a group: the text
  // stops there.
  bool damaged() const { return damaged_; }
  // errno of a failed read of the file, 0 when none failed.
  int readError() const { return readError_; }

 protected:
  int_type underflow() override;

 private:
  // Bytes fetched from the file per refill; text made per piece.
  static constexpr std::size_t kBlockSize = 64 * 1024;

  // Looks at the first group for the layout; false (damaged) when it is neither.
  bool findLayout();
  // Appends the next group's two lines to text_; false at the end of the data or when it
  // ends inside the group (then damaged).
  bool appendGroup();
  // Appends one value line of a group with `code`; false when the data ends inside it.
  bool appendValue(int code);

  // Makes at least `count` bytes available from pos_ on; false when the data ends first.
  bool available(std::size_t count);
  // Takes more bytes of the file into the window; false when none are left.
  bool refill();
  // Reads a little-endian value of T.
  template <class T>
  bool little(T& value);
  // Reads bytes up to a NUL byte (dropped).
  bool nulEnded(std::string_view& value);
  // Reads a length byte and that many bytes.
  bool lengthPrefixed(std::string_view& value);

  std::FILE* file_ = nullptr;
  // The bytes not yet converted: the caller's for a file in memory, else `window_`.
  std::string_view data_;
  std::string window_;
  std::size_t pos_ = 0;
  std::string text_;
  bool layoutKnown_ = false;
  bool wideCodes_ = false;
  bool finished_ = false;
  bool damaged_ = false;
  int readError_ = 0;
};
