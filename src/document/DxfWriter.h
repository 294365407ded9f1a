// The DXF writer: a drawing document as an ASCII DXF file of release 12 ("AC1009").
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string_view>

class DXF_Zeichnung;

// Writes a short HEADER, the LTYPE and LAYER tables, the BLOCKS and the ENTITIES sections
// and "EOF". Every list is written from its last element to its first. Numbers are written
// in the "C" locale whatever the user's locale: reals of the objects fixed with 4 decimals,
// header reals with 6.
class DxfWriter {
 public:
  static constexpr int kCannotWrite = -50;

  explicit DxfWriter(const DXF_Zeichnung& document);

  // Writes the file at `path`. The text goes to a temporary file in the same folder that
  // replaces the target only once every byte is on disk, so a failure (disk full,
  // read-only folder or file) returns kCannotWrite and leaves an existing file untouched.
  int write(const std::filesystem::path& path) const;

  // The whole file text on a stream (which gets the "C" locale and the number format).
  void writeTo(std::ostream& out) const;

 private:
  void writeHeader(std::ostream& out) const;
  void writeTables(std::ostream& out) const;
  void writeBlocks(std::ostream& out) const;
  void writeEntities(std::ostream& out) const;
  // Writes `bytes` to `target` through a temporary file; 0 or kCannotWrite.
  static int replaceFile(const std::filesystem::path& target, std::string_view bytes);

  const DXF_Zeichnung& document_;
};
