// Painting the current view document into the drawing area.
#include "viewer/Redraw.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "document/DXF_Zeichnung.h"
#include "document/IndexedDrawing.h"
#include "document/PlacementBudget.h"
#include "toolkit/GwDrawnButton.h"
#include "toolkit/GwFrame.h"
#include "viewer/MouseHandlers.h"
#include "viewer/PointerPosition.h"
#include "viewer/ViewScroll.h"
#include "viewer/ViewZoom.h"
#include "viewer/ViewerSession.h"
#include "viewer/WindowUtilities.h"

namespace {

void attachMouseHandlers(ViewerSession& session) {
  const GwUD data = session.userData();
  for (const char* name : {"DA_draw", "DA_container"}) {
    GwCore* widget = session.child(name);
    if (!widget) continue;
    widget->add_callback(GwCB_BUTTON, buttonHandler, kButtonEventMask, data);
    widget->add_callback(GwCB_MOUSEMOVE, motionHandler, kMotionEventMask, data);
    widget->add_callback(GwCB_BUTTON, panButtonHandler, kButtonEventMask, data);
    widget->add_callback(GwCB_MOUSEMOVE, panMotionHandler, kMotionEventMask, data);
    widget->add_callback(GwCB_WHEEL, wheelHandler, GwEVENT_WHEEL, data);
  }
}

// The budget of one picture, kept by its bands and its end (a budget can be neither copied
// nor moved).
struct SharedBudget {
  explicit SharedBudget(const DXF_Zeichnung& document)
      : budget(PlacementBudget::forDrawing(document)) {}
  PlacementBudget budget;
};

// The documents whose pictures may still be painting off the GUI thread: all painted since
// the paints last settled, not only the last one, since an abandoned picture goes on until it
// notices. Guarded, because the change hook also runs on the loading thread for the drawing
// it reads, which is never among them.
class PaintedDocuments {
 public:
  void add(const DXF_Zeichnung& document) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (std::find(documents_.begin(), documents_.end(), &document) == documents_.end()) {
      documents_.push_back(&document);
    }
  }
  bool contains(const DXF_Zeichnung& document) {
    const std::lock_guard<std::mutex> lock(mutex_);
    return std::find(documents_.begin(), documents_.end(), &document) != documents_.end();
  }
  void clear() {
    const std::lock_guard<std::mutex> lock(mutex_);
    documents_.clear();
  }

 private:
  std::mutex mutex_;
  std::vector<const DXF_Zeichnung*> documents_;
};

// Never destroyed: a document may still go after the program's statics have.
PaintedDocuments& paintedDocuments() {
  static auto* const documents = new PaintedDocuments;
  return *documents;
}

// Before one of those documents changes or goes away, every picture stops.
void settleBeforeChange(const DXF_Zeichnung& document) {
  if (!paintedDocuments().contains(document)) return;
  GwDrawnButton::settle_paints();
  paintedDocuments().clear();
}

void paintScene(GwDrawnButton& area, ViewerSession& session, const DXF_Zeichnung& document) {
  static const bool hooked = [] {
    DXF_Zeichnung::setChangeHook(settleBeforeChange);
    return true;
  }();
  (void)hooked;
  std::shared_ptr<const IndexedDrawing> scene = session.scenes.of(document);
  paintedDocuments().add(document);
  // The picture's budget: what its bands left out is said once it shows.
  auto budget = std::make_shared<SharedBudget>(document);
  area.paint_scene(
      [scene, budget](DrawingArea& target, const std::atomic<bool>& cancelled) {
        PaintOptions options;
        options.cancelled = &cancelled;
        options.budget = &budget->budget;
        scene->paint(target, options);
      },
      document.revision(),
      [&session, scene, budget] {
        const PlacementCut cut = cutOf(scene->document(), budget->budget);
        // Said in the status line: a dialog from inside painting would paint again.
        if (cut.cut()) statusSet(session, cut.sentence().c_str());
      });
}

}  // namespace

void detachMouseHandlers(ViewerSession& session) {
  for (const char* name : {"DA_draw", "DA_container"}) {
    GwCore* widget = session.child(name);
    if (!widget) continue;
    for (const GwAtom& atom : {GwCB_BUTTON, GwCB_MOUSEMOVE, GwCB_WHEEL}) {
      widget->remove_callback(atom);
    }
  }
  ViewState& view = session.view;
  view.rubberBand.reset();
  view.panning = 0;
  clearPointerPosition(session);
}

int redrawHandler(GwCore* widget, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 0;
  // Painting must not start another paint of the same area.
  widget->remove_callback(GwCB_EXPOSE, redrawHandler);
  GwFrame* frame = session->window.frame;
  if (frame) frame->set_cursor(GwCURSOR_WAIT);

  ViewState& view = session->view;
  if (GwCore* viewMenu = session->child("MI_Ansicht")) {
    if (view.viewType != 0) {
      viewMenu->show();
    } else {
      viewMenu->hide();
    }
  }
  if (view.fitted) {
    attachMouseHandlers(*session);
    for (const char* name : {"PB_zoomp", "PB_zoomm", "PB_zoomb", "MI_Zoom"}) {
      if (GwCore* control = session->child(name)) control->make_sensitive();
    }
    view.fitted = 0;
  }
  auto* area = dynamic_cast<GwDrawnButton*>(widget);
  DXF_Zeichnung* document = session->currentDocument();
  if (area && document) paintScene(*area, *session, *document);

  if (frame) frame->set_cursor(GwCURSOR_ARROW);
  widget->add_callback(GwCB_EXPOSE, redrawHandler, 0, userData);
  return 0;
}
