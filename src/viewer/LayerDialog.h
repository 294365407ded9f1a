// The layer dialog's logic: the table of the drawing's layers filled from the drawing and
// the stored looks, the edits of the table, and applying and storing them.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "settings/AT_Array.h"
#include "viewer/LayerDialogWidgets.h"

class DXF_Zeichnung;
class IniFile;
class Layer;

// The texts of the colour labels of the numbers 1 to 9, in that order.
using ColourLabels = std::array<std::string, kLastLabelledColour>;
ColourLabels colourLabelsOf(const LayerDialogWidgets& widgets);

// The colour number a colour text names: its leading number, or the number whose label it
// equals without regard to case. 0 when it names no DXF colour (1 to 255).
int colourNumberOfText(const std::string& text, const ColourLabels& labels);

// Gives the layers of the drawing their stored looks (name, colour, linetype, visibility)
// and the objects on them the changed layers, as filling the dialog does. Layers without
// all three keys, and those named "SILHOUETTE" or "PUNKTE", keep theirs. Used when a
// drawing is shown.
void applyStoredLooks(DXF_Zeichnung& drawing, IniFile& settings, const ColourLabels& labels);

// The working table lives from filling until OK or Cancel. Each row stands for one listed
// layer: column 0 its name as read (the key of its stored looks), column 1 its display
// name, column 2 the row of "ST_Layer" that shows it. Layers with the same display name
// share one table row.
class LayerDialog {
 public:
  enum class Storing { Stored, NothingToStore, WriteFailed };

  // Empties the widgets and lists the layers in use of the drawing (none without one),
  // after giving them their stored looks.
  void fill(LayerDialogWidgets& widgets, DXF_Zeichnung* drawing, IniFile* settings);
  // Selects the first row and shows it in the edit fields.
  void show(LayerDialogWidgets& widgets);
  // Shows the selected row in the edit fields.
  void select(LayerDialogWidgets& widgets);

  // Edits of the selected row from its edit fields.
  void colourChosen(LayerDialogWidgets& widgets);
  void linetypeChosen(LayerDialogWidgets& widgets);
  void visibilityToggled(LayerDialogWidgets& widgets);
  void nameChanged(LayerDialogWidgets& widgets);

  // Gives every listed layer the looks of its row, the objects on it the changed layer,
  // stores the looks (when there are settings) and writes the settings file. Ends the
  // working table.
  Storing apply(const LayerDialogWidgets& widgets, DXF_Zeichnung* drawing, IniFile* settings);
  // Ends the working table; nothing else changes.
  void cancel() { workingTable_.reset(); }

  const AT_Array* workingTable() const { return workingTable_.get(); }

 private:
  std::unique_ptr<AT_Array> workingTable_;
};
