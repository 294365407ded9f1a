// The drawing area "DA_draw" and its container "DA_container" of the main frame, as the
// zoom and scroll commands read and change them.
#pragma once

#include "viewer/ScrollGeometry.h"
#include "viewer/ZoomGeometry.h"

class GwCore;
class GwDrawnButton;

class ViewArea {
 public:
  // Looks both widgets up in the main frame.
  ViewArea();

  // False without a main frame or either widget; nothing else may be called then.
  explicit operator bool() const { return area_ && container_; }
  GwDrawnButton& area() const { return *area_; }

  // Position and size of the area and the size of the container.
  AreaState state() const;
  // Gives the area its size, then its position.
  void place(int width, int height, int x, int y) const;

  // Shows or hides "SB_hori" and "SB_vert" and sets their values.
  static void showScrollBars(const ScrollBarState& horizontal, const ScrollBarState& vertical);
  static void hideScrollBars();

 private:
  GwDrawnButton* area_ = nullptr;
  GwCore* container_ = nullptr;
};
