// Places a drawing's extents into a picture the way the viewer fits its drawing area.
#pragma once

namespace dxftool {

// A rectangle in drawing units (mm), smaller corner first.
struct WorldBox {
  double minX = 0.0;
  double minY = 0.0;
  double maxX = 0.0;
  double maxY = 0.0;
};

// Where the drawing area lies in the picture and which world rectangle it shows.
struct FittedArea {
  bool empty = true;   // nothing to show: extents inverted (nothing read) or not finite
  double scale = 0.0;  // pixels per drawing unit
  int width = 0;       // pixel size of the drawing area
  int height = 0;
  int x = 0;  // its top-left corner in the picture, pixels
  int y = 0;
  WorldBox world;  // world rectangle mapped onto the drawing area
};

class ViewFit {
 public:
  // Share of the width and the height added on each side before fitting.
  static constexpr double kMargin = 0.05;
  // Pixels the fitted area leaves free at the picture's right and bottom edge.
  static constexpr int kInset = 2;

  // The extents widened by kMargin of their width (x) and height (y) on each side.
  static WorldBox widened(const WorldBox& extents);

  // Fits `world` into a picture of the given pixel size, keeping its aspect ratio and
  // centring it in the picture less the inset. A box that is a single point or a line
  // parallel to an axis has no area to fit; its missing side is taken equal to the other
  // side (a point becomes a square of one drawing unit), so it shows centred instead of
  // dividing by zero.
  static FittedArea fit(const WorldBox& world, int pictureWidth, int pictureHeight);

  // Maps `world` onto the whole picture with equal scales: the side that is too short for
  // the picture's shape grows evenly about the centre. Empty for a box without area.
  static FittedArea fillPicture(const WorldBox& world, int pictureWidth, int pictureHeight);
};

}  // namespace dxftool
