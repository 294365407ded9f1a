// A recording double of the layer dialog's widgets: tables and lists in memory, no window.
#pragma once

#include <string>
#include <vector>

#include "viewer/LayerDialogWidgets.h"

namespace testsupport {

class LayerWidgetsDouble final : public LayerDialogWidgets {
 public:
  void clearRows() override {
    rows.clear();
    selected = -1;
  }
  void appendRow(const LayerRowCells& cells) override { rows.push_back(cells); }
  int rowCount() const override { return static_cast<int>(rows.size()); }
  std::string cell(int row, LayerColumn column) const override {
    return inTable(row) ? rows[static_cast<std::size_t>(row)][index(column)] : std::string();
  }
  void setCell(int row, LayerColumn column, const std::string& text) override {
    if (inTable(row)) rows[static_cast<std::size_t>(row)][index(column)] = text;
  }
  void selectRow(int row) override { selected = inTable(row) ? row : -1; }
  int selectedRow() const override { return selected; }

  void clearChoices(LayerChoice box) override { list(box).clear(); }
  void appendChoice(LayerChoice box, const std::string& text) override {
    list(box).push_back(text);
  }
  int choiceCount(LayerChoice box) const override {
    return static_cast<int>(constList(box).size());
  }
  std::string choiceAt(LayerChoice box, int index) const override {
    const auto& items = constList(box);
    return index >= 0 && index < static_cast<int>(items.size())
               ? items[static_cast<std::size_t>(index)]
               : std::string();
  }
  std::string choiceText(LayerChoice box) const override {
    return box == LayerChoice::Colour ? colourText : linetypeText;
  }
  void setChoiceText(LayerChoice box, const std::string& text) override {
    (box == LayerChoice::Colour ? colourText : linetypeText) = text;
  }

  std::string nameText() const override { return name; }
  void setNameText(const std::string& text) override { name = text; }
  bool visibleToggle() const override { return toggle; }
  void setVisibleToggle(bool on) override { toggle = on; }

  std::string colourLabel(int number) const override {
    return number >= 1 && number <= 9 ? labels[static_cast<std::size_t>(number - 1)]
                                      : std::string();
  }
  std::string yesText() const override { return "yes"; }
  std::string noText() const override { return "no"; }
  void closeColourContainer() override { ++colourContainerClosed; }

  // What a user does in the dialog: picks a row, then edits its fields.
  void pick(int row) { selected = row; }

  std::vector<LayerRowCells> rows;
  int selected = -1;
  std::vector<std::string> colours;
  std::vector<std::string> linetypes;
  std::string colourText;
  std::string linetypeText;
  std::string name;
  bool toggle = false;
  int colourContainerClosed = 0;
  std::vector<std::string> labels = {"1 red",   "2 yellow",    "3 green",
                                     "4 cyan",  "5 blue",      "6 magenta",
                                     "7 black", "8 dark grey", "9 light grey"};

 private:
  bool inTable(int row) const { return row >= 0 && row < rowCount(); }
  static std::size_t index(LayerColumn column) { return static_cast<std::size_t>(column); }
  std::vector<std::string>& list(LayerChoice box) {
    return box == LayerChoice::Colour ? colours : linetypes;
  }
  const std::vector<std::string>& constList(LayerChoice box) const {
    return box == LayerChoice::Colour ? colours : linetypes;
  }
};

}  // namespace testsupport
