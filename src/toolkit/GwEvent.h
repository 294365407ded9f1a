// The event record a callback receives: what fired, where, with which buttons and keys.
#pragma once

#include "toolkit/GwAtom.h"
#include "toolkit/GwRectangle.h"

// Bits of GwEvent::state and of the event masks given with mouse callbacks. The low bits of
// the state are the keyboard and button modifiers of GDK.
inline constexpr unsigned GwEVENT_MODIFIERS = 0x07FF;  // the GDK modifier bits kept
inline constexpr unsigned GwEVENT_MOTION = 0x0800;     // pointer moved
inline constexpr unsigned GwEVENT_PRESS = 0x1000;      // a mouse button went down
inline constexpr unsigned GwEVENT_RELEASE = 0x2000;    // a mouse button went up
inline constexpr unsigned GwEVENT_WHEEL = 0x4000;      // the mouse wheel turned one notch

// Button numbers of GwEvent::button: the mouse buttons, and for wheel events a notch away
// from the user or towards the user.
enum GwMouseButton {
  GwBUTTON_LEFT = 1,
  GwBUTTON_MIDDLE = 2,
  GwBUTTON_RIGHT = 3,
  GwWHEEL_UP = 4,
  GwWHEEL_DOWN = 5,
};

struct GwEvent {
  GwAtom type;         // the callback atom that fired
  int x = 0;           // pixels from the left edge of the receiving widget
  int y = 0;           // pixels from the top edge of the receiving widget
  unsigned state = 0;  // modifiers, plus one of the GwEVENT_ bits for mouse events
  int button = 0;      // a GwMouseButton; 0 for motion
  unsigned key = 0;    // key events: the key's GDK key value (GDK_KEY_plus, ...), else 0
  GwRectangle area;    // expose events: the part of the widget to paint
};
