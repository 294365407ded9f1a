// A width and height in pixels (widget sizes, the screen, a picture's natural size).
#pragma once

struct GwDimension {
  int width = 0;
  int height = 0;
};
