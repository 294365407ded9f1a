// A block definition of the BLOCKS section: a named group of drawing objects.
#include "document/DXF_Block.h"

#include <cstring>
#include <ostream>

#include "document/EntityCopy.h"
#include "document/FiniteRecords.h"
#include "document/ObjectRecords.h"
#include "document/CompositeReader.h"
#include "document/ObjectReader.h"

DXF_Block::DXF_Block() : DXF_Block("BLOCK") {}

DXF_Block::DXF_Block(const char* name) {
  copyField(name_, name);
  recordDrawOrder();
}

DXF_Block::DXF_Block(const DXF_Block& other) : flags_(other.flags_) {
  copyField(name_, other.name_);
  recordDrawOrder();
  for (int i = 0; i < other.entities_.count(); ++i) {
    entities_.append(EntityCopy::of(*other.entities_.at(i)));
  }
  for (int i = 0; i < other.polylines_.count(); ++i) {
    polylines_.append(std::make_unique<Polylinie>(*other.polylines_.at(i)));
  }
  for (int i = 0; i < other.inserts_.count(); ++i) {
    inserts_.append(std::make_unique<DXF_Insert>(*other.inserts_.at(i)));
  }
  for (int i = 0; i < other.dimensions_.count(); ++i) {
    dimensions_.append(std::make_unique<DXF_Bemassung>(*other.dimensions_.at(i)));
  }
  keepDrawOrderOf(other.order_);
}

void DXF_Block::recordDrawOrder() {
  entities_.recordOrderIn(&order_, ObjectKind::Entity);
  polylines_.recordOrderIn(&order_, ObjectKind::Polyline);
  inserts_.recordOrderIn(&order_, ObjectKind::Insert);
  dimensions_.recordOrderIn(&order_, ObjectKind::Dimension);
}

int DXF_Block::readHead(DxfLineReader& in) {
  for (;;) {
    const int code = in.readGroupCode(GroupCodeVariant::Standard);
    if (in.eof()) return kEndOfFile;
    if (code == 0) return 0;
    const char* value = in.readLine();
    switch (code) {
      case 2: copyField(name_, value); break;
      case 70: flags_ = parseInt(value); break;
      case 10: baseX_ = parseReal(value); break;
      case 20: baseY_ = parseReal(value); break;
      default: break;
    }
  }
}

int DXF_Block::read(DxfLineReader& in, const LayerIndex& layers, bool utf8Texts,
                    const CompositeReader& composites, SkippedKinds& skipped) {
  if (readHead(in) < 0) return kEndOfFile;
  ObjectLists lists{entities_, polylines_, inserts_, dimensions_};
  for (;;) {
    // The line after a group code 0: the kind of the next record.
    const char* kind = in.readLine();
    if (std::strcmp(kind, "ENDBLK") == 0) break;
    if (in.eof()) return kEndOfFile;
    const CompositeReader::Outcome composite = composites.read(kind, in, lists);
    if (composite.recognised) {
      if (composite.result < 0) return composite.result;
      if (in.eof()) return kEndOfFile;
      continue;
    }
    const ObjectReader::Outcome outcome = ObjectReader::read(kind, in, lists, layers, utf8Texts);
    if (outcome.recognised) {
      // A failing insert or dimension ends the block; the blocks reader then meets the
      // end of the data.
      if (outcome.result < 0) return outcome.insertOrDimension ? 0 : outcome.result;
      if (in.eof()) return kEndOfFile;
      continue;
    }
    // Attribute definitions show only as the attributes of inserts.
    if (std::strcmp(kind, "SEQEND") != 0 && std::strcmp(kind, "ATTDEF") != 0) skipped.add(kind);
    // The groups of a record of another kind, up to the next group code 0.
    for (;;) {
      const int code = in.readGroupCode(GroupCodeVariant::Standard);
      if (in.eof()) return kEndOfFile;
      if (code == 0) break;
      in.readLine();
    }
  }
  // The ENDBLK record's own groups.
  for (;;) {
    const int code = in.readGroupCode(GroupCodeVariant::Standard);
    if (in.eof() || code == 0) break;
    in.readLine();
  }
  moveToBase();
  return 0;
}

void DXF_Block::moveToBase() {
  if (baseX_ == 0.0 && baseY_ == 0.0) return;
  const double dx = -baseX_;
  const double dy = -baseY_;
  for (int i = 0; i < entities_.count(); ++i) {
    entities_.at(i)->moveX(dx);
    entities_.at(i)->moveY(dy);
  }
  for (int i = 0; i < polylines_.count(); ++i) polylines_.at(i)->transform(1.0, 0.0, dx, dy, 0.0);
  for (int i = 0; i < inserts_.count(); ++i) inserts_.at(i)->transform(1.0, 0.0, dx, dy, 0.0);
  baseX_ = baseY_ = 0.0;
}

int DXF_Block::write(std::ostream& out, FiniteRecords& records, const LinetypeTexts& texts,
                     const std::unordered_set<const DXF_Insert*>* leftOut) const {
  out << "BLOCK\n  8\n0\n  2\n"
      << name_ << "\n 70\n"
      << flags_ << "\n 10\n0\n 20\n0\n 30\n0\n  3\n"
      << name_ << "\n  0\n";
  writeObjectRecords(order_, entities_, polylines_, inserts_, dimensions_, texts, leftOut, records);
  out << "ENDBLK\n  8\n0\n  0\n";
  return 0;
}

void DXF_Block::addInsert(const char* blockName, const char* layerName, double x, double y,
                          double z, double rotation, double scale) {
  inserts_.append(std::make_unique<DXF_Insert>(blockName, layerName, x, y, z, rotation, scale));
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
