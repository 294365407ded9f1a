// The view commands: turning to a neighbouring view, back to the start view, and the
// all-views sheet; offering them when a drawing carries its views.
#include "viewer/StandardViews.h"

#include <initializer_list>

#include "interface/DXF_Interface.h"
#include "toolkit/GwCore.h"
#include "viewer/AllViewsSheet.h"
#include "viewer/LowMemory.h"
#include "viewer/ViewLoader.h"
#include "viewer/ViewNavigation.h"
#include "viewer/ViewZoom.h"
#include "viewer/ViewerSession.h"
#include "viewer/WindowUtilities.h"

namespace {

constexpr const char* kCannotShow = "MsgBox_Kann_nicht_anzeigen";

void show(const ViewerSession& session, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (GwCore* widget = session.child(name)) widget->show();
  }
}

// A drawing shown through the alternative layer never offers the transfer.
void showTransferCommands(const ViewerSession& session) {
  if (session.window.withoutCommands) return;
  show(session, {"MI_ACAD", "MI_ACAD_sep", "PB_acad"});
}

ViewWorkspace workspace(ViewerSession& session) {
  return {session.view, session.documents, session.window.viewerInterface};
}

ViewTurn currentView(const ViewerSession& session) {
  return {session.view.viewType, session.view.rotation};
}

// The current view document's extents become the world window (zoom limits and zoom
// back), and the view is fitted; the status line shows the drawing title.
void showCurrentView(ViewerSession& session) {
  if (const DXF_Zeichnung* document = session.currentDocument()) {
    session.view.setWindow(
        {document->minX(), document->minY(), document->maxX(), document->maxY()});
  }
  fitCurrentView(session);
  statusTitle(session);
}

// The view the loader was asked for, and whether it succeeded.
struct Turned {
  ViewTurn target;
  bool loaded = false;
};

// Turns the current view back, then lets the loader bring the view `target` works out
// (after the turn back). When the loader fails, the view shown before stays.
template <class Target>
Turned turnTo(ViewerSession& session, Target target) {
  const ViewWorkspace views = workspace(session);
  const ViewTurn before = currentView(session);
  turnBackCurrentView(views);
  const ViewTurn next = target(views.state);
  const bool loaded =
      loadView(views, next.viewType, next.rotation, ViewDocuments::viewName(next.viewType)) != 0;
  if (!loaded) returnToView(views, before);
  return {next, loaded};
}

// Ends the busy cursor. A view whose registered file cannot be read is told; a turn that
// leads nowhere is not.
void endCommand(ViewerSession& session, bool loaded, int viewType) {
  busyEnd(session);
  if (!loaded && isStandardView(viewType)) showMessage(session, kCannotShow);
}

// Runs a view command on the session, unless one runs already: a click let through by
// its status progress would turn documents the running command has turned back already.
template <class Command>
int runViewCommand(const GwUD& userData, Command command) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session || session->view.viewCommandRunning) return 1;
  session->view.viewCommandRunning = true;
  command(*session);
  session->view.viewCommandRunning = false;
  return 1;
}

void turnToNeighbour(ViewerSession& session, ViewDirection direction) {
  busyBegin(session);
  showTransferCommands(session);
  statusClear(session);
  const Turned turned =
      turnTo(session, [direction](ViewState& state) { return navigate(state, direction); });
  showCurrentView(session);
  endCommand(session, turned.loaded, turned.target.viewType);
}

int turnNeighbour(const GwUD& userData, ViewDirection direction) {
  return runViewCommand(
      userData, [direction](ViewerSession& session) { turnToNeighbour(session, direction); });
}

void showFrontView(ViewerSession& session) {
  busyBegin(session);
  showTransferCommands(session);
  statusClear(session);
  const ViewTurn start{session.view.startViewType, session.view.startRotation};
  const Turned turned = turnTo(session, [start](ViewState&) { return start; });
  if (turned.loaded) {
    show(session, {"PB_left", "PB_right", "PB_top", "PB_bottom", "PB_front", "PB_back", "PB_all"});
    session.view.drawingShown = 1;
  }
  showCurrentView(session);
  if (GwCore* back = session.child("PB_Zurueck")) back->make_sensitive();
  endCommand(session, turned.loaded, start.viewType);
}

void showAllViews(ViewerSession& session) {
  busyBegin(session);
  statusClear(session);
  const bool lowMemory = lowMemoryMode();
  const ViewWorkspace views = workspace(session);
  const ViewTurn before = currentView(session);
  turnBackCurrentView(views);
  bool built = true;
  if (!views.documents.at(kAllViews)) {
    statusProgress(session);
    built = buildAllViewsSheet(views, lowMemory);
    statusProgress(session);
  }
  if (built) {
    views.state.viewType = kAllViews;
    views.state.rotation = 0;
    if (GwCore* fileName = session.child("EB_text")) fileName->set_text("");
    showCurrentView(session);
  } else {
    returnToView(views, before);
    statusTitle(session);
    showTransferCommands(session);
  }
  endCommand(session, built, views.state.startViewType);
}

}  // namespace

int CB_ViewLeft(GwCore*, GwEvent*, GwUD userData) { return turnNeighbour(userData, kTurnLeft); }
int CB_ViewRight(GwCore*, GwEvent*, GwUD userData) { return turnNeighbour(userData, kTurnRight); }
int CB_ViewBottom(GwCore*, GwEvent*, GwUD userData) { return turnNeighbour(userData, kTurnBottom); }
int CB_ViewTop(GwCore*, GwEvent*, GwUD userData) { return turnNeighbour(userData, kTurnTop); }
int CB_ViewBack(GwCore*, GwEvent*, GwUD userData) { return turnNeighbour(userData, kTurnBack); }

int CB_ViewFront(GwCore*, GwEvent*, GwUD userData) {
  return runViewCommand(userData, showFrontView);
}

int CB_ViewAll(GwCore*, GwEvent*, GwUD userData) { return runViewCommand(userData, showAllViews); }

int CB_ViewCut(GwCore*, GwEvent*, GwUD) { return 1; }

void forgetStandardViews(ViewerSession& session) { forgetViews(workspace(session)); }

void offerStandardViews(ViewerSession& session) {
  const ViewWorkspace views = workspace(session);
  if (hasViewDrawing(views, views.state.startViewType)) show(session, {"PB_front"});
}
