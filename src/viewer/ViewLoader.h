// The view loader: brings the drawing of a standard view into the view document table and
// turns it the way the view is shown.
#pragma once

#include "viewer/ViewTypes.h"

class DXF_Interface_Basis;
class DXF_Zeichnung;
class ViewDocuments;
struct ViewState;

// What the standard views work on: the view state, the view document table and the
// viewer interface whose component registry may name the view drawings (null: none).
struct ViewWorkspace {
  ViewState& state;
  ViewDocuments& documents;
  DXF_Interface_Basis* registry = nullptr;
};

// Documents at rest in the table are unturned; only the current one is turned, by the
// state's rotation. Every command turns the current document back before it moves on.

// The loader hook. For a standard view (1 to 6) with an empty slot the drawing is looked
// for, in this order: the first component the registry holds for the view (its file read
// and made a view document), the block named `viewName` in the opened drawing (slot 0).
// The view's document, when there is one, is turned by `rotation` degrees, and the state's
// view type and rotation become those given. Returns 1 when done, also when no source has
// a drawing for the view (the slot then stays empty and the view shows nothing), and 0,
// changing nothing, for any other view type or a registered file that cannot be read.
int loadView(const ViewWorkspace& workspace, int viewType, int rotation, const char* viewName);

// True when the slot of the view already holds a document or a source has its drawing.
bool hasViewDrawing(const ViewWorkspace& workspace, int viewType);

// Turns the document by `degrees` counter-clockwise about the origin; nothing for a null
// document or whole turns.
void turnDocument(DXF_Zeichnung* document, int degrees);
// Turns the current view document back by the state's rotation.
void turnBackCurrentView(const ViewWorkspace& workspace);
// Makes `view` current again after a failed command: the state takes it, and its document
// is turned by its rotation once more.
void returnToView(const ViewWorkspace& workspace, ViewTurn view);

// Deletes the documents of every view but the opened drawing and makes the opened drawing
// current, unturned: the views belong to the drawing shown before.
void forgetViews(const ViewWorkspace& workspace);
