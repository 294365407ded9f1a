// One callback registration: the handler the toolkit calls for an atom on a widget.
#pragma once

#include "toolkit/GwAtom.h"
#include "toolkit/GwUD.h"

class GwCore;
struct GwEvent;

// A handler gets the widget that fired, the event and the registration's user data.
using GwFunc = int (*)(GwCore* widget, GwEvent* event, GwUD userData);

struct GwCallback {
  GwAtom atom;
  GwFunc handler = nullptr;
  unsigned mask = 0;  // mouse events: which GwEVENT_ kinds reach the handler; 0 = all
  GwUD userData;
};
