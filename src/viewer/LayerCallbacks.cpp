// The layer dialog's callbacks on the current view document and the frame settings.
#include "viewer/LayerCallbacks.h"

#include "toolkit/GwDrawnButton.h"
#include "toolkit/GwFrame.h"
#include "viewer/LayerDialog.h"
#include "viewer/LayerDialogFrame.h"
#include "viewer/ViewerSession.h"
#include "viewer/WindowUtilities.h"

namespace {

constexpr const char* kCannotStore = "MsgBox_Layer_nicht_gespeichert";

void closeFrameOf(GwCore* widget) {
  if (GwCore* frame = widget ? widget->frame() : nullptr) frame->popdown();
}

}  // namespace

int CB_Layer(GwCore* /*widget*/, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  GwFrame* dialog = session ? session->window.layerDialog.get() : nullptr;
  if (!dialog) return 1;
  session->layerStoreFailed = false;
  dialog->run();
  // However the dialog was closed (OK, Cancel, Escape or the window's close button), it
  // shows the drawing afresh the next time; edits not confirmed are dropped.
  session->layerTable.cancel();
  dialog->reset();
  if (auto* area = dynamic_cast<GwDrawnButton*>(session->child("DA_draw"))) area->clear_window();
  if (session->layerStoreFailed) showMessage(*session, kCannotStore);
  return 1;
}

int CB_Layer_create(GwCore* frame, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  LayerDialogFrame widgets(*frame);
  widgets.showColourSwatches();
  session->layerTable.fill(widgets, session->currentDocument(), session->window.frameSettings);
  return 1;
}

int CB_Layer_show(GwCore* frame, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  LayerDialogFrame widgets(*frame);
  session->layerTable.show(widgets);
  return 1;
}

int CB_Layer_select(GwCore* widget, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  LayerDialogFrame widgets(*widget);
  session->layerTable.select(widgets);
  return 1;
}

int CB_Layerfarbe_select(GwCore* widget, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  LayerDialogFrame widgets(*widget);
  session->layerTable.colourChosen(widgets);
  return 1;
}

int CB_Layerlinie_select(GwCore* widget, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  LayerDialogFrame widgets(*widget);
  session->layerTable.linetypeChosen(widgets);
  return 1;
}

int CB_Layername_change(GwCore* widget, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  LayerDialogFrame widgets(*widget);
  session->layerTable.nameChanged(widgets);
  return 1;
}

int CB_Layer_sichtbar(GwCore* widget, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  LayerDialogFrame widgets(*widget);
  session->layerTable.visibilityToggled(widgets);
  return 1;
}

int CB_Layer_ok(GwCore* widget, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  const LayerDialogFrame widgets(*widget);
  const LayerDialog::Storing storing =
      session->layerTable.apply(widgets, session->currentDocument(), session->window.frameSettings);
  session->layerStoreFailed = storing == LayerDialog::Storing::WriteFailed;
  closeFrameOf(widget);
  return 1;
}

int CB_Layer_cancel(GwCore* widget, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  session->layerTable.cancel();
  closeFrameOf(widget);
  return 1;
}

void layersOfNewView(ViewerSession& session) {
  GwFrame* dialog = session.window.layerDialog.get();
  if (dialog) {
    if (dialog->running()) dialog->popdown();
    dialog->reset();
  }
  DXF_Zeichnung* drawing = session.currentDocument();
  IniFile* settings = session.window.frameSettings;
  if (!drawing || !settings) return;
  ColourLabels labels;
  if (dialog) labels = colourLabelsOf(LayerDialogFrame(*dialog));
  applyStoredLooks(*drawing, *settings, labels);
}
