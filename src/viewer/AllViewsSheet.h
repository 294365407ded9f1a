// The all-views sheet: the six views of a component around the start view, arranged in
// first-angle projection, in one document (view type 7).
#pragma once

class DXF_Zeichnung;
struct ViewWorkspace;

// Name of the block that holds the placed views on the sheet.
inline constexpr const char* kSheetBlock = "_VIEW_7";

// The copy step: the view's linetypes and layers (names not yet on the sheet), a copy of
// its block `viewName` with the blocks that block inserts, the view's extents moved by
// (dx, dy) added to the sheet's (they become the sheet's extents when it has none yet),
// and in the sheet block an insert of `viewName` placed as the view places its own insert
// of it, moved by (dx, dy): so the sheet shows the view turned as it is now.
void copyViewOntoSheet(DXF_Zeichnung& sheet, const DXF_Zeichnung& view, const char* viewName,
                       double dx, double dy);

// Builds the sheet into slot 7 with the loader: the start view at the origin; the view to
// its right (turn right) left of it; the view to its left right of it and the back view
// right of that; the bottom view above and the top view below. A view without a document
// is left out. With `lowMemory`, each view document but the start view's is deleted once
// its step is done. The documents loaded are turned back at the end. Returns false when a
// loader call failed: the command then ends there and the sheet is deleted.
bool buildAllViewsSheet(const ViewWorkspace& workspace, bool lowMemory);
