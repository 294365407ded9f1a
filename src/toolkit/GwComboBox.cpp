// Combo boxes on GtkComboBoxText.
#include "toolkit/GwComboBox.h"

#include "settings/Cp1252.h"
#include "toolkit/GObjectHandle.h"

void GwComboBox::clear() {
  ++notifyBlocked_;
  gtk_combo_box_text_remove_all(GTK_COMBO_BOX_TEXT(widget_));
  --notifyBlocked_;
}

void GwComboBox::append(const char* text) {
  gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(widget_),
                                 cp1252ToUtf8(text ? text : "").c_str());
}

int GwComboBox::count() const {
  GtkTreeModel* model = gtk_combo_box_get_model(GTK_COMBO_BOX(widget_));
  return model ? gtk_tree_model_iter_n_children(model, nullptr) : 0;
}

std::string GwComboBox::item(int index) const {
  GtkTreeModel* model = gtk_combo_box_get_model(GTK_COMBO_BOX(widget_));
  GtkTreeIter iter;
  if (!model || index < 0 || !gtk_tree_model_iter_nth_child(model, &iter, nullptr, index)) {
    return {};
  }
  gchar* text = nullptr;
  gtk_tree_model_get(model, &iter, gtk_combo_box_get_entry_text_column(GTK_COMBO_BOX(widget_)),
                     &text, -1);
  const GStringPtr owned(text);
  return text ? utf8ToCp1252(text) : std::string();
}
