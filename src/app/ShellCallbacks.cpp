// Callbacks of the shell that do little: info frame, zoom step, placeholders.
#include "app/ShellCallbacks.h"

#include <cmath>
#include <cstdlib>
#include <memory>

#include "app/DrawingInformation.h"
#include "app/DrawingInformationDialog.h"
#include "document/DXF_Zeichnung.h"
#include "toolkit/GwFrame.h"
#include "toolkit/GwRcMgr.h"
#include "viewer/ViewerSession.h"
#include "viewer/WindowUtilities.h"

int CB_Translate(GwCore* /*widget*/, GwEvent* /*event*/, GwUD /*userData*/) { return 1; }

int CB_hilfe(GwCore* /*widget*/, GwEvent* /*event*/, GwUD userData) {
  const ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  std::unique_ptr<GwFrame> info(gw_def_mgr.load("DF_Info", session->window.frame, 1));
  if (info) info->run();
  return 1;
}

int CB_info(GwCore* /*widget*/, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  if (const DXF_Zeichnung* drawing = session->currentDocument()) {
    showDrawingInformation(*session, drawingInformation(*drawing));
  }
  return 1;
}

int CB_zoom_navigator(GwCore* /*widget*/, GwEvent* /*event*/, GwUD /*userData*/) { return 1; }

int CB_get_factor(GwCore* /*widget*/, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  const double factor = std::strtod(userData.str(), nullptr);
  // Zooming divides by the step and truncates sizes to integers: only a positive, finite
  // step keeps those numbers meaningful.
  session->view.zoomStep = std::isfinite(factor) && factor > 0.0 ? factor : 0.5;
  return 1;
}

int CB_not_available(GwCore* /*widget*/, GwEvent* /*event*/, GwUD userData) {
  if (ViewerSession* session = ViewerSession::of(userData)) {
    showMessage(*session, "MsgBox_Nicht_verfuegbar");
  }
  return 1;
}
