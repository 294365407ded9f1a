// Records that a composite kind (leaders, multi-leaders, multi-lines, meshes, ...) is read
// as: the pairs of the composite record, and the plain records it is drawn and saved as.
#pragma once

#include <locale>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "document/DocumentLists.h"
#include "document/LayerIndex.h"
#include "dxf/GroupLines.h"

struct PiecePoint {
  double x = 0.0;
  double y = 0.0;
};

// Groups the pieces of a composite record share: layer, linetype, colour, true colour,
// linetype scale and paper space.
bool isLooksGroup(int code);

// The unit vector along v; (1, 0) for a vector without a direction.
PiecePoint unitOf(PiecePoint v);

// The group pairs of one record after its type line, up to the group code 0 that ends it.
struct RecordPairs {
  // A record of more pairs than this is no record a program wrote; the rest is passed over.
  static constexpr std::size_t kMaxPairs = 1 << 16;

  std::vector<std::pair<int, std::string>> pairs;
  // The looks the pieces share, as group lines: the first layer name, linetype, colour,
  // true colour, linetype scale and paper space mark of the entity's common part.
  std::string looks;
  // The record ended with a group code 0 (the next record's), not with the file.
  bool ended = false;

  static RecordPairs read(DxfLineReader& in);
};

// Group lines of points, numbers and texts, written so that they read back exactly.
class RecordText {
 public:
  explicit RecordText(const std::string& looks);
  RecordText& number(int code, double value);
  RecordText& integer(int code, long value);
  RecordText& point(int code, PiecePoint p) { return number(code, p.x).number(code + 10, p.y); }
  RecordText& text(int code, const std::string& value);
  // The lines with the group code 0 that ends a record.
  std::string finished() const { return out_.str() + "0\n"; }

 private:
  std::ostringstream out_;
};

// Where the pieces of a composite record go: read by the plain kinds' own readers into
// the lists of the drawing or block the record stands in.
class PieceSink {
 public:
  PieceSink(ObjectLists& lists, const LayerIndex& layers, bool utf8Texts)
      : lists_(lists), layers_(layers), utf8Texts_(utf8Texts) {}

  // Reads `record` as a record of type `kind` ("LINE", "MTEXT", ...).
  void add(const char* kind, const RecordText& record) const;
  // A LWPOLYLINE through `points`, closed when asked.
  void addPolyline(const std::string& looks, const std::vector<PiecePoint>& points,
                   bool closed = false) const;
  void addLine(const std::string& looks, PiecePoint from, PiecePoint to) const;
  // An arrowhead of `size` with its tip at `tip`, pointing along `along` (a unit vector):
  // an insert of the block `blockName`, or the closed filled triangle when it is "".
  void addArrowhead(const std::string& looks, PiecePoint tip, PiecePoint along, double size,
                    const std::string& blockName) const;

  ObjectLists& lists() const { return lists_; }

 private:
  ObjectLists& lists_;
  const LayerIndex& layers_;
  bool utf8Texts_;
};
