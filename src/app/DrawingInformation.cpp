// The text of the drawing information: what the open drawing holds and what it passed over.
#include "app/DrawingInformation.h"

#include <charconv>
#include <cstring>
#include <string_view>
#include <vector>

#include "document/DXF_Zeichnung.h"
#include "document/DrawingExtents.h"

namespace {

struct KindCount {
  const char* typeName;
  const char* label;
  long count = 0;
};

struct Release {
  const char* version;
  const char* name;
};
constexpr Release kReleases[] = {
    {"AC1002", "R2.5"},    {"AC1003", "R2.6"}, {"AC1004", "R9"},   {"AC1006", "R10"},
    {"AC1009", "R11/R12"}, {"AC1012", "R13"},  {"AC1014", "R14"},  {"AC1015", "2000"},
    {"AC1018", "2004"},    {"AC1021", "2007"}, {"AC1024", "2010"}, {"AC1027", "2013"},
    {"AC1032", "2018"},
};

// Three decimals with a decimal point whatever the locale.
std::string number(double value) {
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 3);
  return std::string(text, end.ptr);
}

std::string versionLine(const DXF_Zeichnung& drawing) {
  const std::string& version = drawing.dxfVersion();
  if (version.empty()) return "DXF version: not given in the file";
  const std::string release = dxfReleaseName(version);
  return "DXF version: " + version + (release.empty() ? "" : " (release " + release + ")");
}

std::string extentsLine(const DXF_Zeichnung& drawing) {
  const DrawingExtents::Box box = DrawingExtents(drawing).compute();
  if (box.empty) return "Extents: nothing is drawn";
  return "Extents: x " + number(box.minX) + " to " + number(box.maxX) + ", y " + number(box.minY) +
         " to " + number(box.maxY) + " (" + number(box.maxX - box.minX) + " x " +
         number(box.maxY - box.minY) + ")";
}

std::string kindsLine(const DXF_Zeichnung& drawing) {
  KindCount kinds[] = {{"LINE", "lines"},       {"ARC", "arcs"},       {"CIRCLE", "circles"},
                       {"ELLIPSE", "ellipses"}, {"SPLINE", "splines"}, {"HATCH", "hatches"},
                       {"POINT", "points"},     {"TEXT", "texts"},     {"SOLID", "solids"}};
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
  return text + "polylines " + std::to_string(drawing.polylines().count()) + ", block references " +
         std::to_string(drawing.inserts().count()) + ", dimensions " +
         std::to_string(drawing.dimensions().count()) + ".\nBlocks " +
         std::to_string(drawing.blocks().count()) + ", layers " +
         std::to_string(drawing.layers().count()) + ".";
}

// Each layer name once, in table order, with the number of objects of the drawing (not
// of its blocks) on it.
std::string layerLines(const DXF_Zeichnung& drawing) {
  std::vector<std::pair<std::string, long>> layers;
  for (int i = 0; i < drawing.layers().count(); ++i) {
    const std::string name = drawing.layers().at(i)->name();
    bool known = false;
    for (const auto& layer : layers) known = known || layer.first == name;
    if (!known) layers.emplace_back(name, 0);
  }
  const auto count = [&layers](const char* name) {
    for (auto& layer : layers) {
      if (name && layer.first == name) ++layer.second;
    }
  };
  for (int i = 0; i < drawing.entities().count(); ++i) {
    const Layer* layer = drawing.entities().at(i)->layer();
    count(layer ? layer->name() : nullptr);
  }
  for (int i = 0; i < drawing.polylines().count(); ++i) {
    count(drawing.polylines().at(i)->layerName());
  }
  for (int i = 0; i < drawing.inserts().count(); ++i) {
    const Layer* layer = drawing.inserts().at(i)->layer();
    count(layer ? layer->name() : nullptr);
  }
  for (int i = 0; i < drawing.dimensions().count(); ++i) {
    count(drawing.dimensions().at(i)->layerName());
  }
  std::string text = "Layers:";
  for (const auto& [name, objects] : layers) {
    text +=
        "\n  " + name + ": " + std::to_string(objects) + (objects == 1 ? " object" : " objects");
  }
  return text;
}

std::string skippedLine(const DXF_Zeichnung& drawing) {
  const SkippedKinds& skipped = drawing.skippedKinds();
  if (skipped.empty()) return "Nothing was passed over.";
  std::string text = "Passed over, not shown:";
  std::string_view separator = " ";
  for (const auto& [kind, count] : skipped.kinds()) {
    text += std::string(separator) + kind + " " + std::to_string(count);
    separator = ", ";
  }
  return text + ".";
}

}  // namespace

std::string dxfReleaseName(const std::string& version) {
  for (const Release& release : kReleases) {
    if (version == release.version) return release.name;
  }
  return "";
}

std::string drawingInformation(const DXF_Zeichnung& drawing) {
  return versionLine(drawing) + "\n" + extentsLine(drawing) + "\n" + kindsLine(drawing) + "\n" +
         layerLines(drawing) + "\n" + skippedLine(drawing);
}
