// AT_Column: the rows of a table, each an AT_Vector of the same initial width.
#pragma once

#include <memory>
#include <vector>

#include "settings/AT_Vector.h"

/// Owns its rows. Row access outside 0..count-1 never fails: `rowAt` yields the shared
/// one-cell row (`AT_Vector::sharedEmptyRow`), `rowPtr` null.
class AT_Column final {
 public:
  /// `rows` rows of `width` empty cells each (negative values count as 0).
  AT_Column(int rows, int width);
  AT_Column(const AT_Column&) = delete;
  AT_Column& operator=(const AT_Column&) = delete;

  /// Appends one row of `width` cells; returns its index (the last).
  int appendRow();
  /// Appends `k` rows; returns the index of the first new one (the count when k <= 0).
  int appendRows(int k);
  /// A new row at `index`, later rows move down; outside 0..count-1 nothing happens.
  /// Returns count-1.
  int insertRow(int index);
  /// Frees the row at `index` and its cells, closing the gap; outside the range nothing
  /// happens. Returns count-1.
  int removeRow(int index);

  int count() const { return static_cast<int>(rows_.size()); }
  /// Number of cells each new row gets.
  int width() const { return width_; }
  /// Sets the format of cell `column` in every row.
  void setColumnFormat(int column, const char* format);

  /// The row at `index`, or null outside 0..count-1.
  AT_Vector* rowPtr(int index);
  const AT_Vector* rowPtr(int index) const;
  /// The row at `index`, or the shared empty row outside 0..count-1.
  AT_Vector& rowAt(int index);
  const AT_Vector& rowAt(int index) const;

 private:
  std::unique_ptr<AT_Vector> newRow() const;

  std::vector<std::unique_ptr<AT_Vector>> rows_;
  int width_;
};
