// The drawing document: every object of one DXF drawing, in seven lists, and its extents.
#include "document/DXF_Zeichnung.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <numbers>
#include <optional>
#include <string>

#include "document/DXFText.h"
#include "document/DrawingExtents.h"
#include "document/DxfReader.h"
#include "document/DxfWriter.h"
#include "document/EntityCopy.h"
#include "dxf/BinaryDxf.h"
#include "document/PlacedContent.h"
#include "entities/QuarterTurns.h"

namespace {

// A copy of `linetype` under another name. Linientyp offers no renaming, so the name is
// given as the group 2 pair it is read from.
std::unique_ptr<Linientyp> renamedCopy(const Linientyp& linetype, const char* name) {
  auto copy = std::make_unique<Linientyp>(linetype);
  std::string group("  2\n");
  group += name;
  group += "\n  0\n";
  DxfLineReader nameGroup = DxfLineReader::fromString(std::move(group));
  copy->read(nameGroup);
  return copy;
}

// Revisions of every document of the run, so none is ever given twice.
std::atomic<std::uint64_t> lastRevision{0};
std::atomic<DXF_Zeichnung::ChangeHook> changeHook{nullptr};

}  // namespace

DXF_Zeichnung::DXF_Zeichnung() { touch(); }

void DXF_Zeichnung::touch() {
  if (const ChangeHook hook = changeHook.load()) hook(*this);
  revision_ = lastRevision.fetch_add(1, std::memory_order_relaxed) + 1;
}

void DXF_Zeichnung::setChangeHook(ChangeHook hook) { changeHook = hook; }

DXF_Zeichnung::~DXF_Zeichnung() {
  if (const ChangeHook hook = changeHook.load()) hook(*this);
  entities_.reset(0);
  blocks_.reset(0);
  inserts_.reset(0);
  dimensions_.reset(0);
  layers_.reset(0);
  polylines_.reset(0);
  linetypes_.reset(0);
}

int DXF_Zeichnung::readDXF(const std::filesystem::path& path) {
  touch();
  {
    std::ifstream probe(path, std::ios::binary);
    if (!probe) return DxfReader::kCannotOpen;
    char start[BinaryDxf::kSentinel.size()];
    probe.read(start, sizeof start);
    if (BinaryDxf::isBinary(std::string_view(start, static_cast<std::size_t>(probe.gcount())))) {
      const std::string bytes((std::istreambuf_iterator<char>(probe.seekg(0))),
                              std::istreambuf_iterator<char>());
      return readBinary(bytes);
    }
  }
  DxfLineReader in = DxfLineReader::openFile(path);
  if (!in.isOpen()) return DxfReader::kCannotOpen;
  return DxfReader(*this, in).read();
}

int DXF_Zeichnung::readDXFFromMemory(std::string_view bytes) {
  touch();
  if (BinaryDxf::isBinary(bytes)) return readBinary(bytes);
  DxfLineReader in = DxfLineReader::fromBytes(bytes);
  return DxfReader(*this, in).read();
}

int DXF_Zeichnung::readBinary(std::string_view bytes) {
  std::optional<std::string> text = BinaryDxf::toText(bytes);
  if (!text) return DxfReader::kUnreadableBinary;
  DxfLineReader in = DxfLineReader::fromString(std::move(*text));
  return DxfReader(*this, in).read();
}

int DXF_Zeichnung::writeDXF(const std::filesystem::path& path) const {
  return DxfWriter(*this).write(path);
}

DXF_Block* DXF_Zeichnung::findBlock(const char* name) const {
  const int index = DXF_Block::indexIn(blocks_, name, false);
  return index >= 0 ? blocks_.at(index) : nullptr;
}

Layer* DXF_Zeichnung::findLayer(const char* name) const {
  for (int i = layers_.count() - 1; i >= 0; --i) {
    if (std::strcmp(layers_.at(i)->name(), name) == 0) return layers_.at(i);
  }
  return nullptr;
}

Layer* DXF_Zeichnung::findLayerByShownName(const char* name) const {
  for (int i = layers_.count() - 1; i >= 0; --i) {
    if (std::strcmp(layers_.at(i)->shownName(), name) == 0) return layers_.at(i);
  }
  return nullptr;
}

void DXF_Zeichnung::addBlock(const char* name) {
  touch();
  blocks_.append(std::make_unique<DXF_Block>(name));
}

void DXF_Zeichnung::addInsert(const char* blockName, const char* layerName, double x, double y,
                              double z, double rotation, double scale) {
  touch();
  inserts_.append(std::make_unique<DXF_Insert>(blockName, layerName, x, y, z, rotation, scale));
}

int DXF_Zeichnung::addLinetype(std::unique_ptr<Linientyp> linetype) {
  if (!linetype) return 0;
  for (int i = 0; i < linetypes_.count(); ++i) {
    if (std::strcmp(linetypes_.at(i)->name(), linetype->name()) == 0) return 0;
  }
  linetypes_.append(std::move(linetype));
  return 0;
}

void DXF_Zeichnung::mergeLayers(const DXF_Zeichnung& other) {
  for (int i = other.layers_.count() - 1; i >= 0; --i) {
    const Layer& layer = *other.layers_.at(i);
    if (!findLayer(layer.name())) layers_.append(std::make_unique<Layer>(&layer));
  }
}

void DXF_Zeichnung::mergeLinetypes(const DXF_Zeichnung& other) {
  for (int i = other.linetypes_.count() - 1; i >= 0; --i) {
    addLinetype(std::make_unique<Linientyp>(*other.linetypes_.at(i)));
  }
}

void DXF_Zeichnung::copyBlockFrom(const DXF_Zeichnung& other, const char* name) {
  touch();
  const DXF_Block* source = other.findBlock(name);
  if (!source) return;
  std::vector<const DXF_Block*> chain;
  std::unordered_set<const DXF_Block*> copied;
  copyBlockTree(other, *source, chain, copied);
}

void DXF_Zeichnung::copyBlockTree(const DXF_Zeichnung& other, const DXF_Block& source,
                                  std::vector<const DXF_Block*>& chain,
                                  std::unordered_set<const DXF_Block*>& copied) {
  if (!copied.insert(&source).second) return;
  blocks_.append(std::make_unique<DXF_Block>(source));
  if (static_cast<int>(chain.size()) >= DXF_Block::kMaxDepth) return;
  chain.push_back(&source);
  const InsertList& inserts = source.inserts();
  for (int i = 0; i < inserts.count(); ++i) {
    const DXF_Block* nested = other.findBlock(inserts.at(i)->blockName());
    if (nested && std::find(chain.begin(), chain.end(), nested) == chain.end()) {
      copyBlockTree(other, *nested, chain, copied);
    }
  }
  chain.pop_back();
}

void DXF_Zeichnung::growExtents(double x1, double y1, double x2, double y2) {
  if (x1 < minX_) minX_ = x1;
  if (y1 < minY_) minY_ = y1;
  if (x2 > maxX_) maxX_ = x2;
  if (y2 > maxY_) maxY_ = y2;
}

void DXF_Zeichnung::setExtents(double x1, double y1, double x2, double y2) {
  minX_ = x1;
  minY_ = y1;
  maxX_ = x2;
  maxY_ = y2;
}

int DXF_Zeichnung::drawAll(DrawingArea& area, double factor) const {
  DXFGeometrie::resetPenCache();
  for (int i = entities_.count() - 1; i >= 0; --i) entities_.at(i)->draw(area, factor, 0, 0, 0);
  for (int i = polylines_.count() - 1; i >= 0; --i) {
    polylines_.at(i)->draw(area, factor, 0, 0, 0);
  }
  for (int i = inserts_.count() - 1; i >= 0; --i) {
    inserts_.at(i)->draw(area, blocks_, factor, 0, 0, 0);
  }
  for (int i = dimensions_.count() - 1; i >= 0; --i) {
    dimensions_.at(i)->draw(area, blocks_, factor, 0, 0, 0);
  }
  return 0;
}

int DXF_Zeichnung::drawAllOnDevice(DeviceContext& dc, double factor, double minX, double minY,
                                   double maxX, double maxY) const {
  DXFGeometrie::resetPenCache();
  for (int i = entities_.count() - 1; i >= 0; --i) {
    entities_.at(i)->drawOnDevice(dc, factor, minX, minY, maxX, maxY, 0, 0, 0);
  }
  for (int i = polylines_.count() - 1; i >= 0; --i) {
    polylines_.at(i)->drawOnDevice(dc, factor, minX, minY, maxX, maxY, 0, 0, 0);
  }
  for (int i = inserts_.count() - 1; i >= 0; --i) {
    inserts_.at(i)->drawOnDevice(dc, blocks_, factor, minX, minY, maxX, maxY, 0, 0, 0);
  }
  for (int i = dimensions_.count() - 1; i >= 0; --i) {
    dimensions_.at(i)->drawOnDevice(dc, blocks_, factor, minX, minY, maxX, maxY, 0, 0, 0);
  }
  return 0;
}

int DXF_Zeichnung::applyLayer(const Layer* layer, const char* name) {
  touch();
  if (!layer || !name) return 0;
  int changed = 0;
  for (int i = entities_.count() - 1; i >= 0; --i) {
    DXFGeometrie& entity = *entities_.at(i);
    if (sameNameIgnoringCase(entity.layerName(), name)) {
      entity.assignLayer(layer);
      changed = 1;
    }
  }
  for (int i = polylines_.count() - 1; i >= 0; --i) {
    Polylinie& polyline = *polylines_.at(i);
    if (sameNameIgnoringCase(polyline.layerName(), name)) {
      polyline.assignLayer(layer);
      changed = 1;
    }
  }
  for (int i = inserts_.count() - 1; i >= 0; --i) {
    if (inserts_.at(i)->applyLayer(blocks_, *layer, name) > 0) changed = 1;
  }
  for (int i = dimensions_.count() - 1; i >= 0; --i) {
    DXF_Bemassung& dimension = *dimensions_.at(i);
    if (sameNameIgnoringCase(dimension.layerName(), name) &&
        dimension.applyLayer(blocks_, *layer) > 0) {
      changed = 1;
    }
  }
  // The layer's linetype must be in the table for the written file to be complete.
  if (const Layer* own = findLayer(layer->name())) {
    const char* wanted = own->linetypeName();
    bool present = false;
    for (int i = 0; i < linetypes_.count() && !present; ++i) {
      present = std::strcmp(linetypes_.at(i)->name(), wanted) == 0;
    }
    if (!present && !linetypes_.empty()) addLinetype(renamedCopy(*linetypes_.at(0), wanted));
  }
  return changed;
}

void DXF_Zeichnung::rotateAll(double scale, double angle, double dx, double dy, double dz) {
  touch();
  for (int i = entities_.count() - 1; i >= 0; --i) {
    entities_.at(i)->transform(scale, angle, dx, dy, dz);
  }
  for (int i = polylines_.count() - 1; i >= 0; --i) {
    polylines_.at(i)->transform(scale, angle, dx, dy, dz);
  }
  for (int i = inserts_.count() - 1; i >= 0; --i) {
    DXF_Insert& insert = *inserts_.at(i);
    insert.transform(scale, angle, dx, dy, dz);
    insert.relayer(blocks_, layers_);
  }
  for (int i = dimensions_.count() - 1; i >= 0; --i) dimensions_.at(i)->relayer(blocks_, layers_);
  // An empty box stays empty; a real one becomes the box around its turned corners.
  if (maxX_ < minX_ || maxY_ < minY_) return;
  const auto [c, s] = cosSinOfDegrees(angle);
  DrawingExtents::Box box;
  for (double x : {minX_, maxX_}) {
    for (double y : {minY_, maxY_}) box.add(x * c - y * s + dx, x * s + y * c + dy);
  }
  if (box.empty) return;
  minX_ = box.minX;
  maxX_ = box.maxX;
  minY_ = box.minY;
  maxY_ = box.maxY;
}

void DXF_Zeichnung::drawPrintCaption(DeviceContext& dc, double factor, const char* text,
                                     int corner) {
  if (corner < kUpperLeft || corner > kLowerRight) return;
  const double m = std::fabs(maxX_ - minX_) * 0.05;
  printMargin_ = m;
  const Layer layer;
  const bool left = corner == kUpperLeft || corner == kLowerLeft;
  const bool top = corner == kUpperLeft || corner == kUpperRight;
  const double x = left ? minX_ - 1.2 * m : maxX_ + 1.2 * m;
  const double y = top ? maxY_ + 1.2 * m : minY_ - 1.2 * m;
  const double step = top ? -0.4 * m : 0.4 * m;
  std::string_view rest = text ? text : "";
  for (int k = 0; !rest.empty(); ++k) {
    const std::size_t end = rest.find('\n');
    const std::string line(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    DXFText caption(x, y + k * step, line.c_str(), 0.25 * m, 0.0, &layer);
    if (corner != kUpperLeft) {
      caption.setAlignment(left ? DXFText::kHAlignLeft : DXFText::kHAlignRight,
                           top ? DXFText::kVAlignTop : DXFText::kVAlignBottom);
    }
    caption.drawOnDevice(dc, factor, minX_ - 2 * m, minY_ - 2 * m, maxX_ + 2 * m, maxY_ + 2 * m,
                         0, 0, 0);
  }
  printMargin_ = 0.0;
}

void DXF_Zeichnung::explodeAll() {
  touch();
  auto intoEntities = [this](std::unique_ptr<DXFGeometrie> placed) {
    entities_.append(std::move(placed));
  };
  for (int i = inserts_.count() - 1; i >= 0; --i) {
    PlacedContent(blocks_, PlacedContent::Purpose::Explode).ofInsert(*inserts_.at(i), intoEntities);
  }
  inserts_.reset(50);
  for (int i = polylines_.count() - 1; i >= 0; --i) {
    const Polylinie& polyline = *polylines_.at(i);
    for (int k = 0; k < polyline.segmentCount(); ++k) {
      entities_.append(EntityCopy::of(*polyline.segmentAt(k)));
    }
  }
  polylines_.reset(100);
  for (int i = dimensions_.count() - 1; i >= 0; --i) {
    PlacedContent(blocks_, PlacedContent::Purpose::Explode)
        .ofDimension(*dimensions_.at(i), intoEntities);
  }
  dimensions_.reset(100);
  blocks_.reset(20);
}

bool DXF_Zeichnung::computeExtents() {
  const DrawingExtents::Box box = DrawingExtents(*this).compute();
  if (box.empty) return false;
  minX_ = box.minX;
  maxX_ = box.maxX;
  minY_ = box.minY;
  maxY_ = box.maxY;
  return true;
}
