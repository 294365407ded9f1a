// The drawing area "DA_draw" and its container "DA_container" of the main frame, as the
// zoom and scroll commands read and change them.
#pragma once

#include "viewer/ScrollGeometry.h"
#include "viewer/ZoomGeometry.h"

class GwCore;
class GwDrawnButton;
struct ViewerSession;

class ViewArea {
 public:
  // Looks both widgets up in the session's main frame.
  explicit ViewArea(const ViewerSession& session);

  // False without a main frame or either widget; only the scroll bars may be changed then.
  explicit operator bool() const { return area_ && container_; }
  GwDrawnButton& area() const { return *area_; }

  // Position and size of the area and the size of the container.
  AreaState state() const;
  // Gives the area its size, then its position.
  void place(int width, int height, int x, int y) const;

  // Shows or hides "SB_hori" and "SB_vert" and sets their values.
  void showScrollBars(const ScrollBarState& horizontal, const ScrollBarState& vertical) const;
  void hideScrollBars() const;

 private:
  const ViewerSession& session_;
  GwDrawnButton* area_ = nullptr;
  GwCore* container_ = nullptr;
};
