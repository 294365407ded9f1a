// A block reference (INSERT): a block placed by name at a point with a rotation and a scale.
#include "document/DXF_Insert.h"

#include <array>
#include <cmath>
#include <cstring>
#include <ostream>
#include <utility>

#include "document/DXF_Block.h"
#include "document/PlacedContent.h"
#include "document/Polylinie.h"
#include "dxf/GroupTable.h"
#include "entities/QuarterTurns.h"

namespace {

// The placement as the file holds it: insertion point 10, 20, 30, scales 41 (x) and 42
// (y), rotation 50 in degrees.
struct FilePlacement {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  double scaleX = 1.0;
  double scaleY = 1.0;
  double rotation = 0.0;
};

// The group table of a placement, in the order written.
template <class Placement>
std::array<RealGroupOf<Placement>, 6> groupTable(Placement& placement) {
  return {{{10, &placement.x}, {20, &placement.y}, {30, &placement.z},
           {41, &placement.scaleX}, {42, &placement.scaleY}, {50, &placement.rotation}}};
}

// A rotation in degrees brought into 0 <= angle < 360.
double normalisedDegrees(double angle) {
  double result = std::fmod(angle, 360.0);
  if (result < 0.0) result += 360.0;
  return result;
}

}  // namespace

DXF_Insert::DXF_Insert() {
  copyField(blockName_, "BLOCK");
  copyField(layerName_, "LAYER");
}

DXF_Insert::DXF_Insert(const char* blockName, const char* layerName, double x, double y,
                       double z, double rotation, double scale)
    : x_(x), y_(y), z_(z), rotation_(rotation), scale_(scale) {
  copyField(blockName_, blockName);
  copyField(layerName_, layerName);
}

int DXF_Insert::read(DxfLineReader& in) {
  FilePlacement placement;
  const auto reals = groupTable(placement);
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
    if (readListedGroup(in, code, reals)) continue;
    switch (code) {
      case 2: copyField(blockName_, in.readLine()); break;
      case 8:
        if (layerSeen) {
          in.readLine();
        } else {
          copyField(layerName_, in.readLine());
          layerSeen = true;
        }
        break;
      case 62: colourNumber_ = parseInt(in.readLine()); break;
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
  if (!extrusion.isWorld()) {
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
    scale_ = sy;
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
  placement.scaleY = scale_;
  placement.rotation = scale_ < 0 ? normalisedDegrees(-rotation_) : rotation_;
  out << "INSERT\n  8\n" << layerName_ << "\n  2\n" << blockName_ << '\n';
  writeListedGroups(out, groupTable(std::as_const(placement)));
  if (colourNumber_ != DXFGeometrie::kByLayer) out << " 62\n" << colourNumber_ << '\n';
  if (paperSpace_) out << " 67\n1\n";
  out << "  0\n";
  return 0;
}

int DXF_Insert::findBlock(const BlockList& blocks) const {
  const int index = DXF_Block::indexIn(blocks, blockName_, false);
  return index >= 0 ? index : kBlockNotFound;
}

int DXF_Insert::draw(DrawingArea& area, const BlockList& blocks, double s, double dx,
                     double dy, double a) const {
  PlacedContent content(blocks, PlacedContent::Purpose::Draw);
  return content.ofInsert(*this, [&](std::unique_ptr<DXFGeometrie> placed) {
    placed->draw(area, s, dx, dy, a);
  });
}

int DXF_Insert::drawOnDevice(DeviceContext& dc, const BlockList& blocks, double s, double minX,
                             double minY, double maxX, double maxY, double dx, double dy,
                             double a) const {
  PlacedContent content(blocks, PlacedContent::Purpose::Draw);
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

void DXF_Insert::transform(double s, double a, double dx, double dy, double dz) {
  const auto [c, n] = cosSinOfDegrees(a);
  const double placedX = std::fabs(s) * (c * x_ - n * y_) + dx;
  y_ = s * (n * x_ + c * y_) + dy;
  x_ = placedX;
  z_ += dz;
  // Behind a mirror the insert's own rotation turns the other way.
  rotation_ = scale_ < 0 ? rotation_ - a : rotation_ + a;
  scale_ *= s;
}
