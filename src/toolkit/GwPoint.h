// A point in pixels, as the toolkit's echo objects and events take it.
#pragma once

struct GwPoint {
  int x = 0;
  int y = 0;
};
