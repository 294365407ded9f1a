// The arithmetic of measuring with the mouse, free of widgets: the axis snapping of the
// rubber line and the read-outs in millimetres.
#pragma once

#include <string>

// The pointer moved onto the axis of the larger movement, and the measured pixels.
struct MeasureSnap {
  double x = 0.0;
  double y = 0.0;
  int pixels = 0;
};

class MeasureGeometry {
 public:
  // Pointer (x, y) measured from the press point (startX, startY), all container pixels:
  // mainly horizontal movements keep the start's row, others (ties too) its column.
  static MeasureSnap snap(double startX, double startY, double x, double y);
  // pixels / scale (pixels per millimetre) as "%5.1f mm"; "" while there is no scale.
  static std::string readout(double pixels, double scale);
  // The read-out of a finished drag: the larger of the two extents, dy on a tie.
  static std::string finalReadout(int dx, int dy, double scale);
};
