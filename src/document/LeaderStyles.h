// What a leader or tolerance takes from its dimension style: arrowhead, hook line and
// text sizes.
#pragma once

#include <string>
#include <unordered_map>

#include "dxf/GroupLines.h"

// The dimension variables a LEADER is drawn with. Without a style they keep the defaults
// of the DXF format.
struct LeaderStyle {
  double scale = 1.0;        // DIMSCALE (group 40); 0 counts as 1
  double arrowSize = 0.18;   // DIMASZ (41)
  double gap = 0.09;         // DIMGAP (147): between the hook line's end and the text
  double textHeight = 0.18;  // DIMTXT (140)
  int textAbove = 0;         // DIMTAD (77): non-zero when the text stands above the hook line
  std::string arrowBlock;  // DIMLDRBLK (341): handle of the arrow's block record; "" closed filled

  // Takes the value of dimension variable `code` (the DIMSTYLE group code, which the
  // overrides an entity carries use too); other codes are passed over.
  void take(int code, const char* value);
  // The arrow's size in drawing units.
  double scaledArrowSize() const { return arrowSize * effectiveScale(); }
  double effectiveScale() const { return scale > 0.0 ? scale : 1.0; }
};

// The DIMSTYLE and BLOCK_RECORD table entries of a drawing, as far as leaders need them.
class LeaderStyles {
 public:
  // Reads the groups of a DIMSTYLE (or BLOCK_RECORD) entry after its type line, up to the
  // group code 0 that ends it; false when the file ends first.
  bool readStyle(DxfLineReader& in);
  bool readBlockRecord(DxfLineReader& in);

  // The style of that name (letter case aside), or the defaults.
  LeaderStyle find(const std::string& name) const;
  // The name of the block whose record has that handle; "" when there is none.
  std::string blockName(const std::string& handle) const;

 private:
  std::unordered_map<std::string, LeaderStyle> styles_;      // by upper-case name
  std::unordered_map<std::string, std::string> blockNames_;  // by upper-case handle
};
