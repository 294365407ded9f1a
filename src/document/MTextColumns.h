// The columns of a multi-line text (MTEXT) and the groups they are read from.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "dxf/GroupLines.h"

// How an MTEXT's lines flow into columns side by side, all as wide as `width` with
// `gutter` between them. A column holds lines down to its height; the text then goes on
// at the top of the next. The last column of a static text or of one with heights of its
// own has no limit, so no text is lost; a dynamic text with one height for all makes as
// many columns as its text needs.
struct MTextColumns {
  enum class Type : int { kNone = 0, kStatic = 1, kDynamic = 2 };

  Type type = Type::kNone;
  int count = 0;
  bool flowReversed = false;  // the first column is the rightmost
  bool autoHeight = false;
  double width = 0.0;
  double gutter = 0.0;
  double definedHeight = 0.0;   // every column's height, unless `heights` gives them
  std::vector<double> heights;  // one per column (dynamic texts with manual heights)

  // True when the lines flow into columns at all.
  bool flows() const;
  // The height column `index` (from 0) holds; 0 for no limit.
  double heightOf(std::size_t index) const;
  // The left edge of column `index` from the text's left edge.
  double leftOf(std::size_t index) const;
};

// Collects an MTEXT's column groups from wherever the file keeps them: its own groups
// (75 type, 76 count, 78 flow reversed, 79 auto height, 48 width, 49 gutter, 46 height,
// and after 75 each 50 a column height), the embedded object after group 101 (71 type, 72
// count, 73 auto height, 74 reversed, 44 width, 45 gutter, 41 height, 46 heights) or the
// "ACAD" extended data of older releases, whose "ACAD_MTEXT_COLUMN_INFO" pairs a 1070
// group naming the own group with the 1070 or 1040 group of its value and whose
// "ACAD_MTEXT_DEFINED_HEIGHT" holds the height.
class MTextColumnsReader {
 public:
  // Takes the group `code` (its value is the next line of `in`) when it belongs to the
  // columns, reading the value; `embedded` says that group 101 came before it.
  bool take(int code, DxfLineReader& in, bool embedded);
  const MTextColumns& columns() const { return columns_; }

 private:
  // Where in the extended data the reader stands.
  enum class Section { kOther, kColumnInfo, kDefinedHeight };
  // Column heights read in a row are kept up to this many.
  static constexpr std::size_t kMaxColumns = 1000;

  bool takeOwn(int code, DxfLineReader& in);
  bool takeEmbedded(int code, DxfLineReader& in);
  bool takeExtendedData(int code, DxfLineReader& in);
  // The value of the own (or extended-data) group `code`.
  void setOwn(int code, double value);
  void addHeight(double height);

  MTextColumns columns_;
  bool typeSeen_ = false;
  Section section_ = Section::kOther;
  int pendingCode_ = 0;     // the own group whose value comes next in the extended data
  long heightsToCome_ = 0;  // column heights still to come in the extended data
};
