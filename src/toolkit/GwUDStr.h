// User data that carries a text, and with it the program's pointer (see GwUD).
#pragma once

#include "toolkit/GwUD.h"

class GwUDStr : public GwUD {
 public:
  explicit GwUDStr(const char* text, void* pointer = nullptr) {
    text_ = text ? text : "";
    pointer_ = pointer;
  }
};
