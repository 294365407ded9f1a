// The DXF writer: a drawing document as an ASCII DXF file of release 12 ("AC1009").
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

#include "document/DrawingExtents.h"

class DXF_Zeichnung;
class FiniteRecords;
class LinetypeTexts;

// What a save had to leave out, and why it failed.
struct WriteReport {
  // Objects not written because a real of theirs is not finite.
  int leftOut = 0;
  // The system's words for a failure; empty after success.
  std::string reason;
};

// Writes a short HEADER, the LTYPE and LAYER tables, the BLOCKS and the ENTITIES sections
// and "EOF". The tables and the block list are written from their last element to their
// first; the objects of the drawing and of each block in the file's order. Numbers are written
// in the "C" locale whatever the user's locale, each so that the reader gets the same value
// back (RoundTripNumbers.h): reals of the objects fixed with 4 decimals when that holds the
// value, header reals with 6. An object with a real that is not finite (NaN, infinity)
// cannot be written and is left out; leftOut() counts them.
class DxfWriter {
 public:
  static constexpr int kCannotWrite = -50;

  explicit DxfWriter(const DXF_Zeichnung& document);

  // Writes the file at `path`, streaming. The text goes to a temporary file in the same
  // folder that replaces the target only once every byte is on disk, so a failure (disk
  // full, read-only folder or file) returns kCannotWrite and leaves an existing file
  // untouched; reason() then gives the system's words.
  int write(const std::filesystem::path& path);

  // The whole file text on a stream (which gets the "C" locale and the number format).
  void writeTo(std::ostream& out);

  // Objects left out by the last write because a real of theirs is not finite.
  int leftOut() const { return leftOut_; }
  const std::string& reason() const { return reason_; }

 private:
  // The extents the header gives: the box of what is drawn.
  DrawingExtents::Box savedExtents() const;
  void writeHeader(std::ostream& out, const DrawingExtents::Box& box) const;
  void writeTables(std::ostream& out) const;
  void writeBlocks(std::ostream& out, FiniteRecords& records, const LinetypeTexts& texts) const;
  void writeEntities(std::ostream& out, FiniteRecords& records, const LinetypeTexts& texts) const;

  const DXF_Zeichnung& document_;
  int leftOut_ = 0;
  std::string reason_;
};
