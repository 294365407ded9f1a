// dxftool info: a JSON summary of what a drawing holds after reading.
#include "dxftool/InfoCommand.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/Cp1252.h"
#include "document/DXF_Zeichnung.h"
#include "dxftool/DrawingLoader.h"
#include "dxftool/JsonWriter.h"

namespace dxftool {

namespace {

// Entity kinds always listed, even at zero, in this order; any other kind follows.
constexpr std::array<std::string_view, 6> kEntityKinds = {"LINE",  "ARC",  "CIRCLE",
                                                          "POINT", "TEXT", "SOLID"};

// Entities per type name, the fixed kinds first, others in order of first appearance.
// Every entity class hands out one and the same name text, so on drawings of a million
// entities a name is looked up by its address, and by its letters only the first time.
std::vector<std::pair<std::string, long long>> countKinds(const EntityList& entities) {
  std::vector<std::pair<std::string, long long>> kinds;
  for (std::string_view kind : kEntityKinds) kinds.emplace_back(kind, 0);
  std::vector<std::pair<const char*, std::size_t>> known;  // name address, index in kinds
  for (int i = 0; i < entities.count(); ++i) {
    const char* name = entities.at(i)->typeName();
    auto hit = known.begin();
    while (hit != known.end() && hit->first != name) ++hit;
    if (hit == known.end()) {
      std::size_t k = 0;
      while (k < kinds.size() && kinds[k].first != name) ++k;
      if (k == kinds.size()) kinds.emplace_back(name, 0);
      hit = known.insert(known.end(), {name, k});
    }
    ++kinds[hit->second].second;
  }
  return kinds;
}

void writeCounts(const DXF_Zeichnung& drawing, JsonWriter& json) {
  json.key("counts");
  json.beginObject();
  for (const auto& [kind, count] : countKinds(drawing.entities())) {
    json.key(cp1252ToUtf8(kind));
    json.value(count);
  }
  const std::pair<const char*, int> lists[] = {
      {"polylines", drawing.polylines().count()},   {"inserts", drawing.inserts().count()},
      {"dimensions", drawing.dimensions().count()}, {"blocks", drawing.blocks().count()},
      {"layers", drawing.layers().count()},         {"linetypes", drawing.linetypes().count()}};
  for (const auto& [name, count] : lists) {
    json.key(name);
    json.value(count);
  }
  json.endObject();
}

// Objects of kinds the viewer does not show, passed over while reading.
void writeSkipped(const DXF_Zeichnung& drawing, JsonWriter& json) {
  json.key("skipped");
  json.beginObject();
  for (const auto& [kind, count] : drawing.skippedKinds().kinds()) {
    json.key(cp1252ToUtf8(kind));
    json.value(static_cast<long long>(count));
  }
  json.endObject();
}

void writeLayers(const DXF_Zeichnung& drawing, JsonWriter& json) {
  json.key("layers");
  json.beginArray();
  for (int i = 0; i < drawing.layers().count(); ++i) {
    const Layer* layer = drawing.layers().at(i);
    json.beginObject();
    json.key("name");
    json.value(cp1252ToUtf8(layer->name()));
    json.key("colourNumber");
    json.value(cp1252ToUtf8(layer->colourNumber()));
    json.key("colour");
    json.value(cp1252ToUtf8(layer->colour()));
    json.key("linetype");
    json.value(cp1252ToUtf8(layer->linetypeName()));
    json.key("lineStyleCode");
    json.value(static_cast<long long>(layer->lineStyleCode()));
    json.key("visible");
    json.value(layer->visible() != 0);
    json.endObject();
  }
  json.endArray();
}

void writeBlocks(const DXF_Zeichnung& drawing, JsonWriter& json) {
  json.key("blocks");
  json.beginArray();
  for (int i = 0; i < drawing.blocks().count(); ++i) {
    const DXF_Block* block = drawing.blocks().at(i);
    json.beginObject();
    json.key("name");
    json.value(cp1252ToUtf8(block->name()));
    json.key("entities");
    json.value(block->entities().count());
    json.key("polylines");
    json.value(block->polylines().count());
    json.key("inserts");
    json.value(block->inserts().count());
    json.key("dimensions");
    json.value(block->dimensions().count());
    json.endObject();
  }
  json.endArray();
}

}  // namespace

void InfoCommand::writeSummary(const DXF_Zeichnung& drawing, const std::string& file, int code,
                               std::ostream& out) {
  JsonWriter json(out);
  json.beginObject();
  json.key("file");
  json.value(file);
  json.key("code");
  json.value(code);
  json.key("extents");
  json.beginObject();
  json.key("minX");
  json.value(drawing.minX());
  json.key("minY");
  json.value(drawing.minY());
  json.key("maxX");
  json.value(drawing.maxX());
  json.key("maxY");
  json.value(drawing.maxY());
  json.endObject();
  json.key("linetypeScale");
  json.value(drawing.linetypeScale());
  writeCounts(drawing, json);
  writeSkipped(drawing, json);
  writeLayers(drawing, json);
  writeBlocks(drawing, json);
  json.endObject();
  out << '\n';
}

int InfoCommand::run(const ToolRequest& request, std::ostream& out, std::ostream& err) {
  const LoadOutcome outcome = DrawingLoader::load(request.input);
  DXF_Zeichnung& drawing = *outcome.drawing;
  if (!outcome.read) {
    err << "dxftool: " << DrawingLoader::problem(request.input, outcome) << '\n';
    return kExitUsage;
  }
  writeSummary(drawing, request.input, outcome.code, out);
  if (outcome.ok()) return kExitOk;
  err << "dxftool: " << DrawingLoader::problem(request.input, outcome) << '\n';
  return kExitFailed;
}

}  // namespace dxftool
