// The drawing document: every object of one DXF drawing, in seven lists, and its extents.
#include "document/DXF_Zeichnung.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <istream>
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
#include "dxf/TextCodes.h"
#include "document/PlacedContent.h"
#include "document/RegularFile.h"
#include "entities/QuarterTurns.h"

namespace {

// Whether an object on the layer `current`, named `objectName`, follows `layer` given to
// the name `name` (see applyLayer).
bool followsAppliedLayer(const Layer* current, const char* objectName, const Layer* layer,
                         const char* name) {
  if (!sameNameIgnoringCase(objectName, name)) return false;
  return current == nullptr || current == layer || std::strcmp(objectName, name) == 0 ||
         std::strcmp(objectName, layer->name()) == 0;
}

// A linetype named `name` with the description and flags of `linetype` but no pattern: it
// completes the table for a written file and draws as the name's line style code, never
// with another linetype's dashes. Linientyp offers no setters, so it is read from groups.
std::unique_ptr<Linientyp> patternlessNamesake(const Linientyp& linetype, const char* name) {
  auto copy = std::make_unique<Linientyp>();
  std::string groups("  2\n");
  groups += name;
  groups += "\n  3\n";
  groups += linetype.description();
  groups += "\n 70\n" + std::to_string(linetype.flags()) + "\n  0\n";
  DxfLineReader nameGroup = DxfLineReader::fromString(std::move(groups));
  copy->read(nameGroup);
  return copy;
}

// The texts the linetype's elements carry, each from the end of its element (where a
// linetype definition places it), in drawing units; shapes are left out, as the shape
// files they come from are not at hand.
std::vector<PatternText> patternTexts(const Linientyp& linetype,
                                      const std::vector<double>& elements, bool utf8) {
  std::vector<PatternText> texts;
  for (const Linientyp::ElementText& carried : linetype.elementTexts()) {
    if ((carried.flags & Linientyp::kCarriesText) == 0 || carried.text.empty()) continue;
    const auto end = static_cast<std::size_t>(carried.element) + 1;
    if (end > elements.size()) continue;
    double at = 0.0;
    for (std::size_t e = 0; e < end; ++e) at += std::fabs(elements[e]);
    PatternText text;
    text.at = at;
    text.offsetX = carried.offsetX;
    text.offsetY = carried.offsetY;
    text.height = carried.scale;
    text.rotation = carried.rotation;
    text.absolute = (carried.flags & Linientyp::kAbsoluteRotation) != 0;
    text.text = TextCodes::decodeSpecials(utf8 ? TextCodes::windows1252FromUtf8(carried.text)
                                               : carried.text);
    texts.push_back(std::move(text));
  }
  return texts;
}

// Revisions of every document of the run, so none is ever given twice.
std::atomic<std::uint64_t> lastRevision{0};
std::atomic<DXF_Zeichnung::ChangeHook> changeHook{nullptr};

}  // namespace

DXF_Zeichnung::DXF_Zeichnung() {
  entities_.recordOrderIn(&order_, ObjectKind::Entity);
  polylines_.recordOrderIn(&order_, ObjectKind::Polyline);
  inserts_.recordOrderIn(&order_, ObjectKind::Insert);
  dimensions_.recordOrderIn(&order_, ObjectKind::Dimension);
  touch();
}

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
  readProblem_.clear();
  const RegularFile opened = RegularFile::open(path);
  if (!opened.file) {
    readProblem_ = opened.problem;
    return DxfReader::kCannotOpen;
  }
  DxfLineReader in = DxfLineReader::fromFile(opened.file);
  char start[BinaryDxf::kSentinel.size()];
  const std::size_t got = std::fread(start, 1, sizeof start, opened.file);
  int result = 0;
  if (BinaryDxf::isBinary(std::string_view(start, got))) {
    BinaryDxfStream groups(opened.file);
    result = readBinary(groups);
    if (groups.readError() != 0) {
      readProblem_ = std::strerror(groups.readError());
      return DxfReader::kCannotOpen;
    }
  } else if (std::fseek(opened.file, 0, SEEK_SET) != 0) {
    readProblem_ = std::strerror(errno);
    return DxfReader::kCannotOpen;
  } else {
    result = DxfReader(*this, in).read();
  }
  if (in.readError() != 0) {
    readProblem_ = std::strerror(in.readError());
    return DxfReader::kCannotOpen;
  }
  return result;
}

int DXF_Zeichnung::readDXFFromMemory(std::string_view bytes) {
  touch();
  if (BinaryDxf::isBinary(bytes)) {
    BinaryDxfStream groups(bytes);
    return readBinary(groups);
  }
  DxfLineReader in = DxfLineReader::fromBytes(bytes);
  return DxfReader(*this, in).read();
}

int DXF_Zeichnung::readBinary(BinaryDxfStream& groups) {
  std::istream text(&groups);
  DxfLineReader in = DxfLineReader::fromStream(text);
  const int result = DxfReader(*this, in).read();
  // Groups that are no binary DXF, or that end inside a group, make no drawing, whatever
  // the text made of them before looked like.
  return groups.damaged() ? DxfReader::kUnreadableBinary : result;
}

int DXF_Zeichnung::writeDXF(const std::filesystem::path& path, WriteReport* report) const {
  DxfWriter writer(*this);
  const int code = writer.write(path);
  if (report) *report = {writer.leftOut(), writer.reason()};
  return code;
}

DXF_Block* DXF_Zeichnung::findBlock(const char* name) const {
  const int index = blocks_.indexOf(name, false);
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
  touch();
  inserts_.append(std::make_unique<DXF_Insert>(blockName, layerName, x, y, z, rotation, scale));
}

int DXF_Zeichnung::addLinetype(std::unique_ptr<Linientyp> linetype) {
  touch();
  if (!linetype) return 0;
  for (int i = 0; i < linetypes_.count(); ++i) {
    if (std::strcmp(linetypes_.at(i)->name(), linetype->name()) == 0) return 0;
  }
  linetypes_.append(std::move(linetype));
  return 0;
}

void DXF_Zeichnung::mergeLayers(const DXF_Zeichnung& other) {
  touch();
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

LinePatterns DXF_Zeichnung::linePatterns() const {
  LinePatterns patterns;
  // A scale that is no positive number draws the patterns as the table gives them.
  patterns.setScale(linetypeScale_ > 0.0 && std::isfinite(linetypeScale_) ? linetypeScale_ : 1.0);
  patterns.setDefaultLineWeight(lineWeightDefault_);
  for (int i = 0; i < linetypes_.count(); ++i) {
    const Linientyp& linetype = *linetypes_.at(i);
    std::vector<double> elements;
    for (int e = 0; e < linetype.storedElements(); ++e) {
      elements.push_back(parseReal(linetype.element(e)));
    }
    patterns.addTexts(linetype.name(),
                      patternTexts(linetype, elements, DxfReader::textsInUtf8(dxfVersion_)));
    patterns.add(linetype.name(), std::move(elements));
  }
  return patterns;
}

int DXF_Zeichnung::drawAll(DrawingArea& area, double factor) const {
  DXFGeometrie::resetPenCache();
  const LinePatterns patterns = linePatterns();
  const LinePatterns* const previous = area.linePatterns();
  area.setLinePatterns(&patterns);
  lastCut_ = drawLists(area, factor);
  area.setLinePatterns(previous);
  return 0;
}

PlacementCut DXF_Zeichnung::drawLists(DrawingArea& area, double factor) const {
  PlacementBudget budget = PlacementBudget::forDrawing(*this);
  forEachInDrawOrder(
      order_, entities_, polylines_, inserts_, dimensions_,
      [&](const DXFGeometrie& entity, int) { entity.draw(area, factor, 0, 0, 0); },
      [&](const Polylinie& polyline, int) { polyline.draw(area, factor, 0, 0, 0); },
      [&](const DXF_Insert& insert, int) { insert.draw(area, blocks_, factor, 0, 0, 0, &budget); },
      [&](const DXF_Bemassung& dimension, int) {
        dimension.draw(area, blocks_, factor, 0, 0, 0, &budget);
      });
  return cutOf(*this, budget);
}

int DXF_Zeichnung::drawAllOnDevice(DeviceContext& dc, double factor, double minX, double minY,
                                   double maxX, double maxY) const {
  DXFGeometrie::resetPenCache();
  const LinePatterns patterns = linePatterns();
  const LinePatterns* const previous = dc.linePatterns();
  const double previousPixels = dc.patternPixelsPerUnit();
  dc.setLinePatterns(&patterns,
                     DXFGeometrie::fitFactor(dc, minX, minY, maxX, maxY) * std::fabs(factor));
  PlacementBudget budget = PlacementBudget::forDrawing(*this);
  forEachInDrawOrder(
      order_, entities_, polylines_, inserts_, dimensions_,
      [&](const DXFGeometrie& entity, int) {
        entity.drawOnDevice(dc, factor, minX, minY, maxX, maxY, 0, 0, 0);
      },
      [&](const Polylinie& polyline, int) {
        polyline.drawOnDevice(dc, factor, minX, minY, maxX, maxY, 0, 0, 0);
      },
      [&](const DXF_Insert& insert, int) {
        insert.drawOnDevice(dc, blocks_, factor, minX, minY, maxX, maxY, 0, 0, 0, &budget);
      },
      [&](const DXF_Bemassung& dimension, int) {
        dimension.drawOnDevice(dc, blocks_, factor, minX, minY, maxX, maxY, 0, 0, 0, &budget);
      });
  lastCut_ = cutOf(*this, budget);
  dc.setLinePatterns(previous, previousPixels);
  return 0;
}

int DXF_Zeichnung::applyLayer(const Layer* layer, const char* name) {
  touch();
  if (!layer || !name) return 0;
  int changed = 0;
  for (int i = entities_.count() - 1; i >= 0; --i) {
    DXFGeometrie& entity = *entities_.at(i);
    if (followsAppliedLayer(entity.layer(), entity.layerName(), layer, name)) {
      entity.assignLayer(layer);
      changed = 1;
    }
  }
  for (int i = polylines_.count() - 1; i >= 0; --i) {
    Polylinie& polyline = *polylines_.at(i);
    if (followsAppliedLayer(polyline.looks().layer(), polyline.layerName(), layer, name)) {
      polyline.assignLayer(layer);
      changed = 1;
    }
  }
  for (int i = inserts_.count() - 1; i >= 0; --i) {
    if (inserts_.at(i)->applyLayer(blocks_, *layer, name) > 0) changed = 1;
  }
  for (int i = dimensions_.count() - 1; i >= 0; --i) {
    DXF_Bemassung& dimension = *dimensions_.at(i);
    if (followsAppliedLayer(dimension.layer(), dimension.layerName(), layer, name) &&
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
    if (!present && !linetypes_.empty())
      addLinetype(patternlessNamesake(*linetypes_.at(0), wanted));
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
    caption.drawOnDevice(dc, factor, minX_ - 2 * m, minY_ - 2 * m, maxX_ + 2 * m, maxY_ + 2 * m, 0,
                         0, 0);
  }
  printMargin_ = 0.0;
}

PlacementCut DXF_Zeichnung::explodeAll() {
  touch();
  PlacementBudget budget = PlacementBudget::forExplode(*this);
  const double wanted = placedCopiesWanted(*this);
  // Every object becomes its pieces where it stood in the drawing's order, so that the
  // pieces paint in the same order; kinds R12 does not know become the pieces R12 knows.
  const DrawOrder order = order_;
  auto entities = entities_.releaseAll(200);
  const auto polylines = polylines_.releaseAll(100);
  const auto inserts = inserts_.releaseAll(50);
  const auto dimensions = dimensions_.releaseAll(100);
  auto intoEntities = [this](std::unique_ptr<DXFGeometrie> placed) {
    for (auto& piece : EntityCopy::asR12(std::move(placed))) entities_.append(std::move(piece));
  };
  order.forEach([&](ObjectKind kind, int index) {
    const auto at = static_cast<std::size_t>(index);
    switch (kind) {
      case ObjectKind::Entity:
        if (at < entities.size()) intoEntities(std::move(entities[at]));
        break;
      case ObjectKind::Polyline:
        if (at < polylines.size()) {
          polylines[at]->forEachPiece(
              [this](const DXFGeometrie& piece) { entities_.append(EntityCopy::of(piece)); });
        }
        break;
      case ObjectKind::Insert:
        if (at < inserts.size()) {
          PlacedContent(blocks_, PlacedContent::Purpose::Explode, &budget)
              .ofInsert(*inserts[at], intoEntities);
        }
        break;
      case ObjectKind::Dimension:
        if (at < dimensions.size()) {
          PlacedContent(blocks_, PlacedContent::Purpose::Explode, &budget)
              .ofDimension(*dimensions[at], intoEntities);
        }
        break;
    }
  });
  blocks_.reset(20);
  return cutOf(*this, budget, wanted);
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
