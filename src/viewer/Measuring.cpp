// Measuring read-outs in the status line.
#include "viewer/Measuring.h"

#include "viewer/MeasureGeometry.h"
#include "viewer/ViewerSession.h"
#include "viewer/WindowUtilities.h"

void measureMotion(ViewerSession& session, double& x, double& y) {
  const ViewState& viewing = session.view;
  const MeasureSnap snap = MeasureGeometry::snap(viewing.rubberStartX, viewing.rubberStartY, x, y);
  x = snap.x;
  y = snap.y;
  statusSet(session, MeasureGeometry::readout(snap.pixels, viewing.scale).c_str());
}

void measureRelease(ViewerSession& session, const RubberRelease& release) {
  statusSet(session,
            MeasureGeometry::finalReadout(release.dx, release.dy, session.view.scale).c_str());
}
