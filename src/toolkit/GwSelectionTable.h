// A selection table: rows of text cells in a GtkTreeView, one row selected at a time.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/GwCore.h"

// The table's columns are those of its model, or (without a model) one text column per
// view column. Cells are Windows-1252 texts; rows are numbered from 0. Changing the table
// or its selection from the program notifies no handler.
class GwSelectionTable : public GwCore {
 public:
  explicit GwSelectionTable(GtkWidget* treeView);

  void clear();
  // Appends a row given as its cell texts separated by "|" ("name|colour|linetype|yes");
  // missing cells stay empty, surplus ones are dropped.
  void add_row(const char* cells);
  int rows() const;
  int columns() const;
  // The text of a cell; "" outside the table.
  std::string cell(int row, int column) const;
  void set_cell(int row, int column, const char* text);
  // Selects the row (and scrolls to it); a row outside the table clears the selection.
  void select_row(int row);
  // The first selected row, or -1.
  int first_selected() const;

  // Gives the view column of that number a small colour square before its text, in the
  // colour the function names for the cell's text ("#RRGGBB"; "" shows no square). Setting
  // it again replaces the function.
  using SwatchColour = std::function<std::string(const std::string& cellText)>;
  void set_swatch(int column, SwatchColour colourOf);

 private:
  GtkListStore* store() const;
  bool iterAt(int row, GtkTreeIter& iter) const;
  static void paintSwatch(GtkTreeViewColumn* column, GtkCellRenderer* renderer, GtkTreeModel* model,
                          GtkTreeIter* iter, gpointer swatch);

  struct Swatch {
    int column;
    SwatchColour colourOf;
  };
  // Owned by their view columns, which delete them with the table.
  std::vector<Swatch*> swatches_;
};
