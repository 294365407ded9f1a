// The layer command and the callbacks of its dialog frame "Layerdefinition_Dialog"; each
// gets the viewer session as the pointer of its user data.
#pragma once

#include "toolkit/GwCallback.h"
#include "toolkit/GwEvent.h"

struct ViewerSession;

// Runs the layer dialog modally over the main frame, then repaints the drawing with the
// changed layers; a failed store of the looks is reported once the dialog has closed.
// Every run fills the dialog afresh from the drawing.
int CB_Layer(GwCore* widget, GwEvent* event, GwUD userData);

// Frame callbacks of the dialog: filling (first run after a load or reset) and showing.
int CB_Layer_create(GwCore* frame, GwEvent* event, GwUD userData);
int CB_Layer_show(GwCore* frame, GwEvent* event, GwUD userData);
// A row of "ST_Layer" was selected.
int CB_Layer_select(GwCore* widget, GwEvent* event, GwUD userData);
// Edits of the selected row: colour, linetype, display name, visibility.
int CB_Layerfarbe_select(GwCore* widget, GwEvent* event, GwUD userData);
int CB_Layerlinie_select(GwCore* widget, GwEvent* event, GwUD userData);
int CB_Layername_change(GwCore* widget, GwEvent* event, GwUD userData);
int CB_Layer_sichtbar(GwCore* widget, GwEvent* event, GwUD userData);
// Close the dialog, applying and storing the edits or dropping them.
int CB_Layer_ok(GwCore* widget, GwEvent* event, GwUD userData);
int CB_Layer_cancel(GwCore* widget, GwEvent* event, GwUD userData);

// A new view is about to be shown: closes the layer dialog and resets its frame, so that
// it is filled from the new drawing when it is opened again, and gives the layers of the
// current view document their stored looks.
void layersOfNewView(ViewerSession& session);
