// A combo box: a list of texts to choose from, with an entry when the resource file gives
// it one ("has-entry"); its text is GwCore::text.
#pragma once

#include <string>

#include "toolkit/GwCore.h"

class GwComboBox : public GwCore {
 public:
  explicit GwComboBox(GtkWidget* comboBoxText) : GwCore(comboBoxText) {}

  // Empties the list (the entry's text stays). Notifies no handler.
  void clear();
  // Appends a Windows-1252 text to the list.
  void append(const char* text);
  int count() const;
  // The text of an item; "" outside the list.
  std::string item(int index) const;
};
