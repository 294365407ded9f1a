// A MULTILEADER record: leader lines, arrowheads, dog-legs and content.
#include "document/MultiLeaderReader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "document/DXFText.h"
#include "document/MTextLines.h"
#include "document/TextWidths.h"

namespace {

// Where a group stands: the nesting of the context data's braces.
enum class Scope { Entity, Context, Branch, Line };

// How the leader lines are drawn (group 170).
enum LeaderType : int { kInvisibleLeader = 0, kStraightLeader = 1, kSplineLeader = 2 };

// The high byte of a raw colour (groups 90, 91, 93) tells what the low bytes hold.
enum RawColourKind : std::uint32_t { kRawTrueColour = 0xC2, kRawIndexColour = 0xC3 };

// Longest text value the MTEXT groups hold in one line; longer contents go in pieces.
constexpr std::size_t kTextChunk = 250;

struct Branch {
  PiecePoint last;
  bool hasLast = false;
  PiecePoint dogleg{1.0, 0.0};
  double doglegLength = 0.0;
  bool horizontal = true;  // group 271 = 0: the text is attached at its side
  std::vector<std::vector<PiecePoint>> lines;
};

struct MultiLeader {
  // Context data.
  double textHeight = 0.0;
  double arrowSize = 0.0;
  bool hasText = false;
  std::string text;
  PiecePoint textAt;
  PiecePoint textDirection{1.0, 0.0};
  double textWidth = 0.0;
  double lineSpacing = 1.0;
  int attachment = 1;
  std::int64_t textColour = 0;
  bool hasBlock = false;
  std::string blockHandle;
  PiecePoint blockAt;
  PiecePoint blockScale{1.0, 1.0};
  double blockRotation = 0.0;  // radians
  std::int64_t blockColour = 0;
  std::vector<Branch> branches;
  // The entity's own groups after the context data.
  int leaderType = kStraightLeader;
  bool dogleg = true;
  bool framed = false;      // group 292: a frame around the text
  double landingGap = 0.0;  // context group 145: between the text and its frame
  double entityArrowSize = 0.0;
  std::string arrowHandle;
  std::int64_t lineColour = 0;
};

double real(const std::string& value) { return parseReal(value.c_str()); }
int integer(const std::string& value) { return parseInt(value.c_str()); }

void takeContext(MultiLeader& m, int code, const std::string& value) {
  switch (code) {
    case 41: m.textHeight = real(value); break;
    case 140: m.arrowSize = real(value); break;
    case 145: m.landingGap = real(value); break;
    case 290: m.hasText = integer(value) != 0; break;
    case 304: m.text = value; break;
    case 12: m.textAt.x = real(value); break;
    case 22: m.textAt.y = real(value); break;
    case 13: m.textDirection.x = real(value); break;
    case 23: m.textDirection.y = real(value); break;
    case 43: m.textWidth = real(value); break;
    case 45: m.lineSpacing = real(value); break;
    case 171: m.attachment = integer(value); break;
    case 90: m.textColour = parseInt(value.c_str()); break;
    case 296: m.hasBlock = integer(value) != 0; break;
    case 341: m.blockHandle = value; break;
    case 15: m.blockAt.x = real(value); break;
    case 25: m.blockAt.y = real(value); break;
    case 16: m.blockScale.x = real(value); break;
    case 26: m.blockScale.y = real(value); break;
    case 46: m.blockRotation = real(value); break;
    case 93: m.blockColour = parseInt(value.c_str()); break;
    default: break;
  }
}

void takeBranch(Branch& branch, int code, const std::string& value) {
  switch (code) {
    case 10: branch.last.x = real(value); break;
    case 20: branch.last.y = real(value); break;
    case 290: branch.hasLast = integer(value) != 0; break;
    case 11: branch.dogleg.x = real(value); break;
    case 21: branch.dogleg.y = real(value); break;
    case 40: branch.doglegLength = real(value); break;
    case 271: branch.horizontal = integer(value) == 0; break;
    default: break;
  }
}

void takeEntity(MultiLeader& m, int code, const std::string& value) {
  switch (code) {
    case 170: m.leaderType = integer(value); break;
    case 291: m.dogleg = integer(value) != 0; break;
    case 292: m.framed = integer(value) != 0; break;
    case 42: m.entityArrowSize = real(value); break;
    case 345: m.arrowHandle = value; break;
    case 91: m.lineColour = parseInt(value.c_str()); break;
    default: break;
  }
}

MultiLeader parse(const RecordPairs& record) {
  MultiLeader m;
  Scope scope = Scope::Entity;
  for (const auto& [code, value] : record.pairs) {
    // The braces open and close the nested parts of the context data.
    if (code == 300 && value == "CONTEXT_DATA{") {
      scope = Scope::Context;
    } else if (code == 301 && scope == Scope::Context) {
      scope = Scope::Entity;
    } else if (code == 302 && scope == Scope::Context) {
      m.branches.emplace_back();
      scope = Scope::Branch;
    } else if (code == 303 && scope == Scope::Branch) {
      scope = Scope::Context;
    } else if (code == 304 && scope == Scope::Branch) {
      m.branches.back().lines.emplace_back();
      scope = Scope::Line;
    } else if (code == 305 && scope == Scope::Line) {
      scope = Scope::Branch;
    } else if (scope == Scope::Line) {
      std::vector<PiecePoint>& line = m.branches.back().lines.back();
      if (code == 10) line.push_back({real(value), 0.0});
      if (code == 20 && !line.empty()) line.back().y = real(value);
    } else if (scope == Scope::Branch) {
      takeBranch(m.branches.back(), code, value);
    } else if (scope == Scope::Context) {
      takeContext(m, code, value);
    } else {
      takeEntity(m, code, value);
    }
  }
  return m;
}

// The colour groups of a raw colour that names an index or a true colour; "" for one that
// follows the layer or block, so the piece keeps the multi-leader's own.
std::string colourGroups(std::int64_t raw) {
  const auto bits = static_cast<std::uint32_t>(raw);
  const std::uint32_t kind = bits >> 24;
  if (kind == kRawIndexColour) return " 62\n" + std::to_string(bits & 0xFF) + "\n";
  if (kind == kRawTrueColour) return "420\n" + std::to_string(bits & 0xFFFFFF) + "\n";
  return "";
}

bool usable(double v) { return std::isfinite(v); }

// The rectangle around the text's lines (the TEXT pieces from index `firstLine` on), the
// landing gap away from them: as wide as the widest line, from the first line's capitals
// to the last line's baseline, placed on the text's point as its attachment says.
void addFrame(const MultiLeader& m, const std::string& looks, const PieceSink& pieces,
              int firstLine) {
  const EntityList& entities = pieces.lists().entities;
  const int lines = entities.count() - firstLine;
  if (lines <= 0) return;
  double width = 0.0;
  for (int i = firstLine; i < entities.count(); ++i) {
    const auto* line = dynamic_cast<const DXFText*>(entities.at(i));
    if (line) width = std::max(width, TextWidths::of(line->text(), m.textHeight));
  }
  const double height =
      m.textHeight * (1.0 + (lines - 1) * MTextLines::kLineSpacing * m.lineSpacing);
  // Attachments 1 to 9: top, middle, bottom rows of left, centre, right columns.
  const int attachment = std::clamp(m.attachment, 1, 9);
  const int column = (attachment - 1) % 3;
  const int row = (attachment - 1) / 3;
  const double left = -width * column / 2.0 - m.landingGap;
  const double right = left + width + 2.0 * m.landingGap;
  const double top = height * row / 2.0 + m.landingGap;
  const double bottom = top - height - 2.0 * m.landingGap;
  const PiecePoint along = unitOf(m.textDirection);
  const auto at = [&](double x, double y) {
    return PiecePoint{m.textAt.x + along.x * x - along.y * y,
                      m.textAt.y + along.y * x + along.x * y};
  };
  pieces.addPolyline(looks, {at(left, top), at(right, top), at(right, bottom), at(left, bottom)},
                     true);
}

}  // namespace

void MultiLeaderReader::add(const RecordPairs& record, const PieceSink& pieces) const {
  const MultiLeader m = parse(record);

  const std::string lineLooks = record.looks + colourGroups(m.lineColour);
  const double arrowSize = m.arrowSize > 0.0 ? m.arrowSize : m.entityArrowSize;
  const std::string arrowBlock =
      m.arrowHandle.empty() || m.arrowHandle == "0" ? "" : styles_.blockName(m.arrowHandle);
  if (m.leaderType != kInvisibleLeader) {
    for (const Branch& branch : m.branches) {
      // The dog-leg runs on from the last point towards the content when the content is
      // attached at its side.
      const PiecePoint leg = unitOf(branch.dogleg);
      const PiecePoint legEnd{branch.last.x + leg.x * branch.doglegLength,
                              branch.last.y + leg.y * branch.doglegLength};
      const bool withDogleg = m.dogleg && m.leaderType == kStraightLeader;
      for (std::vector<PiecePoint> vertices : branch.lines) {
        if (branch.horizontal) {
          if (withDogleg) vertices.push_back(branch.last);
          vertices.push_back(legEnd);
        } else {
          vertices.push_back(branch.last);
        }
        if (vertices.size() < 2) continue;
        if (m.leaderType == kSplineLeader) {
          RecordText spline(lineLooks);
          for (const PiecePoint& p : vertices) spline.point(11, p);
          pieces.add("SPLINE", spline);
        } else {
          pieces.addPolyline(lineLooks, vertices);
        }
        if (arrowSize > 0.0 && usable(arrowSize) &&
            !sameNameIgnoringCase(arrowBlock.c_str(), "_NONE")) {
          const PiecePoint along =
              unitOf({vertices[0].x - vertices[1].x, vertices[0].y - vertices[1].y});
          pieces.addArrowhead(lineLooks, vertices[0], along, arrowSize, arrowBlock);
        }
      }
    }
  }

  if (m.hasText && !m.text.empty() && m.textHeight > 0.0 && usable(m.textHeight)) {
    RecordText text(record.looks + colourGroups(m.textColour));
    text.point(10, m.textAt).number(40, m.textHeight);
    if (m.textWidth > 0.0 && usable(m.textWidth)) text.number(41, m.textWidth);
    text.integer(71, m.attachment).point(11, m.textDirection).number(44, m.lineSpacing);
    std::size_t start = 0;
    for (; m.text.size() - start > kTextChunk; start += kTextChunk) {
      text.text(3, m.text.substr(start, kTextChunk));
    }
    text.text(1, m.text.substr(start));
    const int before = pieces.lists().entities.count();
    pieces.add("MTEXT", text);
    if (m.framed) addFrame(m, record.looks, pieces, before);
  } else if (m.hasBlock) {
    const std::string name = styles_.blockName(m.blockHandle);
    if (!name.empty()) {
      RecordText insert(record.looks + colourGroups(m.blockColour));
      insert.text(2, name).point(10, m.blockAt).number(41, m.blockScale.x);
      insert.number(42, m.blockScale.y).number(50, m.blockRotation * 180.0 / std::numbers::pi);
      pieces.add("INSERT", insert);
    }
  }
}
