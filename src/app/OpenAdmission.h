// Whether the viewer may show a drawing it has read, decided by the layers it contains.
#pragma once

class DXF_Zeichnung;

enum class Admission {
  Refused,          // neither admitting layer is in the drawing
  WithCommands,     // admitted through the layer [DXFViewer] SilLayer
  WithoutCommands,  // carries the alternative layer [DXFViewer] MassblLayer: shown without
                    // the measuring, layer and CAD commands
};

// silLayer and massblLayer are the layer names of the settings, compared exactly with the
// drawing's layer names; names longer than a layer name can be never match.
// alternativeLayer (the main window's switch) lets massblLayer admit a drawing too. A
// drawing with both layers is shown without the commands.
Admission admitDrawing(const DXF_Zeichnung& drawing, const char* silLayer, const char* massblLayer,
                       bool alternativeLayer);
