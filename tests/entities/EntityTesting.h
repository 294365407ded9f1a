// Helpers of the entity tests: reading an entity from a snippet, writing it as the file
// writer does.
#pragma once

#include <iomanip>
#include <sstream>
#include <string>

#include "entities/DXFGeometrie.h"
#include "dxf/GroupLines.h"
#include "dxf/RoundTripNumbers.h"

namespace entitytesting {

// Reads the entity's groups from the lines after its type name.
inline int readFrom(DXFGeometrie& entity, const std::string& text) {
  auto reader = DxfLineReader::fromString(text);
  return entity.readGroups(reader);
}

// The entity as the file writer writes it: fixed notation, four decimals where they give the
// value back, more where they do not.
inline std::string written(const DXFGeometrie& entity) {
  std::ostringstream out;
  out.imbue(withRoundTripNumbers(std::locale::classic()));
  out << std::fixed << std::setprecision(4);
  EXPECT_EQ(entity.writeGroups(out), 0);
  return out.str();
}

// A layer with a name, colour number and linetype, its colour and style derived.
inline Layer makeLayer(const char* name, const char* colourNumber,
                       const char* linetype = "CONTINUOUS") {
  Layer layer(name);
  layer.setColourNumber(colourNumber);
  layer.setLinetypeName(linetype);
  layer.deriveColourAndStyle();
  return layer;
}

}  // namespace entitytesting
