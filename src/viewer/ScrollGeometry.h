// The arithmetic of the percentage scroll bars and of scrolling the drawing area, free of
// widgets.
#pragma once

// A scroll bar after a zoom: whether it is shown and its value, 0 to 100 when the drawing
// area lies within its scroll range.
struct ScrollBarState {
  bool shown = false;
  double value = 0.0;
  double visibleShare = 1.0;  // the part of the area the container shows, 0 to 1
};

// One direction at a time: the container's width and the area's x position and width, or
// the heights and y position alike. Positions and sizes are pixels.
class ScrollGeometry {
 public:
  // The bar beside a drawing area at position of the given size: shown when the area is
  // larger than the container (testSize) or reaches beyond it, with the value
  // position * 100 / (containerSide - valueSize). An area exactly as large as the
  // container has no scroll range; its value is 0. The visible share is
  // containerSide / valueSize, at most 1.
  static ScrollBarState bar(int containerSide, int position, double testSize, double valueSize);
  // The area's position for the bar value 0 to 100. An area outside the scroll range is
  // moved by the share value of its own position instead.
  static int scrolled(double value, int position, int containerSide, int size);
  // The area's position after the pointer moved by `moved` pixels since startPosition,
  // kept within the range the scroll bars reach (and the place it started from).
  static int panned(int startPosition, int moved, int containerSide, int size);
};
