// Places a drawing's extents into a picture the way the viewer fits its drawing area.
#include "dxftool/ViewFit.h"

#include <algorithm>
#include <cmath>

namespace dxftool {

WorldBox ViewFit::widened(const WorldBox& extents) {
  const double w = std::fabs(extents.maxX - extents.minX);
  const double h = std::fabs(extents.maxY - extents.minY);
  return {extents.minX - kMargin * w, extents.minY - kMargin * h, extents.maxX + kMargin * w,
          extents.maxY + kMargin * h};
}

FittedArea ViewFit::fit(const WorldBox& world, int pictureWidth, int pictureHeight) {
  FittedArea area;
  const int cw = pictureWidth - kInset;
  const int ch = pictureHeight - kInset;
  double w = world.maxX - world.minX;
  double h = world.maxY - world.minY;
  if (cw <= 0 || ch <= 0 || !std::isfinite(w) || !std::isfinite(h) || w < 0.0 || h < 0.0) {
    return area;
  }
  area.world = world;
  if (w == 0.0 && h == 0.0) {
    w = h = 1.0;
  } else if (w == 0.0) {
    w = h;
  } else if (h == 0.0) {
    h = w;
  }
  // A side without extent grows evenly about its single coordinate.
  if (world.maxX == world.minX) {
    area.world.minX = world.minX - w / 2.0;
    area.world.maxX = world.minX + w / 2.0;
  }
  if (world.maxY == world.minY) {
    area.world.minY = world.minY - h / 2.0;
    area.world.maxY = world.minY + h / 2.0;
  }

  area.scale = std::min(cw / w, ch / h);
  area.width = std::max(1, static_cast<int>(area.scale * w));
  area.height = std::max(1, static_cast<int>(area.scale * h));
  area.x = (cw - area.width) / 2;
  area.y = (ch - area.height) / 2;
  area.empty = false;
  return area;
}

FittedArea ViewFit::fillPicture(const WorldBox& world, int pictureWidth, int pictureHeight) {
  FittedArea area;
  const double w = world.maxX - world.minX;
  const double h = world.maxY - world.minY;
  if (pictureWidth <= 0 || pictureHeight <= 0 || !std::isfinite(w) || !std::isfinite(h) ||
      !(w > 0.0) || !(h > 0.0)) {
    return area;
  }
  area.scale = std::min(pictureWidth / w, pictureHeight / h);
  const double halfW = pictureWidth / area.scale / 2.0;
  const double halfH = pictureHeight / area.scale / 2.0;
  const double cx = (world.minX + world.maxX) / 2.0;
  const double cy = (world.minY + world.maxY) / 2.0;
  area.world = {cx - halfW, cy - halfH, cx + halfW, cy + halfH};
  area.width = pictureWidth;
  area.height = pictureHeight;
  area.empty = false;
  return area;
}

}  // namespace dxftool
