// The arithmetic of fitting and zooming the drawing area, free of widgets: pixel sizes,
// positions and scales from the container, the area and the world window.
#pragma once

#include "viewer/MouseHandlers.h"
#include "viewer/WorldWindow.h"

// The drawing area "DA_draw" as it is now, in pixels: its position in the container
// "DA_container" (negative when scrolled), its size and the container's size.
struct AreaState {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int containerWidth = 0;
  int containerHeight = 0;
};

// Where a fit or zoom back puts the drawing area, and what it shows.
struct AreaLayout {
  int width = 0;
  int height = 0;
  int x = 0;
  int y = 0;
  double scale = 0.0;  // pixels per drawing unit
  WorldWindow world;   // the world rectangle mapped onto the area
};

enum class ZoomVerdict {
  Done,      // the step below is to be applied
  TooLarge,  // an enlarging zoom would pass 32000 pixels or 100 pixels per drawing unit
  TooSmall,  // a reducing zoom would fall below 10 pixels or 0.0001 pixels per drawing unit
  NoArea,    // a dragged rectangle without width or height
};

// A zoom step: the new size (exact and truncated) and position of the drawing area.
struct ZoomStep {
  ZoomVerdict verdict = ZoomVerdict::Done;
  double factor = 1.0;  // what the scale is multiplied by
  double exactWidth = 0.0;
  double exactHeight = 0.0;
  int width = 0;
  int height = 0;
  int x = 0;
  int y = 0;
};

class ZoomGeometry {
 public:
  static constexpr int kMaxPixels = 32000;     // widest and highest drawing area
  static constexpr int kMinPixels = 10;        // narrowest and lowest drawing area
  static constexpr double kMaxScale = 100.0;   // pixels per drawing unit, at most
  static constexpr double kMinScale = 0.0001;  // pixels per drawing unit, at least
  static constexpr double kMargin = 0.05;      // share of width and height added per side
  static constexpr double kMinimalSize = 1.0;  // drawing units of a window without extent
  static constexpr int kInset = 2;             // pixels a fit leaves free in the container

  // The box that widens extents by 5 % of their width and height on each side (width and
  // height taken without sign, so inverted extents widen outwards too).
  static WorldWindow margins(const WorldWindow& extents);
  // The window itself, or, where it has no width or height (one point, one straight line,
  // or no extents at all), kMinimalSize drawing units around its centre in that direction,
  // so that scales never divide by zero.
  static WorldWindow withMinimalSize(const WorldWindow& window);

  // The extents fitted into the container less kInset pixels, centred.
  static AreaLayout fit(int containerWidth, int containerHeight, const WorldWindow& extents);
  // The whole world window in the container less kInset pixels, centred.
  static AreaLayout zoomBack(int containerWidth, int containerHeight, const WorldWindow& window);
  // Zoom by factor, keeping the point (anchorX, anchorY) of the container in place; the
  // limits are measured against the world window. Only the limits in the zoom's own
  // direction apply: a drawing shown beyond one (a small drawing fitted at more than 100
  // pixels per unit) can always be zoomed back towards it.
  static ZoomStep byFactor(const AreaState& area, double factor, const WorldWindow& window,
                           double anchorX, double anchorY);
  // Zoom so that the dragged rectangle fills the container, its left and top edges at the
  // container's edges. Only the upper limits apply (TooLarge), to an enlarging zoom.
  static ZoomStep toRectangle(const AreaState& area, const RubberRelease& drag,
                              const WorldWindow& window);

 private:
  static bool tooLarge(double factor, double width, double height, const WorldWindow& window);
  static bool tooSmall(double factor, double width, double height, const WorldWindow& window);
};
