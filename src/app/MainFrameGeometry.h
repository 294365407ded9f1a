// The main frame's geometry rules: reading it from the settings, placing the frame on the
// screen, taking it over when the frame hides, and storing it again.
#pragma once

#include "interface/DXF_Interface_Basis.h"
#include "toolkit/GwCore.h"
#include "toolkit/GwDimension.h"
#include "toolkit/GwPosition.h"

class IniFile;

// [DXFViewer] State: how the frame was when it last closed.
enum StoredWindowState { kStoredNormal = 0, kStoredMaximized = 1 };

// Reads [DXFViewer] State, DimH, DimW, PosX, PosY as integers (the leading number of each
// text, 0 when missing). A missing section or key sets the settings' error code.
void readFrameGeometry(IniFile& settings, FrameGeometry& geometry);

// Where a frame of frameSize (the whole window: menu, tool bar, drawing, status line) stored
// at position goes on a screen of that size: negative coordinates become 0, and a frame
// reaching past the right or bottom edge (40 pixels are kept free below it) is pulled back
// so that it ends at the edge, but never past the left or top edge.
GwPosition clampFramePosition(GwPosition position, GwDimension frameSize, GwDimension screen);

// Takes over the frame's state as it hides: maximized keeps the size and position of the
// last normal state; otherwise the content size and the frame position are taken.
void geometryOnHide(FrameGeometry& geometry, GwWindowState windowState, GwDimension contentSize,
                    GwPosition framePosition);

// Changes [DXFViewer] PosX, PosY, DimW, DimH and State ("%d") where those keys exist.
void storeFrameGeometry(IniFile& settings, const FrameGeometry& geometry);
