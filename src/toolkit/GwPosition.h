// Position of a widget or frame in pixels: its top-left corner in its parent (frames: on the
// screen; the drawing area: in its container, negative when scrolled).
#pragma once

struct GwPosition {
  int x = 0;
  int y = 0;
};
