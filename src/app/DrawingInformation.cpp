// The text of the drawing information: what the open drawing holds and what it passed over.
#include "app/DrawingInformation.h"

#include <cstring>
#include <string_view>

#include "document/DXF_Zeichnung.h"

namespace {

struct KindCount {
  const char* typeName;
  const char* label;
  long count = 0;
};

}  // namespace

std::string drawingInformation(const DXF_Zeichnung& drawing) {
  KindCount kinds[] = {{"LINE", "lines"},   {"ARC", "arcs"},   {"CIRCLE", "circles"},
                       {"POINT", "points"}, {"TEXT", "texts"}, {"SOLID", "solids"}};
  for (int i = 0; i < drawing.entities().count(); ++i) {
    const char* type = drawing.entities().at(i)->typeName();
    for (KindCount& kind : kinds) {
      if (std::strcmp(kind.typeName, type) == 0) ++kind.count;
    }
  }
  std::string text = "Drawing objects: ";
  for (const KindCount& kind : kinds) {
    text += std::string(kind.label) + " " + std::to_string(kind.count) + ", ";
  }
  text += "polylines " + std::to_string(drawing.polylines().count()) + ", block references " +
          std::to_string(drawing.inserts().count()) + ", dimensions " +
          std::to_string(drawing.dimensions().count()) + ".\nBlocks " +
          std::to_string(drawing.blocks().count()) + ", layers " +
          std::to_string(drawing.layers().count()) + ".";
  const SkippedKinds& skipped = drawing.skippedKinds();
  if (skipped.empty()) return text + "\nNothing was passed over.";
  text += "\nPassed over, not shown:";
  std::string_view separator = " ";
  for (const auto& [kind, count] : skipped.kinds()) {
    text += std::string(separator) + kind + " " + std::to_string(count);
    separator = ", ";
  }
  return text + ".";
}
