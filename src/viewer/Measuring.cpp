// Measuring read-outs in the status line.
#include "viewer/Measuring.h"

#include "viewer/MeasureGeometry.h"
#include "viewer/ViewState.h"
#include "viewer/WindowUtilities.h"

void measureMotion(double& x, double& y) {
  const ViewState& viewing = viewState();
  const MeasureSnap snap = MeasureGeometry::snap(viewing.rubberStartX, viewing.rubberStartY, x, y);
  x = snap.x;
  y = snap.y;
  statusSet(MeasureGeometry::readout(snap.pixels, viewing.scale).c_str());
}

void measureRelease(const RubberRelease& release) {
  statusSet(MeasureGeometry::finalReadout(release.dx, release.dy, viewState().scale).c_str());
}
