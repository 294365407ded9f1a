// AT_Array: a table of rows and columns with linear searches by column.
#pragma once

#include <cstdint>

#include "settings/AT_Column.h"

/// A table: rows of cells, created with a fixed number of columns. Used for the settings
/// file's sections (one column) and entries (key, value), the viewer interface's attribute
/// pairs and the layer dialog's working table.
///
/// `cellAt` never fails: a row or column outside the table yields an empty cell (the shared
/// fallback objects), whose value is null.
class AT_Array final {
 public:
  /// `rows` empty rows of `columns` cells.
  AT_Array(int rows, int columns) : rows_(rows, columns) {}
  AT_Array(const AT_Array&) = delete;
  AT_Array& operator=(const AT_Array&) = delete;

  int rowCount() const { return rows_.count(); }
  int columnCount() const { return rows_.width(); }
  /// Sets the format of cell `column` in every row.
  void setColumnFormat(int column, const char* format) { rows_.setColumnFormat(column, format); }

  /// One empty row at the end; returns its index.
  int appendRow() { return rows_.appendRow(); }
  /// `k` empty rows at the end; returns the index of the first.
  int appendRows(int k) { return rows_.appendRows(k); }
  /// One empty row at `index` (outside 0..rowCount-1 nothing happens); returns rowCount-1.
  int insertRow(int index) { return rows_.insertRow(index); }
  /// Frees the row and its cells and closes the gap; returns rowCount-1.
  int removeRow(int index) { return rows_.removeRow(index); }

  /// Finds scan from row 0 and return the first row whose cell in `column` matches, or -1.
  /// `fn` gets the cell's value pointer and `userValue`; 0 is a match.
  int findRowByMatch(AT_MatchFn fn, const void* userValue, int column) const;
  int findRowByPointer(const void* pointer, int column) const;
  /// Number finds match cells of that same type holding an equal value.
  int findRowByDouble(double value, int column) const;
  int findRowByFloat(float value, int column) const;
  int findRowByLong(std::int32_t value, int column) const;
  int findRowByInt(std::int32_t value, int column) const;
  int findRowByChar(char value, int column) const;
  /// Cell text equal to `text`, exact and case-sensitive; null finds nothing.
  int findRowByText(const char* text, int column) const;

  /// The cell at (row, column), or an empty fallback cell outside the table.
  AT_Item& cellAt(int row, int column) { return rows_.rowAt(row).cellAt(column); }
  const AT_Item& cellAt(int row, int column) const { return rows_.rowAt(row).cellAt(column); }
  /// The row at `index`, or the shared empty row outside the table.
  AT_Vector& rowAt(int index) { return rows_.rowAt(index); }
  const AT_Vector& rowAt(int index) const { return rows_.rowAt(index); }

 private:
  template <typename Match>
  int findRow(int column, Match match) const;

  AT_Column rows_;
};
