// Number formatting of toolkit texts.
#include "toolkit/GwString.h"

#include <cstdio>
#include <cstring>

namespace {
GwStringType stringType = GwSTRING_SHORTEST;
}

GwString::GwString(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, stringType == GwSTRING_TWO_DECIMALS ? "%.2f" : "%g", value);
  // The numeric locale may use a comma; edit box texts are read back with atof under "C".
  for (char* c = buffer; *c; ++c) {
    if (*c == ',') *c = '.';
  }
  text_ = buffer;
}

void GwString::set_string_type(GwStringType type) { stringType = type; }

GwStringType GwString::string_type() { return stringType; }
