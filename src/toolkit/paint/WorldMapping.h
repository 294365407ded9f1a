// Linear map from a world rectangle (drawing units, y up) onto device pixels (y down).
#pragma once

// Maps the world rectangle (x1, y1)-(x2, y2) onto width x height pixels: x1 goes to pixel
// column 0 and x2 to `width`, y2 to pixel row 0 and y1 to `height`. Without a world
// rectangle the map is the identity, as a printer or file context of N x M pixels needs.
class WorldMapping {
 public:
  // Identity map: world units are device pixels.
  WorldMapping() = default;
  // World rectangle in drawing units onto a pixel size. A rectangle without width or
  // height (or with non-finite corners) keeps one pixel per unit on that axis instead of
  // dividing by zero, so nothing downstream sees infinities.
  WorldMapping(double x1, double y1, double x2, double y2, double width, double height);

  double x(double worldX) const { return (worldX - originX_) * scaleX_; }
  double y(double worldY) const { return flipY_ ? (originY_ - worldY) * scaleY_ : worldY; }
  // The inverse: the world coordinates at a device position.
  double worldX(double pixelX) const { return pixelX / scaleX_ + originX_; }
  double worldY(double pixelY) const { return flipY_ ? originY_ - pixelY / scaleY_ : pixelY; }

  // Pixels per world unit along each axis.
  double scaleX() const { return scaleX_; }
  double scaleY() const { return scaleY_; }
  // World units per pixel in y (1 for the identity map).
  double worldPerPixelY() const { return 1.0 / scaleY_; }

 private:
  double originX_ = 0.0;  // world x at pixel column 0
  double originY_ = 0.0;  // world y at pixel row 0 (the rectangle's top)
  double scaleX_ = 1.0;
  double scaleY_ = 1.0;
  bool flipY_ = false;
};
