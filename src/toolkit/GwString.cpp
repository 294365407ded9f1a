// Number formatting of toolkit texts.
#include "toolkit/GwString.h"

#include <cstdio>
#include <cstring>

namespace {
int stringType = 0;
}

GwString::GwString(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, stringType == 1 ? "%.2f" : "%g", value);
  // The numeric locale may use a comma; edit box texts are read back with atof under "C".
  for (char* c = buffer; *c; ++c) {
    if (*c == ',') *c = '.';
  }
  text_ = buffer;
}

void GwString::set_string_type(int type) { stringType = type; }

int GwString::string_type() { return stringType; }
