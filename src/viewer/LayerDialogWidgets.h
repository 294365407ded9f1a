// What the layer dialog's logic needs of its widgets: the frame's widgets in the program,
// a recording double in the tests.
#pragma once

#include <array>
#include <string>

// Cells of a row of "ST_Layer".
enum class LayerColumn { Name = 0, Colour = 1, Linetype = 2, Visible = 3 };
inline constexpr int kLayerColumns = 4;
using LayerRowCells = std::array<std::string, kLayerColumns>;

// The two combo boxes: "CB_Layerfarbe" and "CB_Layerlinie".
enum class LayerChoice { Colour, Linetype };

// Colour numbers that have a label "Color1" ... "Color9" in the resource file.
inline constexpr int kFirstLabelledColour = 1;
inline constexpr int kLastLabelledColour = 9;

// Texts are Windows-1252. Changes made through this interface notify no callback.
class LayerDialogWidgets {
 public:
  virtual ~LayerDialogWidgets() = default;

  // The table "ST_Layer".
  virtual void clearRows() = 0;
  virtual void appendRow(const LayerRowCells& cells) = 0;
  virtual int rowCount() const = 0;
  // "" outside the table.
  virtual std::string cell(int row, LayerColumn column) const = 0;
  virtual void setCell(int row, LayerColumn column, const std::string& text) = 0;
  virtual void selectRow(int row) = 0;
  // The first selected row, or -1.
  virtual int selectedRow() const = 0;

  // The lists of the combo boxes and the text each shows.
  virtual void clearChoices(LayerChoice box) = 0;
  virtual void appendChoice(LayerChoice box, const std::string& text) = 0;
  virtual int choiceCount(LayerChoice box) const = 0;
  virtual std::string choiceAt(LayerChoice box, int index) const = 0;
  virtual std::string choiceText(LayerChoice box) const = 0;
  virtual void setChoiceText(LayerChoice box, const std::string& text) = 0;

  // The name field "EB_Layername".
  virtual std::string nameText() const = 0;
  virtual void setNameText(const std::string& text) = 0;

  // The toggle "TB_Layer_sichtbar": on means visible.
  virtual bool visibleToggle() const = 0;
  virtual void setVisibleToggle(bool on) = 0;

  // Resource texts: the label "Color<n>" of the colour number n, "Lb_ja" and "Lb_nein".
  virtual std::string colourLabel(int number) const = 0;
  virtual std::string yesText() const = 0;
  virtual std::string noText() const = 0;

  // Keeps the container "C_Color" of the resource texts out of sight.
  virtual void closeColourContainer() = 0;
};
