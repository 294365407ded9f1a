// Records that a composite kind is read as, and the plain records it is drawn and saved as.
#include "document/PieceRecords.h"

#include <cmath>
#include <numbers>

#include "document/ObjectReader.h"
#include "dxf/RoundTripNumbers.h"

namespace {

// Half the width of the closed filled arrow, as a share of its length.
constexpr double kArrowHalfWidth = 1.0 / 6.0;

void addPair(std::string& lines, int code, const std::string& value) {
  lines += std::to_string(code);
  lines += '\n';
  lines += value;
  lines += '\n';
}

}  // namespace

bool isLooksGroup(int code) {
  return code == 8 || code == 6 || code == 62 || code == 420 || code == 48 || code == 67;
}

PiecePoint unitOf(PiecePoint v) {
  const double length = std::hypot(v.x, v.y);
  if (!(length > 0.0) || !std::isfinite(length)) return {1.0, 0.0};
  return {v.x / length, v.y / length};
}

RecordPairs RecordPairs::read(DxfLineReader& in) {
  RecordPairs record;
  bool layerSeen = false;
  // The looks stand before the first subclass marker after the common entity part; later
  // groups of the same codes mean other things (the cell colours of a table).
  bool inCommonPart = true;
  for (;;) {
    const int code = in.readGroupCode(GroupCodeVariant::Standard);
    if (in.eof()) return record;
    if (code == 0) {
      record.ended = true;
      return record;
    }
    std::string value = in.readLine();
    if (in.eof()) return record;
    if (record.pairs.size() >= kMaxPairs) continue;
    if (code == 100 && value != "AcDbEntity") inCommonPart = false;
    if (inCommonPart && isLooksGroup(code) && !(code == 8 && layerSeen)) {
      addPair(record.looks, code, value);
      layerSeen = layerSeen || code == 8;
    }
    record.pairs.emplace_back(code, std::move(value));
  }
}

RecordText::RecordText(const std::string& looks) {
  out_.imbue(withRoundTripNumbers(std::locale::classic()));
  out_ << looks;
}

RecordText& RecordText::number(int code, double value) {
  out_ << code << '\n' << value << '\n';
  return *this;
}

RecordText& RecordText::integer(int code, long value) {
  out_ << code << '\n' << value << '\n';
  return *this;
}

RecordText& RecordText::text(int code, const std::string& value) {
  out_ << code << '\n' << value << '\n';
  return *this;
}

void PieceSink::add(const char* kind, const RecordText& record) const {
  auto recordIn = DxfLineReader::fromString(record.finished());
  ObjectReader::read(kind, recordIn, lists_, layers_, utf8Texts_);
}

void PieceSink::addPolyline(const std::string& looks, const std::vector<PiecePoint>& points,
                            bool closed) const {
  if (points.size() < 2) return;
  RecordText polyline(looks);
  polyline.integer(90, static_cast<long>(points.size())).integer(70, closed ? 1 : 0);
  for (const PiecePoint& p : points) polyline.point(10, p);
  add("LWPOLYLINE", polyline);
}

void PieceSink::addLine(const std::string& looks, PiecePoint from, PiecePoint to) const {
  RecordText line(looks);
  line.point(10, from).point(11, to);
  add("LINE", line);
}

void PieceSink::addArrowhead(const std::string& looks, PiecePoint tip, PiecePoint along,
                             double size, const std::string& blockName) const {
  if (!blockName.empty()) {
    RecordText arrow(looks);
    arrow.text(2, blockName).point(10, tip).number(41, size).number(42, size);
    arrow.number(50, std::atan2(along.y, along.x) * 180.0 / std::numbers::pi);
    add("INSERT", arrow);
    return;
  }
  // The closed filled arrow, the format's default: a triangle one size long.
  const PiecePoint back{tip.x - along.x * size, tip.y - along.y * size};
  const PiecePoint side{-along.y * size * kArrowHalfWidth, along.x * size * kArrowHalfWidth};
  RecordText solid(looks);
  solid.point(10, tip).point(11, {back.x + side.x, back.y + side.y});
  const PiecePoint otherBase{back.x - side.x, back.y - side.y};
  solid.point(12, otherBase).point(13, otherBase);
  add("SOLID", solid);
}
