// The layer dialog's widgets on the toolkit.
#include "viewer/LayerDialogFrame.h"

#include <string>

#include "dxf/Layer.h"
#include "toolkit/GwComboBox.h"
#include "toolkit/GwCore.h"
#include "toolkit/GwSelectionTable.h"
#include "viewer/LayerDialog.h"

namespace {

// Cells are read back with at most this many characters.
constexpr std::size_t kCellLength = 50;

}  // namespace

GwCore* LayerDialogFrame::child(const char* name) const { return frame_.frame_child(name); }

GwSelectionTable* LayerDialogFrame::table() const {
  return dynamic_cast<GwSelectionTable*>(child("ST_Layer"));
}

GwComboBox* LayerDialogFrame::comboBox(LayerChoice box) const {
  return dynamic_cast<GwComboBox*>(
      child(box == LayerChoice::Colour ? "CB_Layerfarbe" : "CB_Layerlinie"));
}

std::string LayerDialogFrame::textOf(const char* name) const {
  const GwCore* widget = child(name);
  return widget ? widget->text() : std::string();
}

void LayerDialogFrame::showColourSwatches() {
  GwSelectionTable* layers = table();
  if (!layers) return;
  const ColourLabels labels = colourLabelsOf(*this);
  layers->set_swatch(static_cast<int>(LayerColumn::Colour), [labels](const std::string& text) {
    const int number = colourNumberOfText(text, labels);
    return number != 0 ? std::string(Layer::colourOfNumber(number)) : std::string();
  });
}

void LayerDialogFrame::clearRows() {
  if (GwSelectionTable* layers = table()) layers->clear();
}

void LayerDialogFrame::appendRow(const LayerRowCells& cells) {
  GwSelectionTable* layers = table();
  if (!layers) return;
  // Cell by cell: a name may hold the "|" that separates the cells of a row text.
  layers->add_row("");
  const int row = layers->rows() - 1;
  for (int column = 0; column < kLayerColumns; ++column) {
    layers->set_cell(row, column, cells[static_cast<std::size_t>(column)].c_str());
  }
}

int LayerDialogFrame::rowCount() const {
  const GwSelectionTable* layers = table();
  return layers ? layers->rows() : 0;
}

std::string LayerDialogFrame::cell(int row, LayerColumn column) const {
  const GwSelectionTable* layers = table();
  return layers ? layers->cell(row, static_cast<int>(column)).substr(0, kCellLength)
                : std::string();
}

void LayerDialogFrame::setCell(int row, LayerColumn column, const std::string& text) {
  if (GwSelectionTable* layers = table())
    layers->set_cell(row, static_cast<int>(column), text.c_str());
}

void LayerDialogFrame::selectRow(int row) {
  if (GwSelectionTable* layers = table()) layers->select_row(row);
}

int LayerDialogFrame::selectedRow() const {
  const GwSelectionTable* layers = table();
  return layers ? layers->first_selected() : -1;
}

void LayerDialogFrame::clearChoices(LayerChoice box) {
  if (GwComboBox* combo = comboBox(box)) combo->clear();
}

void LayerDialogFrame::appendChoice(LayerChoice box, const std::string& text) {
  if (GwComboBox* combo = comboBox(box)) combo->append(text.c_str());
}

int LayerDialogFrame::choiceCount(LayerChoice box) const {
  const GwComboBox* combo = comboBox(box);
  return combo ? combo->count() : 0;
}

std::string LayerDialogFrame::choiceAt(LayerChoice box, int index) const {
  const GwComboBox* combo = comboBox(box);
  return combo ? combo->item(index) : std::string();
}

std::string LayerDialogFrame::choiceText(LayerChoice box) const {
  const GwComboBox* combo = comboBox(box);
  return combo ? combo->text() : std::string();
}

void LayerDialogFrame::setChoiceText(LayerChoice box, const std::string& text) {
  if (GwComboBox* combo = comboBox(box)) combo->set_text(text.c_str());
}

std::string LayerDialogFrame::nameText() const { return textOf("EB_Layername"); }

void LayerDialogFrame::setNameText(const std::string& text) {
  if (GwCore* name = child("EB_Layername")) name->set_text(text.c_str());
}

bool LayerDialogFrame::visibleToggle() const {
  const GwCore* toggle = child("TB_Layer_sichtbar");
  return toggle && toggle->toggle_state() != 0;
}

void LayerDialogFrame::setVisibleToggle(bool on) {
  if (GwCore* toggle = child("TB_Layer_sichtbar")) toggle->set_toggle_state(on ? 1 : 0);
}

std::string LayerDialogFrame::colourLabel(int number) const {
  return textOf(("Color" + std::to_string(number)).c_str());
}

std::string LayerDialogFrame::yesText() const { return textOf("Lb_ja"); }
std::string LayerDialogFrame::noText() const { return textOf("Lb_nein"); }

void LayerDialogFrame::closeColourContainer() {
  if (GwCore* container = child("C_Color")) container->hide();
}
