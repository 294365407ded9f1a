// A filled or patterned area: the DXF entity HATCH.
#include "entities/Hatch.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include "dxf/ColourIndex.h"
#include "entities/HatchBoundary.h"
#include "entities/Linie.h"
#include "entities/Punkt.h"
#include "entities/Solid.h"

namespace {

// What the groups after the boundary paths say about the fill.
// The hatch styles (group 75): which islands the fill leaves out.
enum class HatchStyle { OddParity = 0, Outermost = 1, IgnoreIslands = 2 };
// Beyond this many boundary paths every path counts, whatever the style.
constexpr std::size_t kMaxStyledPaths = 2000;

struct FillGroups {
  HatchStyle style = HatchStyle::OddParity;
  bool solid = false;
  bool gradient = false;
  int gradientColourNumber = -1;
  long gradientTrueColour = -1;
  std::vector<PatternLine> pattern;
  Extrusion extrusion;
  double elevation = 0.0;
};

std::vector<PatternLine> readPatternLines(GroupCursor& in, int count) {
  std::vector<PatternLine> lines;
  for (int i = 0; i < count && in.peek() == 53; ++i) {
    PatternLine line;
    line.angle = in.real();
    line.base.x = in.realIf(43, 0.0);
    line.base.y = in.realIf(44, 0.0);
    line.offset.x = in.realIf(45, 0.0);
    line.offset.y = in.realIf(46, 0.0);
    const int dashes = std::max(in.integerIf(79, 0), 0);
    for (int k = 0; k < dashes && in.peek() == 49; ++k) line.dashes.push_back(in.real());
    lines.push_back(std::move(line));
  }
  return lines;
}

// Reads every group in order; the boundary paths become rings.
FillGroups readFill(GroupCursor& in, std::vector<Ring>& rings) {
  FillGroups fill;
  bool gradientColours = false;
  while (!in.done()) {
    const int code = in.peek();
    if (code == 91) {
      const int count = in.integer();
      std::vector<Ring> read = readBoundaryPaths(in, count);
      rings.insert(rings.end(), read.begin(), read.end());
    } else if (code == 70) {
      fill.solid = in.integer() == 1;
    } else if (code == 75) {
      const int style = in.integer();
      if (style == 1 || style == 2) fill.style = static_cast<HatchStyle>(style);
    } else if (code == 78) {
      fill.pattern = readPatternLines(in, in.integer());
    } else if (code == 30) {
      fill.elevation = in.real();
    } else if (code == 210 || code == 220 || code == 230) {
      fill.extrusion.take(code, in.real());
    } else if (code == 450) {
      fill.gradient = in.integer() != 0;
    } else if (code == 453) {
      gradientColours = in.integer() > 0;
    } else if (code == 63 && gradientColours && fill.gradientColourNumber < 0) {
      fill.gradientColourNumber = in.integer();
    } else if (code == 421 && gradientColours && fill.gradientTrueColour < 0) {
      fill.gradientTrueColour = in.integer() & 0xFFFFFF;
    } else {
      in.skip();
    }
  }
  return fill;
}

// The paths the style fills by the even-odd rule: every one, those down to the first
// islands (outermost), or the outlines alone (islands ignored).
std::vector<Ring> styled(std::vector<Ring> rings, HatchStyle style) {
  if (style == HatchStyle::OddParity || rings.size() > kMaxStyledPaths) return rings;
  const int deepest = style == HatchStyle::Outermost ? 1 : 0;
  const std::vector<int> depths = nestingDepths(rings);
  std::vector<Ring> kept;
  for (std::size_t i = 0; i < rings.size(); ++i) {
    if (depths[i] <= deepest) kept.push_back(std::move(rings[i]));
  }
  return kept;
}

}  // namespace

Hatch::Hatch() = default;

Hatch::Hatch(const Hatch& other)
    : PointMappedEntity(other), triangles_(other.triangles_), strokes_(other.strokes_) {
  setColourNumber(other.colourNumber_);
}

const char* Hatch::typeName() const { return "HATCH"; }

void Hatch::mapPoints(const std::function<WorldPoint(WorldPoint)>& map) {
  for (Triangle& triangle : triangles_) {
    for (WorldPoint& p : triangle) p = map(p);
  }
  for (PatternStroke& stroke : strokes_) {
    stroke.from = map(stroke.from);
    stroke.to = map(stroke.to);
  }
}

void Hatch::forEachPiece(const std::function<void(DXFGeometrie&)>& use) const {
  for (const Triangle& t : triangles_) {
    Solid solid;
    solid.takeAttributesOf(*this);
    // A triangle repeats its last corner, which reads the same in any corner order.
    solid.setCorner(0, t[0].x, t[0].y);
    solid.setCorner(1, t[1].x, t[1].y);
    solid.setCorner(2, t[2].x, t[2].y);
    solid.setCorner(3, t[2].x, t[2].y);
    use(solid);
  }
  for (const PatternStroke& stroke : strokes_) {
    if (stroke.from.x == stroke.to.x && stroke.from.y == stroke.to.y) {
      Punkt dot(stroke.from.x, stroke.from.y);
      dot.takeAttributesOf(*this);
      use(dot);
    } else {
      Linie line(stroke.from.x, stroke.from.y, stroke.to.x, stroke.to.y);
      line.takeAttributesOf(*this);
      use(line);
    }
  }
}

std::vector<std::unique_ptr<DXFGeometrie>> Hatch::explodedPieces() const {
  std::vector<std::unique_ptr<DXFGeometrie>> pieces;
  forEachPiece([this, &pieces](DXFGeometrie& piece) {
    if (std::strcmp(piece.typeName(), "SOLID") == 0) {
      pieces.push_back(std::make_unique<Solid>(static_cast<Solid&>(piece)));
    } else if (std::strcmp(piece.typeName(), "LINE") == 0) {
      pieces.push_back(std::make_unique<Linie>(static_cast<Linie&>(piece)));
    } else {
      pieces.push_back(std::make_unique<Punkt>(static_cast<Punkt&>(piece)));
    }
    // The copy constructors start a piece's own colour afresh; it is the hatch's.
    pieces.back()->takeAttributesOf(*this);
  });
  return pieces;
}

long Hatch::placementCost() const {
  return 1 + static_cast<long>(triangles_.size() + strokes_.size());
}

void Hatch::draw(DrawingArea& area, double s, double dx, double dy, double a) const {
  if (!visible_) return;
  forEachPiece([&](DXFGeometrie& piece) { piece.draw(area, s, dx, dy, a); });
}

void Hatch::drawOnDevice(DeviceContext& dc, double s, double minX, double minY, double maxX,
                         double maxY, double dx, double dy, double a) const {
  if (!visible_) return;
  forEachPiece(
      [&](DXFGeometrie& piece) { piece.drawOnDevice(dc, s, minX, minY, maxX, maxY, dx, dy, a); });
}

WorldBox Hatch::box() const {
  WorldBox box;
  for (const Triangle& t : triangles_) {
    for (const WorldPoint& p : t) box.add(p);
  }
  for (const PatternStroke& stroke : strokes_) {
    box.add(stroke.from);
    box.add(stroke.to);
  }
  return box;
}

int Hatch::touchesWindow(double minX, double minY, double maxX, double maxY) const {
  return box().overlaps({minX, minY, maxX, maxY}) ? 1 : 0;
}

Punkt Hatch::maxCorner() const {
  const WorldBox b = box();
  return b.empty() ? Punkt() : Punkt(b.maxX, b.maxY);
}

Punkt Hatch::minCorner() const {
  const WorldBox b = box();
  return b.empty() ? Punkt() : Punkt(b.minX, b.minY);
}

int Hatch::readGroups(DxfLineReader& in) {
  setColourNumber("256");
  std::vector<GroupCursor::Pair> pairs;
  const int result = readGroupLoop(in, kEndOfFile, true, [&pairs](int code, DxfLineReader& line) {
    pairs.emplace_back(code, line.readLine());
    return true;
  });
  if (result != 0) return result;
  GroupCursor cursor(pairs);
  std::vector<Ring> rings;
  FillGroups fill = readFill(cursor, rings);
  rings = styled(std::move(rings), fill.style);
  if (fill.gradient) fill.solid = true;
  if (!fill.solid) {
    std::optional<std::vector<PatternStroke>> strokes =
        patternStrokes(fill.pattern, rings, kStrokeBudget);
    if (!strokes) strokes = patternStrokes(fill.pattern, rings, kStrokeBudget, false);
    if (strokes) {
      strokes_ = std::move(*strokes);
    } else {
      fill.solid = true;
    }
  }
  if (fill.solid) triangles_ = evenOddTriangles(rings);
  // Boundary and pattern lie in the hatch's own plane; their pieces go into the world.
  if (!fill.extrusion.isWorld()) {
    mapPoints([&fill](WorldPoint p) {
      fill.extrusion.toWorld(p.x, p.y, fill.elevation);
      return p;
    });
  }
  deriveColour();
  if (fill.gradient && fill.gradientColourNumber > 0) {
    setColourNumber(std::to_string(fill.gradientColourNumber).c_str());
    deriveColour();
  } else if (fill.gradient && fill.gradientTrueColour >= 0) {
    char colour[8];
    ColourIndex::formatRgb(static_cast<ColourIndex::Rgb>(fill.gradientTrueColour), colour);
    setColour(colour);
    ownColour_ = 1;
  }
  return 0;
}

int Hatch::writeGroups(std::ostream& out) const {
  // Each piece closes with the "  0" line that the next record's type name follows.
  forEachPiece([&out](DXFGeometrie& piece) { piece.writeGroups(out); });
  return 0;
}
