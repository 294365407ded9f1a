// Layers for the objects of a drawing after the whole file is read.
#pragma once

class DXF_Zeichnung;

// Objects attach to their layer while they are read, but the layer table may come after
// them in the file, or be missing. Afterwards every entity and polyline still without a
// layer takes the first layer of its name; a drawing without a layer table first gets
// layer "0" (colour 7, CONTINUOUS) and a layer of that kind for every name its objects use.
class LayerCompletion {
 public:
  explicit LayerCompletion(DXF_Zeichnung& document) : document_(document) {}

  // `createLayers`: the file had no layer table.
  void complete(bool createLayers);

 private:
  // Appends a layer named `name` unless the document has one.
  void ensureLayer(const char* name);

  DXF_Zeichnung& document_;
};
