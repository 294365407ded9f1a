// A block reference (INSERT): a block placed by name at a point with a rotation and a scale.
#include "document/DXF_Insert.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <ostream>
#include <utility>

#include "document/DXF_Block.h"
#include "document/PlacedContent.h"
#include "document/Polylinie.h"
#include "dxf/InternedNames.h"
#include "dxf/GroupTable.h"
#include "entities/QuarterTurns.h"

namespace {

// The placement as the file holds it: insertion point 10, 20, 30, scales 41 (x) and 42
// (y), rotation 50 in degrees, and a MINSERT's column and row spacings 44 and 45.
struct FilePlacement {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  double scaleX = 1.0;
  double scaleY = 1.0;
  double rotation = 0.0;
  double columnSpacing = 0.0;
  double rowSpacing = 0.0;
};

// The group table of a placement, in the order written.
template <class Placement>
std::array<RealGroupOf<Placement>, 6> groupTable(Placement& placement) {
  return {{{10, &placement.x},
           {20, &placement.y},
           {30, &placement.z},
           {41, &placement.scaleX},
           {42, &placement.scaleY},
           {50, &placement.rotation}}};
}

// The grid spacings, written only for a MINSERT.
template <class Placement>
std::array<RealGroupOf<Placement>, 2> gridTable(Placement& placement) {
  return {{{44, &placement.columnSpacing}, {45, &placement.rowSpacing}}};
}

// A column or row count as the file gives it, within 1 and the largest count taken.
int gridCount(const char* value) {
  return std::clamp(parseInt(value), 1, DXF_Insert::kMaxGridCount);
}

// The value at `degrees` of a vector (x, y) turned by that angle.
WorldPoint turned(double x, double y, double degrees) {
  const auto [c, n] = cosSinOfDegrees(degrees);
  return {c * x - n * y, n * x + c * y};
}

// A rotation in degrees brought into 0 <= angle < 360.
double normalisedDegrees(double angle) {
  double result = std::fmod(angle, 360.0);
  if (result < 0.0) result += 360.0;
  return result;
}

}  // namespace

DXF_Insert::DXF_Insert() = default;

DXF_Insert::DXF_Insert(const char* blockName, const char* layerName, double x, double y, double z,
                       double rotation, double scale)
    : blockName_(internedField(blockName, kNameSize)),
      layerName_(internedField(layerName, kNameSize)),
      x_(x),
      y_(y),
      z_(z),
      rotation_(rotation),
      scale_(scale) {}

int DXF_Insert::read(DxfLineReader& in) {
  FilePlacement placement;
  const auto reals = groupTable(placement);
  const auto grid = gridTable(placement);
  bool layerSeen = false;
  Extrusion extrusion;
  for (;;) {
    const char* line = in.readLine();
    if (in.eof()) return kEndOfFile;
    if (std::strcmp(line, "{") == 0) {
      while (std::strcmp(in.readLine(), "}") != 0) {
        if (in.eof()) return kEndOfFile;
      }
      continue;
    }
    const int code = groupCode(line, GroupCodeVariant::Standard);
    if (code == 0) break;
    if (readListedGroup(in, code, reals) || readListedGroup(in, code, grid)) continue;
    switch (code) {
      case 2: blockName_ = internedField(in.readLine(), kNameSize); break;
      case 70: columns_ = gridCount(in.readLine()); break;
      case 71: rows_ = gridCount(in.readLine()); break;
      case 8:
        if (layerSeen) {
          in.readLine();
        } else {
          layerName_ = internedField(in.readLine(), kNameSize);
          layerSeen = true;
        }
        break;
      case 62: colourNumber_ = parseInt(in.readLine()); break;
      case 6: linetype_ = in.readLine(); break;
      case 370: lineWeight_ = LineWeight::fromGroup(parseInt(in.readLine())); break;
      case 67: paperSpace_ = parseInt(in.readLine()) == 1; break;
      case 210:
      case 220:
      case 230: extrusion.take(code, parseReal(in.readLine())); break;
      default:
        // Values of unused groups are dropped unseen, so that a value such as "     0"
        // cannot pass for the end of the record.
        in.readLine();
        break;
    }
  }
  x_ = placement.x;
  y_ = placement.y;
  z_ = placement.z;
  rotation_ = placement.rotation;
  double sx = placement.scaleX;
  const double sy = placement.scaleY;
  columnStep_ = turned(placement.columnSpacing, 0.0, placement.rotation);
  rowStep_ = turned(0.0, placement.rowSpacing, placement.rotation);
  // Only the ratio of the scales' sizes is kept apart; their signs and the x scale's size
  // make the signed scale below.
  yStretch_ = sx != 0.0 && std::isfinite(sy / sx) ? std::fabs(sy / sx) : 1.0;
  if (!extrusion.isWorld()) {
    extrusion.toWorld(columnStep_.x, columnStep_.y);
    extrusion.toWorld(rowStep_.x, rowStep_.y);
    // The insertion point and the block's x axis lie in the plane of the extrusion
    // direction; seen from below, the block is mirrored in its x axis as well.
    extrusion.toWorld(x_, y_, z_);
    const bool mirrored = extrusion.mirrors();
    rotation_ = extrusion.angleToWorld(rotation_) + (mirrored ? 180.0 : 0.0);
    if (mirrored) sx = -sx;
  }
  // One signed scale and a rotation such that mirror-then-rotate in the file equals the
  // entities' transform (rotate, then mirror top to bottom for a negative scale).
  if (sx < 0 && sy < 0) {
    scale_ = -sx;
    rotation_ += 180.0;
  } else if (sx < 0) {
    scale_ = sx;
    rotation_ = 180.0 - rotation_;
  } else if (sy < 0) {
    scale_ = -sx;
    rotation_ = -rotation_;
  } else {
    scale_ = sx;
  }
  return 0;
}

int DXF_Insert::write(std::ostream& out) const {
  // A mirrored insert is written as mirrored in y, whose file rotation is the negated one.
  FilePlacement placement;
  placement.x = x_;
  placement.y = y_;
  placement.z = z_;
  placement.scaleX = std::fabs(scale_);
  placement.scaleY = scale_ * yStretch_;
  placement.rotation = scale_ < 0 ? normalisedDegrees(-rotation_) : rotation_;
  out << "INSERT\n  8\n" << layerName_ << "\n  2\n" << blockName_ << '\n';
  writeListedGroups(out, groupTable(std::as_const(placement)));
  if (columns_ > 1 || rows_ > 1) {
    // The spacings along the written rotation's axes.
    const WorldPoint alongColumns = turned(1.0, 0.0, placement.rotation);
    const WorldPoint alongRows = turned(0.0, 1.0, placement.rotation);
    placement.columnSpacing = columnStep_.x * alongColumns.x + columnStep_.y * alongColumns.y;
    placement.rowSpacing = rowStep_.x * alongRows.x + rowStep_.y * alongRows.y;
    out << " 70\n" << columns_ << "\n 71\n" << rows_ << '\n';
    writeListedGroups(out, gridTable(std::as_const(placement)));
  }
  if (colourNumber_ != DXFGeometrie::kByLayer) out << " 62\n" << colourNumber_ << '\n';
  if (!linetype_.empty()) out << "  6\n" << linetype_ << '\n';
  if (paperSpace_) out << " 67\n1\n";
  out << "  0\n";
  return 0;
}

int DXF_Insert::findBlock(const BlockList& blocks) const {
  const int index = blocks.indexOf(blockName_, false);
  return index >= 0 ? index : kBlockNotFound;
}

int DXF_Insert::draw(DrawingArea& area, const BlockList& blocks, double s, double dx, double dy,
                     double a, PlacementBudget* budget) const {
  PlacedContent content(blocks, PlacedContent::Purpose::Draw, budget);
  return content.ofInsert(
      *this, [&](std::unique_ptr<DXFGeometrie> placed) { placed->draw(area, s, dx, dy, a); });
}

int DXF_Insert::drawOnDevice(DeviceContext& dc, const BlockList& blocks, double s, double minX,
                             double minY, double maxX, double maxY, double dx, double dy, double a,
                             PlacementBudget* budget) const {
  PlacedContent content(blocks, PlacedContent::Purpose::Draw, budget);
  return content.ofInsert(*this, [&](std::unique_ptr<DXFGeometrie> placed) {
    placed->drawOnDevice(dc, s, minX, minY, maxX, maxY, dx, dy, a);
  });
}

int DXF_Insert::relayer(const BlockList& blocks, const LayerList& layers) const {
  const int index = findBlock(blocks);
  if (index < 0) return kBlockNotFound;
  if (const Layer* layer = firstLayerNamed(layers, layerName_)) {
    blocks.at(index)->giveLayerWhereNamed(*layer, "0");
  }
  return 1;
}

int DXF_Insert::applyLayer(const BlockList& blocks, const Layer& layer, const char* name) const {
  const int index = findBlock(blocks);
  if (index < 0) return 0;
  int changed = 0;
  DXF_Block::visitReachable(blocks, *blocks.at(index), [&](DXF_Block& block) {
    changed += block.giveLayerWhereNamed(layer, name);
  });
  return changed > 0 ? 1 : 0;
}

bool DXF_Insert::hidesItsBlock() const { return paperSpace_ || (layer_ && layer_->frozen()); }

WorldPoint DXF_Insert::cellOffset(int column, int row) const {
  return {column * columnStep_.x + row * rowStep_.x, column * columnStep_.y + row * rowStep_.y};
}

void DXF_Insert::transform(double s, double a, double dx, double dy, double dz) {
  const auto turn = cosSinOfDegrees(a);
  const double c = turn.cos;
  const double n = turn.sin;
  const auto map = [&](WorldPoint& p, double ox, double oy) {
    const double placedX = std::fabs(s) * (c * p.x - n * p.y) + ox;
    p.y = s * (n * p.x + c * p.y) + oy;
    p.x = placedX;
  };
  WorldPoint point{x_, y_};
  map(point, dx, dy);
  x_ = point.x;
  y_ = point.y;
  map(columnStep_, 0.0, 0.0);
  map(rowStep_, 0.0, 0.0);
  z_ += dz;
  // Behind a mirror the insert's own rotation turns the other way.
  rotation_ = scale_ < 0 ? rotation_ - a : rotation_ + a;
  scale_ *= s;
}
