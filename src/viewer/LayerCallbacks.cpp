// The layer dialog's callbacks on the current view document and the frame settings.
#include "viewer/LayerCallbacks.h"

#include "toolkit/GwDrawnButton.h"
#include "toolkit/GwFrame.h"
#include "viewer/LayerDialog.h"
#include "viewer/LayerDialogFrame.h"
#include "viewer/MainWindowState.h"
#include "viewer/ViewDocuments.h"
#include "viewer/WindowUtilities.h"

namespace {

constexpr const char* kCannotStore = "MsgBox_Layer_nicht_gespeichert";

// The dialog's working table lives here from filling until OK or Cancel.
LayerDialog& layerDialog() {
  static LayerDialog dialog;
  return dialog;
}

// Set by OK when the settings file could not be written; reported after the dialog closed.
bool storeFailed = false;

void closeFrameOf(GwCore* widget) {
  if (GwCore* frame = widget ? widget->frame() : nullptr) frame->popdown();
}

}  // namespace

int CB_Layer(GwCore* /*widget*/, GwEvent* /*event*/, GwUD /*userData*/) {
  GwFrame* dialog = mainWindow().layerDialog.get();
  if (!dialog) return 1;
  storeFailed = false;
  dialog->run();
  // However the dialog was closed (OK, Cancel, Escape or the window's close button), it
  // shows the drawing afresh the next time; edits not confirmed are dropped.
  layerDialog().cancel();
  dialog->reset();
  if (auto* area = dynamic_cast<GwDrawnButton*>(mainChild("DA_draw"))) area->clear_window();
  if (storeFailed) showMessage(kCannotStore);
  return 1;
}

int CB_Layer_create(GwCore* frame, GwEvent* /*event*/, GwUD /*userData*/) {
  LayerDialogFrame widgets(*frame);
  widgets.showColourSwatches();
  layerDialog().fill(widgets, viewDocuments().current(), mainWindow().frameSettings);
  return 1;
}

int CB_Layer_show(GwCore* frame, GwEvent* /*event*/, GwUD /*userData*/) {
  LayerDialogFrame widgets(*frame);
  layerDialog().show(widgets);
  return 1;
}

int CB_Layer_select(GwCore* widget, GwEvent* /*event*/, GwUD /*userData*/) {
  LayerDialogFrame widgets(*widget);
  layerDialog().select(widgets);
  return 1;
}

int CB_Layerfarbe_select(GwCore* widget, GwEvent* /*event*/, GwUD /*userData*/) {
  LayerDialogFrame widgets(*widget);
  layerDialog().colourChosen(widgets);
  return 1;
}

int CB_Layerlinie_select(GwCore* widget, GwEvent* /*event*/, GwUD /*userData*/) {
  LayerDialogFrame widgets(*widget);
  layerDialog().linetypeChosen(widgets);
  return 1;
}

int CB_Layername_change(GwCore* widget, GwEvent* /*event*/, GwUD /*userData*/) {
  LayerDialogFrame widgets(*widget);
  layerDialog().nameChanged(widgets);
  return 1;
}

int CB_Layer_sichtbar(GwCore* widget, GwEvent* /*event*/, GwUD /*userData*/) {
  LayerDialogFrame widgets(*widget);
  layerDialog().visibilityToggled(widgets);
  return 1;
}

int CB_Layer_ok(GwCore* widget, GwEvent* /*event*/, GwUD /*userData*/) {
  const LayerDialogFrame widgets(*widget);
  const LayerDialog::Storing storing =
      layerDialog().apply(widgets, viewDocuments().current(), mainWindow().frameSettings);
  storeFailed = storing == LayerDialog::Storing::WriteFailed;
  closeFrameOf(widget);
  return 1;
}

int CB_Layer_cancel(GwCore* widget, GwEvent* /*event*/, GwUD /*userData*/) {
  layerDialog().cancel();
  closeFrameOf(widget);
  return 1;
}

void layersOfNewView() {
  GwFrame* dialog = mainWindow().layerDialog.get();
  if (dialog) {
    if (dialog->running()) dialog->popdown();
    dialog->reset();
  }
  DXF_Zeichnung* drawing = viewDocuments().current();
  IniFile* settings = mainWindow().frameSettings;
  if (!drawing || !settings) return;
  ColourLabels labels;
  if (dialog) labels = colourLabelsOf(LayerDialogFrame(*dialog));
  applyStoredLooks(*drawing, *settings, labels);
}
