// The DXF reader: finds the sections of a file and fills a drawing document from them.
#pragma once

#include <string>
#include <string_view>

#include "document/LeaderStyles.h"
#include "dxf/GroupLines.h"

class DXF_Zeichnung;
class LayerIndex;
struct ObjectLists;

// Reads a DXF file as group code/value pairs. Sections are found as the pairs 0/SECTION and
// 2/name, in whatever order they come; HEADER, TABLES, BLOCKS and ENTITIES may each be
// missing, other sections are passed over. Every recognised object is handed to its own
// reader; objects of other kinds are passed over whole and counted on the document.
// Reading appends to the document's lists; on failure the objects read so far stay in it.
class DxfReader {
 public:
  // Result codes of the reader itself (the object readers add theirs, -30 to -39).
  static constexpr int kCannotOpen = -50;
  static constexpr int kEmpty = -51;
  // The file ends inside the section that was started.
  static constexpr int kEndInHeader = -52;
  static constexpr int kEndInTables = -53;
  static constexpr int kEndInBlocks = -54;
  static constexpr int kEndInEntities = -55;
  // Not one section in the whole file: it is no DXF drawing.
  static constexpr int kNotDxf = -56;
  // A binary DXF file that cannot be read (an unknown version, or damaged).
  static constexpr int kUnreadableBinary = -57;

  DxfReader(DXF_Zeichnung& document, DxfLineReader& in);

  // Files of release 2007 ($ACADVER AC1021) and later store their texts in UTF-8.
  static bool textsInUtf8(std::string_view version) {
    return version.substr(0, 2) == "AC" && version >= "AC1021";
  }

  // Reads the whole stream; 0 or a negative result code. The header's extents are kept
  // only when they are plausible and hold what is drawn; otherwise they are computed.
  int read();

 private:
  // Reads the next pair; its code is returned, its value stands in in_.line().
  int nextPair();
  // The section named by the current value, up to its 0/ENDSEC pair.
  int readSection(const std::string& name);
  int readHeader();
  int readTables();
  int readBlocks();
  int readEntities();
  // Passes over the pairs of a section read for nothing; 0 also when the file ends there.
  int skipSection();
  // Reads the objects of a section up to 0/ENDSEC; `onObject` is given each type name
  // after a group code 0 and returns false when it did not read that object.
  template <class OnObject>
  int readRecords(int endCode, OnObject onObject);
  // After the objects are read: layers for a drawing without a layer table, layers
  // attached that a later table brought, and the extents.
  void finish();
  bool headerExtentsUsable() const;

  DXF_Zeichnung& document_;
  DxfLineReader& in_;
  bool extentsMinRead_ = false;
  bool extentsMaxRead_ = false;
  bool layerTableRead_ = false;
  bool entitiesRead_ = false;
  // Whether the file stores its texts in UTF-8 (textsInUtf8 of its $ACADVER).
  bool utf8Texts_ = false;
  // Dimension styles and block records, for the arrowheads and hook lines of leaders.
  LeaderStyles leaderStyles_;
};
