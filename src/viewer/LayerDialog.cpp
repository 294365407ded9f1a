// Filling, editing and applying the layer dialog's table.
#include "viewer/LayerDialog.h"

#include <cstdlib>
#include <optional>

#include "document/DXF_Zeichnung.h"
#include "document/DocumentLists.h"
#include "dxf/Layer.h"
#include "settings/IniFile.h"
#include "viewer/LayerLooks.h"

namespace {

enum WorkingColumn { kKeyColumn = 0, kDisplayColumn = 1, kTableRowColumn = 2, kWorkingColumns = 3 };

// The highest colour number of the DXF colour index; 0 and 256 mean "by block" and "by
// layer", which a layer cannot have.
constexpr int kLastDxfColour = 255;

// Layers with these names as read belong to the catalogue's own machinery: never listed.
bool neverListed(const char* key) {
  return sameNameIgnoringCase(key, "SILHOUETTE") || sameNameIgnoringCase(key, "PUNKTE");
}

// A name typed or stored must stay one line in the DXF file.
std::string oneLine(std::string name) {
  for (char& c : name) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return name;
}

int colourNumberOf(const Layer& layer) { return std::atoi(layer.colourNumber()); }

// The colour cell: the label of 1 to 9, else the number.
std::string colourCell(int number, const ColourLabels& labels) {
  if (number >= kFirstLabelledColour && number <= kLastLabelledColour) {
    return labels[static_cast<std::size_t>(number - kFirstLabelledColour)];
  }
  return std::to_string(number);
}

LayerLooks looksOf(const Layer& layer) {
  return {layer.name(), layer.linetypeName(), std::to_string(colourNumberOf(layer)),
          layer.visible() == 0};
}

// Gives the layer the looks; a look that is empty or names no colour leaves that part as
// it was.
void takeLooks(Layer& layer, const LayerLooks& looks, const ColourLabels& labels) {
  const std::string name = oneLine(looks.name);
  if (!name.empty()) layer.setName(name.c_str());
  if (const int number = colourNumberOfText(looks.colour, labels); number != 0) {
    layer.setColourNumber(std::to_string(number).c_str());
  }
  const std::string linetype = oneLine(looks.linetype);
  if (!linetype.empty()) layer.setLinetypeName(linetype.c_str());
  layer.setVisible(looks.hidden ? 0 : 1);
  layer.deriveColourAndStyle();
}

// The layer takes the looks and the objects on it follow; true when any object is on it.
bool giveLooks(DXF_Zeichnung& drawing, Layer& layer, const LayerLooks& looks,
               const ColourLabels& labels) {
  const std::string before = layer.name();
  takeLooks(layer, looks, labels);
  return drawing.applyLayer(&layer, before.c_str()) != 0;
}

std::optional<LayerLooks> storedLooks(IniFile* settings, const Layer& layer) {
  return settings ? readLayerLooks(*settings, layer.shownName()) : std::nullopt;
}

// Layers share a row only under the very same name: "WALL" and "Wall" are two layers,
// and sharing a row would give one the other's looks on OK.
int rowNamed(const LayerDialogWidgets& widgets, const std::string& name) {
  for (int row = 0; row < widgets.rowCount(); ++row) {
    if (widgets.cell(row, LayerColumn::Name) == name) return row;
  }
  return -1;
}

bool hasChoice(const LayerDialogWidgets& widgets, LayerChoice box, const char* text) {
  for (int i = 0; i < widgets.choiceCount(box); ++i) {
    if (sameNameIgnoringCase(widgets.choiceAt(box, i).c_str(), text)) return true;
  }
  return false;
}

void addChoiceOnce(LayerDialogWidgets& widgets, LayerChoice box, const char* text) {
  if (!hasChoice(widgets, box, text)) widgets.appendChoice(box, text);
}

}  // namespace

ColourLabels colourLabelsOf(const LayerDialogWidgets& widgets) {
  ColourLabels labels;
  for (int number = kFirstLabelledColour; number <= kLastLabelledColour; ++number) {
    labels[static_cast<std::size_t>(number - kFirstLabelledColour)] = widgets.colourLabel(number);
  }
  return labels;
}

int colourNumberOfText(const std::string& text, const ColourLabels& labels) {
  const int number = std::atoi(text.c_str());
  if (number != 0) return number > 0 && number <= kLastDxfColour ? number : 0;
  for (int n = kFirstLabelledColour; n <= kLastLabelledColour; ++n) {
    const std::string& label = labels[static_cast<std::size_t>(n - kFirstLabelledColour)];
    if (!label.empty() && sameNameIgnoringCase(label.c_str(), text.c_str())) return n;
  }
  return 0;
}

void applyStoredLooks(DXF_Zeichnung& drawing, IniFile& settings, const ColourLabels& labels) {
  for (int i = 0; Layer* layer = drawing.layerAt(i); ++i) {
    if (neverListed(layer->shownName())) continue;
    if (const std::optional<LayerLooks> stored = storedLooks(&settings, *layer)) {
      giveLooks(drawing, *layer, *stored, labels);
    }
  }
}

void LayerDialog::fill(LayerDialogWidgets& widgets, DXF_Zeichnung* drawing, IniFile* settings) {
  workingTable_ = std::make_unique<AT_Array>(0, kWorkingColumns);
  widgets.clearRows();
  widgets.clearChoices(LayerChoice::Linetype);
  widgets.clearChoices(LayerChoice::Colour);
  if (!drawing) return;
  const ColourLabels labels = colourLabelsOf(widgets);
  for (int i = 0; Layer* layer = drawing->layerAt(i); ++i) {
    if (neverListed(layer->shownName())) continue;
    // Listed only when something is drawn on it.
    const std::optional<LayerLooks> stored = storedLooks(settings, *layer);
    if (!giveLooks(*drawing, *layer, stored ? *stored : looksOf(*layer), labels)) continue;
    int row = rowNamed(widgets, layer->name());
    if (row < 0) {
      widgets.appendRow({layer->name(), colourCell(colourNumberOf(*layer), labels),
                         layer->linetypeName(),
                         layer->visible() ? widgets.yesText() : widgets.noText()});
      row = widgets.rowCount() - 1;
    }
    addChoiceOnce(widgets, LayerChoice::Linetype, layer->linetypeName());
    const int working = workingTable_->appendRow();
    workingTable_->cellAt(working, kKeyColumn).setText(layer->shownName());
    workingTable_->cellAt(working, kDisplayColumn).setText(layer->name());
    workingTable_->cellAt(working, kTableRowColumn).setInt(row);
  }
  // The drawing's own linetypes are offered too, so that a layer can take any of them.
  for (int i = 0; const Linientyp* linetype = drawing->linetypeAt(i); ++i) {
    addChoiceOnce(widgets, LayerChoice::Linetype, linetype->name());
  }
  for (const std::string& label : labels) widgets.appendChoice(LayerChoice::Colour, label);
}

void LayerDialog::show(LayerDialogWidgets& widgets) {
  widgets.closeColourContainer();
  if (widgets.rowCount() > 0) {
    widgets.selectRow(0);
    select(widgets);
  }
}

void LayerDialog::select(LayerDialogWidgets& widgets) {
  const int row = widgets.selectedRow();
  if (row < 0) return;
  widgets.setNameText(widgets.cell(row, LayerColumn::Name));
  widgets.setChoiceText(LayerChoice::Colour, widgets.cell(row, LayerColumn::Colour));
  widgets.setChoiceText(LayerChoice::Linetype, widgets.cell(row, LayerColumn::Linetype));
  widgets.setVisibleToggle(widgets.cell(row, LayerColumn::Visible) == widgets.yesText());
}

void LayerDialog::colourChosen(LayerDialogWidgets& widgets) {
  const int row = widgets.selectedRow();
  if (row >= 0) widgets.setCell(row, LayerColumn::Colour, widgets.choiceText(LayerChoice::Colour));
}

void LayerDialog::linetypeChosen(LayerDialogWidgets& widgets) {
  const int row = widgets.selectedRow();
  if (row >= 0) {
    widgets.setCell(row, LayerColumn::Linetype, widgets.choiceText(LayerChoice::Linetype));
  }
}

void LayerDialog::visibilityToggled(LayerDialogWidgets& widgets) {
  const int row = widgets.selectedRow();
  if (row >= 0) {
    widgets.setCell(row, LayerColumn::Visible,
                    widgets.visibleToggle() ? widgets.yesText() : widgets.noText());
  }
}

void LayerDialog::nameChanged(LayerDialogWidgets& widgets) {
  const int row = widgets.selectedRow();
  if (row < 0) return;
  const std::string name = widgets.nameText();
  if (workingTable_) {
    for (int working = 0; working < workingTable_->rowCount(); ++working) {
      if (workingTable_->cellAt(working, kTableRowColumn).toInt() == row) {
        workingTable_->cellAt(working, kDisplayColumn).setText(name.c_str());
      }
    }
  }
  widgets.setCell(row, LayerColumn::Name, name);
}

LayerDialog::Storing LayerDialog::apply(const LayerDialogWidgets& widgets, DXF_Zeichnung* drawing,
                                        IniFile* settings) {
  const std::unique_ptr<AT_Array> table = std::move(workingTable_);
  if (!table || !drawing) return Storing::NothingToStore;
  const ColourLabels labels = colourLabelsOf(widgets);
  bool stored = false;
  for (int i = 0; Layer* layer = drawing->layerAt(i); ++i) {
    // Layers without a row (not in use, or never listed) stay as they are.
    const int working = table->findRowByText(layer->shownName(), kKeyColumn);
    if (working < 0) continue;
    const int row = table->cellAt(working, kTableRowColumn).toInt();
    if (row < 0 || row >= widgets.rowCount()) continue;
    const LayerLooks looks{widgets.cell(row, LayerColumn::Name),
                           widgets.cell(row, LayerColumn::Linetype),
                           widgets.cell(row, LayerColumn::Colour),
                           widgets.cell(row, LayerColumn::Visible) != widgets.yesText()};
    giveLooks(*drawing, *layer, looks, labels);
    if (settings) {
      storeLayerLooks(*settings, layer->shownName(), looksOf(*layer));
      stored = true;
    }
  }
  if (!stored) return Storing::NothingToStore;
  return settings->write() ? Storing::Stored : Storing::WriteFailed;
}
