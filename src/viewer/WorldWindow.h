// A rectangle of drawing coordinates: what the drawing area maps onto its pixels.
#pragma once

// Corners in drawing units (millimetres); the one with the smaller coordinates is min.
struct WorldWindow {
  double minX = 0.0;
  double minY = 0.0;
  double maxX = 0.0;
  double maxY = 0.0;

  double width() const { return maxX - minX; }
  double height() const { return maxY - minY; }
};
