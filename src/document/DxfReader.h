// The DXF reader: the section readers and their order, filling a drawing document.
#pragma once

#include "dxf/GroupLines.h"

class DXF_Zeichnung;

// Reads the sections HEADER, TABLES (LTYPE, then LAYER), BLOCKS and ENTITIES strictly in
// this order from one line stream, handing every recognised object to its own reader.
// Everything else is passed over line by line. Reading appends to the document's lists;
// on failure the objects read so far stay in it.
class DxfReader {
 public:
  // Result codes of the reader itself (the object readers add theirs, -30 to -38).
  static constexpr int kCannotOpen = -50;
  static constexpr int kEmpty = -51;
  static constexpr int kEndInHeader = -52;
  static constexpr int kEndInTables = -53;
  static constexpr int kEndInBlocks = -54;
  static constexpr int kEndInEntities = -55;

  DxfReader(DXF_Zeichnung& document, DxfLineReader& in);

  // Reads the whole stream; 0 or a negative result code. A binary DXF gives kCannotOpen.
  // When the header gave no usable extents, they are computed from what was read.
  int read();

 private:
  int readHeader(const char* firstLine);
  // Finds the group `code` line and reads the real on the line after it.
  int readHeaderValue(int code, double& value);
  // Finds the group 1 line after "$ACADVER" and takes the release from its value.
  int readHeaderVersion();
  int readTables();
  int readBlocks();
  int readEntities();
  // Reads lines until one equals `keyword`; false at the end of the data.
  bool skipTo(const char* keyword);
  bool headerExtentsUsable() const;

  DXF_Zeichnung& document_;
  DxfLineReader& in_;
  bool extentsMinRead_ = false;
  bool extentsMaxRead_ = false;
  // Files of release 2007 ($ACADVER AC1021) and later store their texts in UTF-8.
  bool utf8Texts_ = false;
};
