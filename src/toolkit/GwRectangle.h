// A rectangle in pixels: left, top, width and height (y grows downwards).
#pragma once

struct GwRectangle {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool contains(int px, int py) const {
    return px >= x && py >= y && px < x + width && py < y + height;
  }
};
