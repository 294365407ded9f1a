// A LEADER record: its path, drawn as a polyline, and what its dimension style adds.
#include "document/LeaderReader.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "document/PieceRecords.h"
#include "document/Polylinie.h"

namespace {

// A record of more pairs than this is no leader a program wrote; the rest is passed over.
constexpr std::size_t kMaxPairs = 1 << 14;
// The leader's annotation (group 73): a text, or none.
constexpr int kTextAnnotation = 0;
constexpr int kNoAnnotation = 3;

enum LeaderGroup : int {
  kStyleName = 3,
  kTextWidth = 41,
  kArrowFlag = 71,
  kAnnotationType = 73,
  kHookDirection = 74,
  kHookFlag = 75,
  kHorizontalX = 211,
  kHorizontalY = 221,
  kXDataString = 1000,
  kXDataApplication = 1001,
  kXDataBrace = 1002,
  kXDataInteger = 1070,
};

// Groups of the path: its vertices, which are world points whatever the leader's normal
// (210/220/230) says. Groups 40 and 41 of a leader are its text's height and width, no
// widths of the path.
bool isPath(int code) { return code == 10 || code == 20 || code == 30; }

using Point = PiecePoint;

// The groups of one LEADER record, sorted by what they are for.
struct LeaderGroups {
  std::string looks;               // group lines of the shared looks, the first layer name only
  std::string path;                // group lines of the path
  long vertexCount = -1;           // group 76, -1 when not given
  long vertexPairs = 0;            // how many groups 10 came
  bool ended = false;              // the record ended with a group code 0, not with the file
  bool any = false;                // it held any group at all
  std::string styleName;           // group 3
  bool arrow = true;               // group 71
  int annotation = kNoAnnotation;  // group 73
  bool hook = false;               // group 75
  bool hookReversed = false;       // group 74 = 1: against the horizontal direction
  double textWidth = 0.0;          // group 41
  Point horizontal{1.0, 0.0};      // groups 211, 221
  // Dimension variables the leader sets for itself (its "DSTYLE" extended data).
  std::vector<std::pair<int, std::string>> overrides;
};

void addPair(std::string& lines, int code, const char* value) {
  lines += std::to_string(code);
  lines += '\n';
  lines += value;
  lines += '\n';
}

// Follows the "ACAD" extended data: 1000 "DSTYLE", 1002 "{", then pairs of a 1070 naming
// the variable and a group holding its value, up to 1002 "}".
class OverrideReader {
 public:
  void take(int code, const std::string& value, LeaderGroups& groups) {
    if (code == kXDataApplication) {
      application_ = value == "ACAD";
      styleNamed_ = inside_ = false;
      return;
    }
    if (!application_) return;
    if (code == kXDataBrace) {
      inside_ = styleNamed_ && value == "{";
      if (value == "}") styleNamed_ = false;
      variable_ = -1;
    } else if (!inside_) {
      if (code == kXDataString) styleNamed_ = value == "DSTYLE";
    } else if (variable_ < 0) {
      if (code == kXDataInteger) variable_ = parseInt(value.c_str());
    } else {
      groups.overrides.emplace_back(variable_, value);
      variable_ = -1;
    }
  }

 private:
  bool application_ = false;
  bool styleNamed_ = false;
  bool inside_ = false;
  int variable_ = -1;
};

LeaderGroups readGroups(DxfLineReader& in) {
  LeaderGroups groups;
  OverrideReader overrides;
  bool layerSeen = false;
  for (std::size_t pairs = 0;; ++pairs) {
    const int code = in.readGroupCode(GroupCodeVariant::Standard);
    if (in.eof()) return groups;
    if (code == 0) {
      groups.ended = true;
      return groups;
    }
    const std::string value = in.readLine();
    if (in.eof()) return groups;
    groups.any = true;
    if (pairs >= kMaxPairs) continue;
    if (isPath(code)) addPair(groups.path, code, value.c_str());
    if (code == 10) ++groups.vertexPairs;
    if (code == 76) groups.vertexCount = parseInt(value.c_str());
    if (isLooksGroup(code) && !(code == 8 && layerSeen)) {
      addPair(groups.looks, code, value.c_str());
      layerSeen = layerSeen || code == 8;
    }
    overrides.take(code, value, groups);
    switch (code) {
      case kStyleName: groups.styleName = value; break;
      case kTextWidth: groups.textWidth = parseReal(value.c_str()); break;
      case kArrowFlag: groups.arrow = parseInt(value.c_str()) != 0; break;
      case kAnnotationType: groups.annotation = parseInt(value.c_str()); break;
      case kHookDirection: groups.hookReversed = parseInt(value.c_str()) == 1; break;
      case kHookFlag: groups.hook = parseInt(value.c_str()) == 1; break;
      case kHorizontalX: groups.horizontal.x = parseReal(value.c_str()); break;
      case kHorizontalY: groups.horizontal.y = parseReal(value.c_str()); break;
      default: break;
    }
  }
}

}  // namespace

int LeaderReader::read(DxfLineReader& in, ObjectLists& lists) const {
  const LeaderGroups groups = readGroups(in);
  auto path = std::make_unique<Polylinie>();
  // Read as a polyline with its vertex count first, which a leader that leaves it out
  // gets from its vertices.
  const long count = groups.vertexCount >= 0 ? groups.vertexCount : groups.vertexPairs;
  auto pathIn = DxfLineReader::fromString("76\n" + std::to_string(count) + "\n" + groups.looks +
                                          groups.path + (groups.ended ? "0\n" : ""));
  const int result = path->read(pathIn);
  if (result < 0 || !groups.any) return result;
  if (const Layer* layer = layers_.firstNamed(path->layerName())) path->assignLayer(layer);
  std::vector<Point> vertices;
  for (int i = 0; i < path->vertexCount(); ++i) {
    const Punkt vertex = path->vertexAt(i);
    vertices.push_back({vertex.x(), vertex.y()});
  }
  lists.polylines.append(std::move(path));
  if (vertices.size() < 2) return 0;

  LeaderStyle style = styles_.find(groups.styleName);
  for (const auto& [code, value] : groups.overrides) style.take(code, value.c_str());
  const PieceSink pieces(lists, layers_, false);

  // The hook line runs on from the last vertex under the text, as long as the text and
  // the gap before it, when the style puts the text above it.
  if (groups.annotation == kTextAnnotation && groups.hook && style.textAbove != 0 &&
      groups.textWidth > 0.0 && std::isfinite(groups.textWidth)) {
    Point direction = unitOf(groups.horizontal);
    if (groups.hookReversed) direction = {-direction.x, -direction.y};
    const double length = style.gap * style.effectiveScale() + groups.textWidth;
    const Point from = vertices.back();
    pieces.addLine(groups.looks, from,
                   {from.x + direction.x * length, from.y + direction.y * length});
  }

  // The arrowhead points from the second vertex to the first, its tip on the first.
  const double size = style.scaledArrowSize();
  if (!groups.arrow || !(size > 0.0) || !std::isfinite(size)) return 0;
  const Point tip = vertices[0];
  const Point along = unitOf({tip.x - vertices[1].x, tip.y - vertices[1].y});
  const std::string block = style.arrowBlock.empty() ? "" : styles_.blockName(style.arrowBlock);
  if (sameNameIgnoringCase(block.c_str(), "_NONE")) return 0;
  // The drawing names the arrow's block by its record, which it lists with every block.
  pieces.addArrowhead(groups.looks, tip, along, size, block);
  return 0;
}
