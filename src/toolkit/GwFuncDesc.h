// A row of the program's callback table: a handler name of the resource file and its function.
#pragma once

#include "toolkit/GwCallback.h"

// The table handed to GwRcMgr::use_func_desc ends with a row whose name and handler are null.
struct GwFuncDesc {
  const char* name;
  GwFunc handler;
};
