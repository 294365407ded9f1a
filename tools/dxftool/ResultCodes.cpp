// Plain-language meanings of the negative result codes of the DXF reader and writer.
#include "dxftool/ResultCodes.h"

namespace dxftool {

std::string ResultCodes::readMeaning(int code) {
  switch (code) {
    case -20: return "a block that is referred to does not exist";
    case -30: return "the file ends inside a BLOCK or a POLYLINE";
    case -31: return "the file ends inside a POINT or a POLYLINE";
    case -32: return "the file ends inside a LINE or a POLYLINE";
    case -33: return "the file ends inside a CIRCLE";
    case -34: return "the file ends inside an ARC";
    case -35: return "the file ends inside a TEXT or MTEXT";
    case -36: return "the file ends inside a SOLID";
    case -37: return "the file ends inside an INSERT, a DIMENSION or a linetype entry";
    case -38: return "the file ends inside a layer entry";
    case -50: return "the file cannot be opened";
    case -51: return "the file is empty";
    case -52: return "the file ends inside the HEADER section";
    case -53: return "the file ends inside the TABLES section";
    case -54: return "the file ends inside the BLOCKS section";
    case -55: return "the file ends inside the ENTITIES section, or before it";
    case -56: return "the file is no DXF file (it holds no section)";
    case -57: return "the binary DXF file is of an unknown version or damaged";
    default: return "the drawing could not be read";
  }
}

std::string ResultCodes::writeMeaning(int code) {
  switch (code) {
    case -50: return "the file cannot be created";
    case -51: return "the new file cannot be written";
    default: return "the drawing could not be written";
  }
}

}  // namespace dxftool
