// What the result codes of reading a DXF file mean, in words for the user.
#include "document/ReadResult.h"

const char* readResultMeaning(int code) {
  switch (code) {
    case -20: return "a block that is referred to does not exist";
    case -30: return "the file ends inside a block or a polyline";
    case -31: return "the file ends inside a point or a polyline";
    case -32: return "the file ends inside a line or a polyline";
    case -33: return "the file ends inside a circle";
    case -34: return "the file ends inside an arc";
    case -35: return "the file ends inside a text";
    case -36: return "the file ends inside a solid";
    case -37: return "the file ends inside a block reference, a dimension or a linetype";
    case -38: return "the file ends inside a layer";
    case -50: return "the file cannot be opened";
    case -51: return "the file is empty";
    case -52: return "the file ends inside the HEADER section";
    case -53: return "the file ends inside the TABLES section";
    case -54: return "the file ends inside the BLOCKS section";
    case -55: return "the file ends before its drawing was read completely (ENTITIES section)";
    case -56: return "this is not a DXF file";
    case -57: return "this binary DXF file is of an unknown version or damaged";
    default: return "the drawing could not be read";
  }
}
