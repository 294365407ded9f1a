// The view a fit shows, as the painter's placement of the drawing area.
#include "viewer/FittedView.h"

#include "viewer/ZoomGeometry.h"

ViewPlacement fittedView(PixelSize container, const WorldWindow& extents) {
  const AreaLayout fit =
      ZoomGeometry::fit(container.width, container.height, ZoomGeometry::margins(extents));
  ViewPlacement view;
  view.container = container;
  view.area = {fit.width, fit.height};
  view.position = {fit.x, fit.y};
  view.hasWorld = true;
  view.worldX1 = fit.world.minX;
  view.worldY1 = fit.world.minY;
  view.worldX2 = fit.world.maxX;
  view.worldY2 = fit.world.maxY;
  return view;
}
