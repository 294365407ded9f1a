// User data that carries a text (see GwUD).
#pragma once

#include "toolkit/GwUD.h"

class GwUDStr : public GwUD {
 public:
  explicit GwUDStr(const char* text) { text_ = text ? text : ""; }
};
