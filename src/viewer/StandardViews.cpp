// The view commands: turning to a neighbouring view, back to the start view, and the
// all-views sheet; offering them when a drawing carries its views.
#include "viewer/StandardViews.h"

#include <initializer_list>

#include "interface/DXF_Interface.h"
#include "toolkit/GwCore.h"
#include "viewer/AllViewsSheet.h"
#include "viewer/LowMemory.h"
#include "viewer/MainWindowState.h"
#include "viewer/ViewDocuments.h"
#include "viewer/ViewLoader.h"
#include "viewer/ViewNavigation.h"
#include "viewer/ViewState.h"
#include "viewer/ViewZoom.h"
#include "viewer/WindowUtilities.h"

namespace {

constexpr const char* kCannotShow = "MsgBox_Kann_nicht_anzeigen";

void show(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (GwCore* widget = mainChild(name)) widget->show();
  }
}

void showTransferCommands() { show({"MI_ACAD", "MI_ACAD_sep", "PB_acad"}); }

ViewWorkspace workspace() { return {viewState(), viewDocuments(), mainWindow().viewerInterface}; }

ViewTurn currentView() { return {viewState().viewType, viewState().rotation}; }

// The current view document's extents become the world window (zoom limits and zoom
// back), and the view is fitted; the status line shows the drawing title.
void showCurrentView() {
  if (const DXF_Zeichnung* document = viewDocuments().current()) {
    viewState().setWindow({document->minX(), document->minY(), document->maxX(),
                           document->maxY()});
  }
  fitCurrentView();
  statusTitle();
}

// The view the loader was asked for, and whether it succeeded.
struct Turned {
  ViewTurn target;
  bool loaded = false;
};

// Turns the current view back, then lets the loader bring the view `target` works out
// (after the turn back). When the loader fails, the view shown before stays.
template <class Target>
Turned turnTo(Target target) {
  const ViewWorkspace views = workspace();
  const ViewTurn before = currentView();
  turnBackCurrentView(views);
  const ViewTurn next = target(views.state);
  const bool loaded =
      loadView(views, next.viewType, next.rotation, ViewDocuments::viewName(next.viewType)) != 0;
  if (!loaded) returnToView(views, before);
  return {next, loaded};
}

// Ends the busy cursor. A view whose registered file cannot be read is told; a turn that
// leads nowhere is not.
void endCommand(bool loaded, int viewType) {
  busyEnd();
  if (!loaded && isStandardView(viewType)) showMessage(kCannotShow);
}

int turnNeighbour(ViewDirection direction) {
  busyBegin();
  showTransferCommands();
  statusClear();
  const Turned turned =
      turnTo([direction](ViewState& state) { return navigate(state, direction); });
  showCurrentView();
  endCommand(turned.loaded, turned.target.viewType);
  return 1;
}

}  // namespace

int CB_ViewLeft(GwCore*, GwEvent*, GwUD) { return turnNeighbour(kTurnLeft); }
int CB_ViewRight(GwCore*, GwEvent*, GwUD) { return turnNeighbour(kTurnRight); }
int CB_ViewBottom(GwCore*, GwEvent*, GwUD) { return turnNeighbour(kTurnBottom); }
int CB_ViewTop(GwCore*, GwEvent*, GwUD) { return turnNeighbour(kTurnTop); }
int CB_ViewBack(GwCore*, GwEvent*, GwUD) { return turnNeighbour(kTurnBack); }

int CB_ViewFront(GwCore*, GwEvent*, GwUD) {
  busyBegin();
  showTransferCommands();
  statusClear();
  const ViewTurn start{viewState().startViewType, viewState().startRotation};
  const Turned turned = turnTo([start](ViewState&) { return start; });
  if (turned.loaded) {
    show({"PB_left", "PB_right", "PB_top", "PB_bottom", "PB_front", "PB_back", "PB_all"});
    viewState().drawingShown = 1;
  }
  showCurrentView();
  if (GwCore* back = mainChild("PB_Zurueck")) back->make_sensitive();
  endCommand(turned.loaded, start.viewType);
  return 1;
}

int CB_ViewAll(GwCore*, GwEvent*, GwUD) {
  busyBegin();
  statusClear();
  const bool lowMemory = lowMemoryMode();
  const ViewWorkspace views = workspace();
  const ViewTurn before = currentView();
  turnBackCurrentView(views);
  bool built = true;
  if (!views.documents.at(kAllViews)) {
    statusProgress();
    built = buildAllViewsSheet(views, lowMemory);
    statusProgress();
  }
  if (built) {
    views.state.viewType = kAllViews;
    views.state.rotation = 0;
    if (GwCore* fileName = mainChild("EB_text")) fileName->set_text("");
    showCurrentView();
  } else {
    returnToView(views, before);
    statusTitle();
    showTransferCommands();
  }
  endCommand(built, views.state.startViewType);
  return 1;
}

int CB_ViewCut(GwCore*, GwEvent*, GwUD) { return 1; }

void forgetStandardViews() { forgetViews(workspace()); }

void offerStandardViews() {
  const ViewWorkspace views = workspace();
  if (hasViewDrawing(views, views.state.startViewType)) show({"PB_front"});
}
