// A low layer that reaches up.
#pragma once
#include "viewer/ViewState.h"
