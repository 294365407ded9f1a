// Selection tables on GtkTreeView with a list store of text columns.
#include "toolkit/GwSelectionTable.h"

#include <algorithm>
#include <vector>

#include "settings/Cp1252.h"
#include "toolkit/GObjectHandle.h"

GwSelectionTable::GwSelectionTable(GtkWidget* treeView) : GwCore(treeView) {
  GtkTreeView* view = GTK_TREE_VIEW(treeView);
  if (GTK_IS_LIST_STORE(gtk_tree_view_get_model(view))) return;
  const int count = std::max(1, static_cast<int>(gtk_tree_view_get_n_columns(view)));
  std::vector<GType> types(static_cast<std::size_t>(count), G_TYPE_STRING);
  const GObjectPtr<GtkListStore> model(gtk_list_store_newv(count, types.data()));
  gtk_tree_view_set_model(view, GTK_TREE_MODEL(model.get()));
  gtk_tree_selection_set_mode(gtk_tree_view_get_selection(view), GTK_SELECTION_SINGLE);
}

GtkListStore* GwSelectionTable::store() const {
  return GTK_LIST_STORE(gtk_tree_view_get_model(GTK_TREE_VIEW(widget_)));
}

bool GwSelectionTable::iterAt(int row, GtkTreeIter& iter) const {
  return row >= 0 && gtk_tree_model_iter_nth_child(GTK_TREE_MODEL(store()), &iter, nullptr, row);
}

void GwSelectionTable::clear() {
  ++notifyBlocked_;
  gtk_list_store_clear(store());
  --notifyBlocked_;
}

int GwSelectionTable::rows() const {
  return gtk_tree_model_iter_n_children(GTK_TREE_MODEL(store()), nullptr);
}

int GwSelectionTable::columns() const {
  return gtk_tree_model_get_n_columns(GTK_TREE_MODEL(store()));
}

void GwSelectionTable::add_row(const char* cells) {
  GtkTreeIter iter;
  gtk_list_store_append(store(), &iter);
  const std::string text = cells ? cells : "";
  std::size_t start = 0;
  for (int column = 0; column < columns() && start <= text.size(); ++column) {
    const std::size_t bar = text.find('|', start);
    const std::size_t end = bar == std::string::npos ? text.size() : bar;
    gtk_list_store_set(store(), &iter, column,
                       cp1252ToUtf8(text.substr(start, end - start)).c_str(), -1);
    start = end + 1;
  }
}

std::string GwSelectionTable::cell(int row, int column) const {
  GtkTreeIter iter;
  if (column < 0 || column >= columns() || !iterAt(row, iter)) return {};
  gchar* value = nullptr;
  gtk_tree_model_get(GTK_TREE_MODEL(store()), &iter, column, &value, -1);
  const GStringPtr owned(value);
  return value ? utf8ToCp1252(value) : std::string();
}

void GwSelectionTable::set_cell(int row, int column, const char* text) {
  GtkTreeIter iter;
  if (column < 0 || column >= columns() || !iterAt(row, iter)) return;
  gtk_list_store_set(store(), &iter, column, cp1252ToUtf8(text ? text : "").c_str(), -1);
}

void GwSelectionTable::select_row(int row) {
  GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(widget_));
  ++notifyBlocked_;
  GtkTreeIter iter;
  if (iterAt(row, iter)) {
    GtkTreePath* path = gtk_tree_model_get_path(GTK_TREE_MODEL(store()), &iter);
    gtk_tree_view_set_cursor(GTK_TREE_VIEW(widget_), path, nullptr, FALSE);
    gtk_tree_path_free(path);
  } else {
    gtk_tree_selection_unselect_all(selection);
  }
  --notifyBlocked_;
}

int GwSelectionTable::first_selected() const {
  GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(widget_));
  GList* selected = gtk_tree_selection_get_selected_rows(selection, nullptr);
  int row = -1;
  if (selected) row = gtk_tree_path_get_indices(static_cast<GtkTreePath*>(selected->data))[0];
  g_list_free_full(selected, reinterpret_cast<GDestroyNotify>(gtk_tree_path_free));
  return row;
}

void GwSelectionTable::set_swatch(int column, SwatchColour colourOf) {
  for (Swatch* swatch : swatches_) {
    if (swatch->column == column) {
      swatch->colourOf = std::move(colourOf);
      gtk_widget_queue_draw(widget_);
      return;
    }
  }
  GtkTreeViewColumn* viewColumn = gtk_tree_view_get_column(GTK_TREE_VIEW(widget_), column);
  if (!viewColumn) return;
  auto* swatch = new Swatch{column, std::move(colourOf)};
  swatches_.push_back(swatch);
  GtkCellRenderer* renderer = gtk_cell_renderer_pixbuf_new();
  gtk_tree_view_column_pack_start(viewColumn, renderer, FALSE);
  gtk_cell_layout_reorder(GTK_CELL_LAYOUT(viewColumn), renderer, 0);
  gtk_tree_view_column_set_cell_data_func(viewColumn, renderer, paintSwatch, swatch,
                                          [](gpointer data) { delete static_cast<Swatch*>(data); });
}

void GwSelectionTable::paintSwatch(GtkTreeViewColumn* /*column*/, GtkCellRenderer* renderer,
                                   GtkTreeModel* model, GtkTreeIter* iter, gpointer data) {
  constexpr int kSwatchSize = 12;         // pixels, a square
  constexpr guint32 kFrame = 0x808080FF;  // grey outline, so that white shows too
  const auto* swatch = static_cast<const Swatch*>(data);
  gchar* text = nullptr;
  gtk_tree_model_get(model, iter, swatch->column, &text, -1);
  const std::string colour = swatch->colourOf(text ? utf8ToCp1252(text) : std::string());
  g_free(text);
  GdkRGBA rgba;
  if (colour.empty() || !gdk_rgba_parse(&rgba, colour.c_str())) {
    g_object_set(renderer, "pixbuf", nullptr, "visible", FALSE, nullptr);
    return;
  }
  const auto channel = [](double value) { return static_cast<guint32>(value * 255.0 + 0.5); };
  const guint32 fill =
      channel(rgba.red) << 24 | channel(rgba.green) << 16 | channel(rgba.blue) << 8 | 0xFF;
  GdkPixbuf* square = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, kSwatchSize, kSwatchSize);
  gdk_pixbuf_fill(square, kFrame);
  GdkPixbuf* inner = gdk_pixbuf_new_subpixbuf(square, 1, 1, kSwatchSize - 2, kSwatchSize - 2);
  gdk_pixbuf_fill(inner, fill);
  g_object_unref(inner);
  g_object_set(renderer, "pixbuf", square, "visible", TRUE, nullptr);
  g_object_unref(square);
}
