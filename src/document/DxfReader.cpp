// The DXF reader: finds the sections of a file and fills a drawing document from them.
#include "document/DxfReader.h"

#include <cmath>
#include <cstring>
#include <string_view>

#include "document/DXF_Zeichnung.h"
#include "document/DrawingExtents.h"
#include "dxf/LineWeight.h"
#include "document/LayerCompletion.h"
#include "document/LayerIndex.h"
#include "document/CompositeReader.h"
#include "document/ObjectReader.h"
#include "document/TextStyleCompletion.h"

namespace {

// Longest $ACADVER kept: the names are six characters ("AC1009"); more is not a name.
constexpr std::size_t kVersionLength = 16;
// Header extents at or beyond this size are the "nothing drawn" sentinels of CAD programs.
constexpr double kExtentsSentinel = 1e20;
// How far, as a share of the header box's size, what is drawn may stand out of it before
// the header's extents count as stale.
constexpr double kExtentsSlack = 1e-3;

bool usable(double v) { return std::isfinite(v) && std::fabs(v) < kExtentsSentinel; }

// A value line without the blanks some writers put around keywords and names.
std::string_view trimmed(const char* line) {
  std::string_view text(line);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool isKeyword(const char* line, std::string_view keyword) { return trimmed(line) == keyword; }

// Record kinds that only close or carry another record, or that are drawn only through
// what they define (an attribute definition becomes the attributes of inserts): passed
// over, but not counted as something the viewer does not show.
bool isStructural(std::string_view kind) {
  return kind == "SEQEND" || kind == "ENDBLK" || kind == "BLOCK" || kind == "VERTEX" ||
         kind == "ATTDEF";
}

}  // namespace

DxfReader::DxfReader(DXF_Zeichnung& document, DxfLineReader& in) : document_(document), in_(in) {}

int DxfReader::nextPair() {
  const int code = in_.readGroupCode(GroupCodeVariant::Standard);
  in_.readLine();
  return code;
}

int DxfReader::read() {
  if (in_.atEnd()) return kEmpty;
  bool anySection = false;
  bool endMarked = false;
  for (;;) {
    const int code = nextPair();
    if (code == 0 && isKeyword(in_.line(), "EOF")) {
      endMarked = true;
      break;
    }
    if (code == 0 && isKeyword(in_.line(), "SECTION")) {
      anySection = true;
      // The name pair follows, unless the file ends here.
      if (nextPair() != 2 && in_.eof()) break;
      const int result = readSection(std::string(trimmed(in_.line())));
      if (result < 0) return result;
      continue;
    }
    if (in_.eof()) break;
  }
  if (!anySection) return kNotDxf;
  // Without its end mark, a file that ends before any drawing objects were read was cut
  // short; after them, only the closing marks are missing, as some writers leave them.
  if (!endMarked && !entitiesRead_) return kEndInEntities;
  finish();
  return 0;
}

int DxfReader::readSection(const std::string& name) {
  if (name == "HEADER") return readHeader();
  if (name == "TABLES") return readTables();
  if (name == "BLOCKS") return readBlocks();
  if (name == "ENTITIES") return readEntities();
  return skipSection();
}

int DxfReader::skipSection() {
  for (;;) {
    const int code = nextPair();
    if (code == 0 && isKeyword(in_.line(), "ENDSEC")) return 0;
    if (in_.eof()) return 0;
  }
}

int DxfReader::readHeader() {
  std::string variable;
  for (;;) {
    const int code = nextPair();
    const char* value = in_.line();
    if (code == 0 && isKeyword(value, "ENDSEC")) return 0;
    if (in_.eof()) return kEndInHeader;
    if (code == 9) {
      variable = trimmed(value);
    } else if (variable == "$EXTMIN" || variable == "$EXTMAX") {
      const bool min = variable == "$EXTMIN";
      if (code == 10) {
        (min ? document_.minX_ : document_.maxX_) = parseReal(value);
      } else if (code == 20) {
        (min ? document_.minY_ : document_.maxY_) = parseReal(value);
        (min ? extentsMinRead_ : extentsMaxRead_) = true;
      }
    } else if (variable == "$LWDEFAULT" && code == 370) {
      document_.lineWeightDefault_ = LineWeight::drawingDefault(parseInt(value));
    } else if (variable == "$LTSCALE" && code == 40) {
      document_.linetypeScale_ = parseReal(value);
    } else if (variable == "$ACADVER" && code == 1) {
      const std::string_view version = trimmed(value);
      document_.dxfVersion_ = std::string(version.substr(0, kVersionLength));
      utf8Texts_ = textsInUtf8(version);
    }
  }
}

template <class OnObject>
int DxfReader::readRecords(int endCode, OnObject onObject) {
  int code = nextPair();
  for (;;) {
    if (code == 0) {
      const std::string_view kind = trimmed(in_.line());
      if (kind == "ENDSEC") return 0;
      if (in_.eof()) return endCode;
      // Type names are short; one with blanks around it is read from a trimmed copy.
      const std::string name(kind);
      const int result = onObject(name.c_str());
      if (result < 0) return result;
      if (result > 0) {
        // The object's reader ended on the group code 0 line of the next record.
        if (in_.eof()) return endCode;
        in_.readLine();
        continue;
      }
    }
    if (in_.eof()) return endCode;
    code = nextPair();
  }
}

int DxfReader::readTables() {
  return readRecords(kEndInTables, [this](const char* kind) {
    int result;
    if (std::strcmp(kind, "LTYPE") == 0) {
      auto linetype = std::make_unique<Linientyp>();
      result = linetype->read(in_);
      if (result >= 0) document_.linetypes_.append(std::move(linetype));
    } else if (std::strcmp(kind, "TABLE") == 0) {
      // The table's name pair: a LAYER table, even an empty one, means the file has one.
      if (nextPair() == 2 && isKeyword(in_.line(), "LAYER")) layerTableRead_ = true;
      return 0;
    } else if (std::strcmp(kind, "LAYER") == 0) {
      layerTableRead_ = true;
      auto layer = std::make_unique<Layer>();
      result = layer->read(in_);
      if (result >= 0) document_.layers_.append(std::move(layer));
    } else if (std::strcmp(kind, "STYLE") == 0) {
      result = document_.textStyles_.read(in_, kEndInTables);
    } else if (std::strcmp(kind, "DIMSTYLE") == 0) {
      result = leaderStyles_.readStyle(in_) ? 0 : kEndInTables;
    } else if (std::strcmp(kind, "BLOCK_RECORD") == 0) {
      result = leaderStyles_.readBlockRecord(in_) ? 0 : kEndInTables;
    } else {
      return 0;
    }
    return result < 0 ? result : 1;
  });
}

int DxfReader::readBlocks() {
  const LayerIndex layers(document_.layers_);
  const CompositeReader composites(leaderStyles_, layers, utf8Texts_);
  return readRecords(kEndInBlocks, [&](const char* kind) {
    if (std::strcmp(kind, "BLOCK") != 0) return 0;
    auto block = std::make_unique<DXF_Block>();
    const int result = block->read(in_, layers, utf8Texts_, composites, document_.skipped_);
    if (result < 0) return result;
    document_.blocks_.append(std::move(block));
    return 1;
  });
}

int DxfReader::readEntities() {
  entitiesRead_ = true;
  ObjectLists lists{document_.entities_, document_.polylines_, document_.inserts_,
                    document_.dimensions_};
  const LayerIndex layers(document_.layers_);
  const CompositeReader composites(leaderStyles_, layers, utf8Texts_);
  return readRecords(kEndInEntities, [&](const char* kind) {
    const CompositeReader::Outcome composite = composites.read(kind, in_, lists);
    if (composite.recognised) return composite.result < 0 ? composite.result : 1;
    const ObjectReader::Outcome outcome = ObjectReader::read(kind, in_, lists, layers, utf8Texts_);
    if (!outcome.recognised) {
      if (!isStructural(kind)) document_.skipped_.add(kind);
      return 0;
    }
    return outcome.result < 0 ? outcome.result : 1;
  });
}

void DxfReader::finish() {
  LayerCompletion(document_).complete(!layerTableRead_);
  applyTextStyles(document_);
  const DrawingExtents::Box drawn = DrawingExtents(document_).compute();
  if (headerExtentsUsable()) {
    DXF_Zeichnung& d = document_;
    const double slack = kExtentsSlack * std::fmax(d.maxX_ - d.minX_, d.maxY_ - d.minY_);
    const bool holdsDrawing =
        drawn.empty || (drawn.minX >= d.minX_ - slack && drawn.maxX <= d.maxX_ + slack &&
                        drawn.minY >= d.minY_ - slack && drawn.maxY <= d.maxY_ + slack);
    if (holdsDrawing) return;
  }
  if (!drawn.empty) {
    document_.minX_ = drawn.minX;
    document_.maxX_ = drawn.maxX;
    document_.minY_ = drawn.minY;
    document_.maxY_ = drawn.maxY;
    return;
  }
  // Nothing is drawn either: the empty box of a new document.
  document_.minX_ = 10000.0;
  document_.maxX_ = 0.0;
  document_.minY_ = 10000.0;
  document_.maxY_ = 0.0;
}

bool DxfReader::headerExtentsUsable() const {
  const DXF_Zeichnung& d = document_;
  return extentsMinRead_ && extentsMaxRead_ && usable(d.minX_) && usable(d.minY_) &&
         usable(d.maxX_) && usable(d.maxY_) && d.maxX_ >= d.minX_ && d.maxY_ >= d.minY_ &&
         (d.maxX_ > d.minX_ || d.maxY_ > d.minY_);
}
