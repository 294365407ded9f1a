// The looks of a layer as the settings file keeps them between runs.
#pragma once

#include <optional>
#include <string>

class IniFile;

// Display name, linetype, colour and visibility of a layer, stored in [DXFViewer] under
// "Layer_K", "Ltype_K" and "Color_K", K being the layer's name as read from the drawing.
// The colour value is the colour number (or a colour label text) followed by "~" when the
// layer is hidden. The drawing's Windows-1252 texts are stored as UTF-8 and escaped with
// escapeIniText, so any name reads back unchanged.
struct LayerLooks {
  std::string name;
  std::string linetype;
  std::string colour;
  bool hidden = false;
};

// The three keys of `layerKey`; nothing unless all three are there. Leaves the settings'
// error code cleared.
std::optional<LayerLooks> readLayerLooks(IniFile& settings, const char* layerKey);
// Sets the three keys of `layerKey`, adding those that are missing (in memory; the caller
// writes the file).
void storeLayerLooks(IniFile& settings, const char* layerKey, const LayerLooks& looks);
