// The program's callback table: every handler name of the resource file and its function.
#pragma once

#include "toolkit/GwFuncDesc.h"

// 48 rows in a fixed order, then a row of nulls. Registered with the resource manager
// before the first frame is loaded.
extern const GwFuncDesc FuncDescTable[];
inline constexpr int kFuncDescRows = 48;
