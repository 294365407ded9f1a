// Composite kinds whose pieces follow directly from their own groups.
#include "document/PlainComposites.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Multi-line flags (group 71) and justifications (group 70).
constexpr int kClosedMLine = 2;
enum Justification : int { kTop = 0, kZero = 1, kBottom = 2 };
// The default style's two lines stand this share of the scale either side of its middle.
constexpr double kDefaultHalfSpacing = 0.5;
// A wipeout's clipping boundary (group 71): two corners of a rectangle, or a polygon.
constexpr int kRectangleBoundary = 1;
// The background's white: colour index 255 (index 7 draws black here).
constexpr int kBackgroundIndex = 255;
constexpr long kBackgroundRgb = 0xFFFFFF;
// What stands between the frames of a tolerance line.
constexpr const char* kFrameGap = "   ";

double realOf(const std::string& value) { return parseReal(value.c_str()); }
long count(const std::string& value) { return std::max(0, parseInt(value.c_str())); }

// The pairs after the common entity part (its proxy graphics' group 92 would mean a count
// here), or all of them when the record has no subclass markers (older writers).
std::vector<std::pair<int, std::string>>::const_iterator ownGroups(const RecordPairs& record) {
  const auto& pairs = record.pairs;
  const auto marker = std::find_if(pairs.begin(), pairs.end(), [](const auto& pair) {
    return pair.first == 100 && pair.second != "AcDbEntity";
  });
  return marker == pairs.end() ? pairs.begin() : marker + 1;
}

// Replaces every `from` in `text` by `to`.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

}  // namespace

void addTablePieces(const RecordPairs& record, const PieceSink& pieces) {
  std::string name;
  PiecePoint at;
  double xScale = 1.0;
  double yScale = 1.0;
  double rotation = 0.0;
  // The groups of the insert part; those of the table's own part mean other things.
  for (const auto& [code, value] : record.pairs) {
    if (code == 100 && value == "AcDbTable") break;
    switch (code) {
      case 2: name = value; break;
      case 10: at.x = realOf(value); break;
      case 20: at.y = realOf(value); break;
      case 41: xScale = realOf(value); break;
      case 42: yScale = realOf(value); break;
      case 50: rotation = realOf(value); break;
      default: break;
    }
  }
  if (name.empty()) return;
  RecordText insert(record.looks);
  insert.text(2, name).point(10, at).number(41, xScale).number(42, yScale).number(50, rotation);
  pieces.add("INSERT", insert);
}

void addMeshPieces(const RecordPairs& record, const PieceSink& pieces) {
  std::vector<PiecePoint> vertices;
  std::vector<long> faceList;
  long verticesLeft = 0;
  long faceValuesLeft = 0;
  const auto end = record.pairs.end();
  for (auto pair = ownGroups(record); pair != end; ++pair) {
    const auto& [code, value] = *pair;
    if (code == 92) {
      verticesLeft = count(value);
    } else if (code == 10 && verticesLeft > 0) {
      vertices.push_back({realOf(value), 0.0});
      --verticesLeft;
    } else if (code == 20 && !vertices.empty()) {
      vertices.back().y = realOf(value);
    } else if (code == 93) {
      faceValuesLeft = count(value);
    } else if (code == 90 && faceValuesLeft > 0) {
      faceList.push_back(parseInt(value.c_str()));
      --faceValuesLeft;
    } else if (code == 94 || code == 95) {
      faceValuesLeft = 0;
    }
  }
  // Each face: its vertex count, then that many vertex numbers. An edge two faces share
  // is drawn once.
  std::set<std::pair<long, long>> edges;
  const auto valid = [&](long i) { return i >= 0 && i < static_cast<long>(vertices.size()); };
  for (std::size_t i = 0; i < faceList.size();) {
    const long size = faceList[i++];
    if (size <= 0 || static_cast<std::size_t>(size) > faceList.size() - i) break;
    for (long k = 0; k < size; ++k) {
      const long a = faceList[i + k];
      const long b = faceList[i + (k + 1) % size];
      if (a == b || !valid(a) || !valid(b)) continue;
      if (edges.insert({std::min(a, b), std::max(a, b)}).second) {
        pieces.addLine(record.looks, vertices[a], vertices[b]);
      }
    }
    i += size;
  }
}

void addMLinePieces(const RecordPairs& record, const PieceSink& pieces) {
  struct Vertex {
    PiecePoint at;
    PiecePoint direction{1.0, 0.0};  // of the segment that starts here
    PiecePoint miter{0.0, 1.0};
    std::vector<double> offsets;  // the first parameter of each element
  };
  std::vector<Vertex> vertices;
  double scale = 1.0;
  int justification = kZero;
  int flags = 0;
  long parametersLeft = 0;
  bool firstParameter = false;
  const auto end = record.pairs.end();
  for (auto pair = ownGroups(record); pair != end; ++pair) {
    const auto& [code, value] = *pair;
    switch (code) {
      case 40: scale = realOf(value); break;
      case 70: justification = parseInt(value.c_str()); break;
      case 71: flags = parseInt(value.c_str()); break;
      case 11: vertices.emplace_back().at.x = realOf(value); break;
      case 21:
        if (!vertices.empty()) vertices.back().at.y = realOf(value);
        break;
      case 12:
        if (!vertices.empty()) vertices.back().direction.x = realOf(value);
        break;
      case 22:
        if (!vertices.empty()) vertices.back().direction.y = realOf(value);
        break;
      case 13:
        if (!vertices.empty()) vertices.back().miter.x = realOf(value);
        break;
      case 23:
        if (!vertices.empty()) vertices.back().miter.y = realOf(value);
        break;
      case 74:
        parametersLeft = count(value);
        firstParameter = true;
        // An element without parameters lies on the vertex.
        if (parametersLeft == 0 && !vertices.empty()) vertices.back().offsets.push_back(0.0);
        break;
      case 41:
        if (parametersLeft > 0 && !vertices.empty()) {
          if (firstParameter) vertices.back().offsets.push_back(realOf(value));
          firstParameter = false;
          --parametersLeft;
        }
        break;
      default: break;
    }
  }
  if (vertices.size() < 2) return;
  std::size_t elements = vertices.front().offsets.size();
  for (const Vertex& v : vertices) elements = std::min(elements, v.offsets.size());
  if (elements == 0) {
    // No element parameters: the default style, placed by the justification. Its lines
    // keep their distance from the path, which along a miter is longer at a corner.
    const double shift = justification == kTop      ? -kDefaultHalfSpacing
                         : justification == kBottom ? kDefaultHalfSpacing
                                                    : 0.0;
    for (Vertex& v : vertices) {
      const PiecePoint d = unitOf(v.direction);
      const PiecePoint m = unitOf(v.miter);
      const double across = d.x * m.y - d.y * m.x;
      const double stretch = std::fabs(across) > 1e-9 ? 1.0 / across : 1.0;
      v.offsets = {(kDefaultHalfSpacing + shift) * scale * stretch,
                   (-kDefaultHalfSpacing + shift) * scale * stretch};
    }
    elements = 2;
  }
  for (std::size_t e = 0; e < elements; ++e) {
    std::vector<PiecePoint> points;
    for (const Vertex& v : vertices) {
      const PiecePoint miter = unitOf(v.miter);
      points.push_back({v.at.x + miter.x * v.offsets[e], v.at.y + miter.y * v.offsets[e]});
    }
    pieces.addPolyline(record.looks, points, (flags & kClosedMLine) != 0);
  }
}

void addWipeoutPieces(const RecordPairs& record, const PieceSink& pieces) {
  PiecePoint at;
  PiecePoint u{1.0, 0.0};
  PiecePoint v{0.0, 1.0};
  PiecePoint size{1.0, 1.0};
  int boundaryKind = 0;
  std::vector<PiecePoint> boundary;
  const auto end = record.pairs.end();
  for (auto pair = ownGroups(record); pair != end; ++pair) {
    const auto& [code, value] = *pair;
    switch (code) {
      case 10: at.x = realOf(value); break;
      case 20: at.y = realOf(value); break;
      case 11: u.x = realOf(value); break;
      case 21: u.y = realOf(value); break;
      case 12: v.x = realOf(value); break;
      case 22: v.y = realOf(value); break;
      case 13: size.x = realOf(value); break;
      case 23: size.y = realOf(value); break;
      case 71: boundaryKind = parseInt(value.c_str()); break;
      case 14: boundary.push_back({realOf(value), 0.0}); break;
      case 24:
        if (!boundary.empty()) boundary.back().y = realOf(value);
        break;
      default: break;
    }
  }
  if (boundaryKind == kRectangleBoundary && boundary.size() == 2) {
    const PiecePoint a = boundary[0];
    const PiecePoint c = boundary[1];
    boundary = {a, {c.x, a.y}, c, {a.x, c.y}};
  }
  if (boundary.size() < 3) return;
  // Boundary points count pixels from the top left corner of the picture, whose pixel
  // centres lie half a pixel in; u and v are one pixel across and up.
  RecordText hatch(record.looks);
  hatch.integer(62, kBackgroundIndex).integer(420, kBackgroundRgb);
  hatch.text(2, "SOLID").integer(70, 1).integer(91, 1).integer(92, 2).integer(72, 0);
  hatch.integer(73, 1).integer(93, static_cast<long>(boundary.size()));
  for (const PiecePoint& p : boundary) {
    const double across = p.x + 0.5;
    const double up = size.y - p.y - 0.5;
    hatch.point(10, {at.x + u.x * across + v.x * up, at.y + u.y * across + v.y * up});
  }
  hatch.integer(97, 0).integer(75, 0).integer(76, 1).integer(98, 0);
  pieces.add("HATCH", hatch);
}

std::string styleNameOf(const RecordPairs& record) {
  for (const auto& [code, value] : record.pairs) {
    if (code == 3) return value;
  }
  return "";
}

void addTolerancePieces(const RecordPairs& record, const LeaderStyle& style,
                        const PieceSink& pieces) {
  PiecePoint at;
  PiecePoint direction{1.0, 0.0};
  std::string text;
  const auto end = record.pairs.end();
  for (auto pair = ownGroups(record); pair != end; ++pair) {
    const auto& [code, value] = *pair;
    switch (code) {
      case 10: at.x = realOf(value); break;
      case 20: at.y = realOf(value); break;
      case 11: direction.x = realOf(value); break;
      case 21: direction.y = realOf(value); break;
      case 1: text = value; break;
      default: break;
    }
  }
  const double height = style.textHeight * style.effectiveScale();
  if (text.empty() || !(height > 0.0) || !std::isfinite(height)) return;
  // "%%v" separates the frames of a line, "^J" starts the next line.
  text = replaced(replaced(text, "%%v", kFrameGap), "^J", "\\P");
  const PiecePoint along = unitOf(direction);
  // The top of the first line's capitals half a height above the insertion point.
  const PiecePoint top{at.x - along.y * height / 2, at.y + along.x * height / 2};
  RecordText mtext(record.looks);
  mtext.point(10, top).number(40, height).integer(71, 1).point(11, along).text(1, text);
  pieces.add("MTEXT", mtext);
}
