// The DXF reader: the section readers and their order, filling a drawing document.
#include "document/DxfReader.h"

#include <cmath>
#include <cstring>

#include "document/DXF_Zeichnung.h"
#include "document/LayerIndex.h"
#include "document/ObjectReader.h"

namespace {

constexpr const char* kBinarySentinel = "AutoCAD Binary DXF";
// Header extents at or beyond this size are the "nothing drawn" sentinels of CAD programs.
constexpr double kExtentsSentinel = 1e20;

bool usable(double v) { return std::isfinite(v) && std::fabs(v) < kExtentsSentinel; }

}  // namespace

DxfReader::DxfReader(DXF_Zeichnung& document, DxfLineReader& in)
    : document_(document), in_(in) {}

int DxfReader::read() {
  if (in_.atEnd()) return kEmpty;
  const char* first = in_.readLine();
  if (std::strncmp(first, kBinarySentinel, std::strlen(kBinarySentinel)) == 0) {
    return kCannotOpen;
  }
  int result = readHeader(first);
  if (result == 0) result = readTables();
  if (result == 0) result = readBlocks();
  if (result == 0) result = readEntities();
  if (result < 0) return result;
  if (!headerExtentsUsable() && !document_.computeExtents()) {
    // Nothing is drawn either: the empty box of a new document.
    document_.minX_ = 10000.0;
    document_.maxX_ = 0.0;
    document_.minY_ = 10000.0;
    document_.maxY_ = 0.0;
  }
  return 0;
}

bool DxfReader::headerExtentsUsable() const {
  const DXF_Zeichnung& d = document_;
  return extentsMinRead_ && extentsMaxRead_ && usable(d.minX_) && usable(d.minY_) &&
         usable(d.maxX_) && usable(d.maxY_) && d.maxX_ >= d.minX_ && d.maxY_ >= d.minY_;
}

bool DxfReader::skipTo(const char* keyword) {
  for (;;) {
    const char* line = in_.readLine();
    if (std::strcmp(line, keyword) == 0) return true;
    if (in_.eof()) return false;
  }
}

int DxfReader::readHeaderValue(int code, double& value) {
  for (;;) {
    const char* line = in_.readLine();
    if (in_.eof()) return kEndInHeader;
    if (matchCode(line, code)) break;
  }
  value = parseReal(in_.readLine());
  return 0;
}

int DxfReader::readHeaderVersion() {
  for (;;) {
    const char* line = in_.readLine();
    if (in_.eof()) return kEndInHeader;
    if (matchCode(line, 1)) break;
  }
  const char* version = in_.readLine();
  utf8Texts_ = std::strncmp(version, "AC", 2) == 0 && std::strcmp(version, "AC1021") >= 0;
  return 0;
}

int DxfReader::readHeader(const char* firstLine) {
  // The header reader starts at the first line of the file, which read() has taken.
  const char* line = firstLine;
  for (;;) {
    int result = 0;
    if (std::strcmp(line, "$EXTMIN") == 0) {
      result = readHeaderValue(10, document_.minX_);
      if (result == 0) result = readHeaderValue(20, document_.minY_);
      extentsMinRead_ = result == 0;
    } else if (std::strcmp(line, "$EXTMAX") == 0) {
      result = readHeaderValue(10, document_.maxX_);
      if (result == 0) result = readHeaderValue(20, document_.maxY_);
      extentsMaxRead_ = result == 0;
    } else if (std::strcmp(line, "$ACADVER") == 0) {
      result = readHeaderVersion();
    } else if (std::strcmp(line, "$LTSCALE") == 0) {
      result = readHeaderValue(40, document_.linetypeScale_);
    }
    if (result < 0 || in_.eof()) return kEndInHeader;
    if (std::strcmp(line, "ENDSEC") == 0) return 0;
    line = in_.readLine();
  }
}

int DxfReader::readTables() {
  struct Table {
    const char* name;
    bool linetypes;
  };
  for (const Table table : {Table{"LTYPE", true}, Table{"LAYER", false}}) {
    if (!skipTo(table.name)) return kEndInTables;
    for (;;) {
      const char* line = in_.readLine();
      const bool isEntry = std::strcmp(line, table.name) == 0;
      const bool isEnd = std::strcmp(line, "ENDTAB") == 0;
      if (isEntry) {
        int result;
        if (table.linetypes) {
          auto linetype = std::make_unique<Linientyp>();
          result = linetype->read(in_);
          if (result >= 0) document_.linetypes_.append(std::move(linetype));
        } else {
          auto layer = std::make_unique<Layer>();
          result = layer->read(in_);
          if (result >= 0) document_.layers_.append(std::move(layer));
        }
        if (result < 0) return result;
      }
      if (in_.eof()) return kEndInTables;
      if (isEnd) break;
    }
  }
  return 0;
}

int DxfReader::readBlocks() {
  if (!skipTo("BLOCKS")) return kEndInBlocks;
  const LayerIndex layers(document_.layers_);
  for (;;) {
    const char* line = in_.readLine();
    const bool isBlock = std::strcmp(line, "BLOCK") == 0;
    const bool isEnd = std::strcmp(line, "ENDSEC") == 0;
    if (isBlock) {
      auto block = std::make_unique<DXF_Block>();
      const int result = block->read(in_, layers, utf8Texts_);
      if (result < 0) return result;
      document_.blocks_.append(std::move(block));
    }
    if (in_.eof()) return kEndInBlocks;
    if (isEnd) return 0;
  }
}

int DxfReader::readEntities() {
  if (!skipTo("ENTITIES")) return kEndInEntities;
  ObjectLists lists{document_.entities_, document_.polylines_, document_.inserts_,
                    document_.dimensions_};
  const LayerIndex layers(document_.layers_);
  bool afterZero = false;  // the line before reads as group code 0
  for (;;) {
    const char* line = in_.readLine();
    if (afterZero) {
      const ObjectReader::Outcome outcome = ObjectReader::read(
          line, in_, ObjectReader::Context::Entities, lists, layers, utf8Texts_);
      if (outcome.recognised) {
        if (outcome.result < 0) return outcome.result;
        if (in_.eof()) return kEndInEntities;
        afterZero = ObjectReader::isZeroCodeLine(in_.line());
        continue;
      }
    }
    if (in_.eof()) return kEndInEntities;
    if (in_.lineIs("ENDSEC")) return 0;
    afterZero = ObjectReader::isZeroCodeLine(line);
  }
}
