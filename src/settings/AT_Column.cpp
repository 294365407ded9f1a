// AT_Column: row management of a table.
#include "settings/AT_Column.h"

#include <algorithm>
#include <iterator>

AT_Column::AT_Column(int rows, int width) : width_(std::max(width, 0)) { appendRows(rows); }

std::unique_ptr<AT_Vector> AT_Column::newRow() const {
  return std::make_unique<AT_Vector>(width_, 1);
}

int AT_Column::appendRow() {
  rows_.push_back(newRow());
  return count() - 1;
}

int AT_Column::appendRows(int k) {
  const int first = count();
  for (int i = 0; i < k; ++i) rows_.push_back(newRow());
  return first;
}

int AT_Column::insertRow(int index) {
  if (index >= 0 && index < count()) rows_.insert(std::next(rows_.begin(), index), newRow());
  return count() - 1;
}

int AT_Column::removeRow(int index) {
  if (index >= 0 && index < count()) rows_.erase(std::next(rows_.begin(), index));
  return count() - 1;
}

void AT_Column::setColumnFormat(int column, const char* format) {
  for (auto& row : rows_) row->setCellFormat(column, format);
}

AT_Vector* AT_Column::rowPtr(int index) {
  return index >= 0 && index < count() ? rows_[index].get() : nullptr;
}

const AT_Vector* AT_Column::rowPtr(int index) const {
  return index >= 0 && index < count() ? rows_[index].get() : nullptr;
}

AT_Vector& AT_Column::rowAt(int index) {
  AT_Vector* row = rowPtr(index);
  return row != nullptr ? *row : AT_Vector::sharedEmptyRow();
}

const AT_Vector& AT_Column::rowAt(int index) const {
  const AT_Vector* row = rowPtr(index);
  return row != nullptr ? *row : AT_Vector::sharedEmptyRow();
}
