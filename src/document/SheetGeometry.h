// Where the decorations of a printed sheet go: margin, scale bar and logo rectangle.
#pragma once

#include <optional>

#include "entities/DeviceContext.h"

// The corners of the sheet around a drawing's extents.
enum class SheetCorner { UpperLeft = 1, UpperRight = 2, LowerLeft = 3, LowerRight = 4 };

// The extents of a drawing in drawing units (mm).
struct SheetExtents {
  double minX = 0.0;
  double minY = 0.0;
  double maxX = 0.0;
  double maxY = 0.0;
};

// A scale bar: from `start` to start + direction * length at the heights yA (outer edge),
// yB (the division) and yC (inner edge), labelled at (labelX, yC).
struct ScaleBar {
  double start = 0.0;
  double length = 0.0;
  double direction = 1.0;
  double yA = 0.0;
  double yB = 0.0;
  double yC = 0.0;
  double labelX = 0.0;
};

namespace SheetGeometry {

// The margin unit m: 5 % of the drawing's width, for vertical distances too.
double margin(const SheetExtents& extents);
// The corner of a caller's number; none for numbers other than 1 to 4.
std::optional<SheetCorner> corner(int number);
// The printed window: the extents widened by 2m on every side.
SheetExtents printWindow(const SheetExtents& extents);

// The scale bar in a corner: 100 mm long, shrunk (to 50, then by fifths) until it ends
// short of the middle of the drawing. None when the drawing has no finite, non-zero width.
std::optional<ScaleBar> scaleBar(const SheetExtents& extents, SheetCorner corner);

// The logo rectangle in device pixels (top measured from the page's upper edge) for a
// device of width x height pixels onto which the printed window is fitted: one margin
// unit high, as wide as the picture's proportions ask. None when nothing can be drawn
// (no size, or a picture without proportions).
std::optional<DeviceRectangle> logoRectangle(const SheetExtents& extents, SheetCorner corner,
                                             double deviceWidth, double deviceHeight,
                                             double pictureWidth, double pictureHeight);

}  // namespace SheetGeometry
