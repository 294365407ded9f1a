// A block definition of the BLOCKS section: a named group of drawing objects.
#include "document/DXF_Block.h"

#include <cstring>
#include <ostream>

#include "document/EntityCopy.h"
#include "document/ObjectReader.h"

DXF_Block::DXF_Block() : DXF_Block("BLOCK") {}

DXF_Block::DXF_Block(const char* name) { copyField(name_, name); }

DXF_Block::DXF_Block(const DXF_Block& other) : flags_(other.flags_) {
  copyField(name_, other.name_);
  for (int i = other.entities_.count() - 1; i >= 0; --i) {
    entities_.append(EntityCopy::of(*other.entities_.at(i)));
  }
  for (int i = other.polylines_.count() - 1; i >= 0; --i) {
    polylines_.append(std::make_unique<Polylinie>(*other.polylines_.at(i)));
  }
  for (int i = other.inserts_.count() - 1; i >= 0; --i) {
    inserts_.append(std::make_unique<DXF_Insert>(*other.inserts_.at(i)));
  }
  for (int i = other.dimensions_.count() - 1; i >= 0; --i) {
    dimensions_.append(std::make_unique<DXF_Bemassung>(*other.dimensions_.at(i)));
  }
}

int DXF_Block::readName(DxfLineReader& in) {
  for (;;) {
    const char* line = in.readLine();
    if (in.eof()) return kEndOfFile;
    const bool isName = matchCode(line, 2);
    const char* value = in.readLine();
    if (isName) {
      copyField(name_, value);
      return 0;
    }
  }
}

int DXF_Block::read(DxfLineReader& in, const LayerIndex& layers, bool utf8Texts) {
  if (readName(in) < 0) return kEndOfFile;
  ObjectLists lists{entities_, polylines_, inserts_, dimensions_};
  bool afterZero = false;  // the line before reads as group code 0
  bool inHead = true;      // still before the block's first "  0" line
  for (;;) {
    const char* line = in.readLine();
    if (in.eof()) return kEndOfFile;
    if (afterZero) inHead = false;
    if (matchCode(line, 70)) {
      // Only the block's own group 70 counts: flags of the objects inside must not become
      // the block's (their bits would mark it as an external reference).
      const int flags = parseInt(in.readLine());
      if (inHead) flags_ = flags;
      afterZero = false;
      continue;
    }
    if (afterZero) {
      const ObjectReader::Outcome outcome =
          ObjectReader::read(line, in, ObjectReader::Context::Block, lists, layers, utf8Texts);
      if (outcome.recognised) {
        // A failing insert or dimension ends the block; the blocks reader then meets the
        // end of the data.
        if (outcome.result < 0) return outcome.insertOrDimension ? 0 : outcome.result;
        if (in.eof()) return kEndOfFile;
        afterZero = ObjectReader::isZeroCodeLine(in.line());
        continue;
      }
    }
    if (std::strcmp(line, "ENDBLK") == 0) return 0;
    afterZero = ObjectReader::isZeroCodeLine(line);
  }
}

int DXF_Block::write(std::ostream& out) const {
  out << "BLOCK\n  8\n0\n  2\n" << name_ << "\n 70\n" << flags_
      << "\n 10\n0\n 20\n0\n 30\n0\n  3\n" << name_ << "\n  0\n";
  for (int i = entities_.count() - 1; i >= 0; --i) entities_.at(i)->writeGroups(out);
  for (int i = polylines_.count() - 1; i >= 0; --i) polylines_.at(i)->write(out);
  for (int i = inserts_.count() - 1; i >= 0; --i) inserts_.at(i)->write(out);
  for (int i = dimensions_.count() - 1; i >= 0; --i) dimensions_.at(i)->write(out);
  out << "ENDBLK\n  8\n0\n  0\n";
  return 0;
}

void DXF_Block::addInsert(const char* blockName, const char* layerName, double x, double y,
                          double z, double rotation, double scale) {
  inserts_.append(
      std::make_unique<DXF_Insert>(blockName, layerName, x, y, z, rotation, scale));
}

void DXF_Block::giveLayerToAll(const Layer& layer) {
  for (int i = entities_.count() - 1; i >= 0; --i) entities_.at(i)->assignLayer(&layer);
  for (int i = polylines_.count() - 1; i >= 0; --i) polylines_.at(i)->assignLayer(&layer);
}

int DXF_Block::giveLayerWhereNamed(const Layer& layer, const char* name) {
  int changed = 0;
  for (int i = entities_.count() - 1; i >= 0; --i) {
    DXFGeometrie& entity = *entities_.at(i);
    if (std::strcmp(entity.layerName(), name) == 0) {
      entity.assignLayer(&layer);
      ++changed;
    }
  }
  for (int i = polylines_.count() - 1; i >= 0; --i) {
    Polylinie& polyline = *polylines_.at(i);
    if (std::strcmp(polyline.layerName(), name) == 0) {
      polyline.assignLayer(&layer);
      ++changed;
    }
  }
  return changed;
}

int DXF_Block::indexIn(const BlockList& blocks, const char* name, bool ignoreCase) {
  for (int i = blocks.count() - 1; i >= 0; --i) {
    const char* candidate = blocks.at(i)->name();
    if (ignoreCase ? sameNameIgnoringCase(candidate, name) : std::strcmp(candidate, name) == 0) {
      return i;
    }
  }
  return -1;
}
