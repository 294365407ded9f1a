// The widgets of the frame "Layerdefinition_Dialog", found by name each time they are used.
#pragma once

#include "viewer/LayerDialogWidgets.h"

class GwComboBox;
class GwCore;
class GwSelectionTable;

class LayerDialogFrame final : public LayerDialogWidgets {
 public:
  // `frame` is the dialog frame (or any widget inside it).
  explicit LayerDialogFrame(GwCore& frame) : frame_(frame) {}

  // Shows the colour of the colour cells as a small square beside their text.
  void showColourSwatches();

  void clearRows() override;
  void appendRow(const LayerRowCells& cells) override;
  int rowCount() const override;
  std::string cell(int row, LayerColumn column) const override;
  void setCell(int row, LayerColumn column, const std::string& text) override;
  void selectRow(int row) override;
  int selectedRow() const override;

  void clearChoices(LayerChoice box) override;
  void appendChoice(LayerChoice box, const std::string& text) override;
  int choiceCount(LayerChoice box) const override;
  std::string choiceAt(LayerChoice box, int index) const override;
  std::string choiceText(LayerChoice box) const override;
  void setChoiceText(LayerChoice box, const std::string& text) override;

  std::string nameText() const override;
  void setNameText(const std::string& text) override;
  bool visibleToggle() const override;
  void setVisibleToggle(bool on) override;

  std::string colourLabel(int number) const override;
  std::string yesText() const override;
  std::string noText() const override;
  void closeColourContainer() override;

 private:
  GwCore* child(const char* name) const;
  GwSelectionTable* table() const;
  GwComboBox* comboBox(LayerChoice box) const;
  std::string textOf(const char* name) const;

  GwCore& frame_;
};
