// AT_Vector: growth, insertion, removal, appenders and linear finds of a cell vector.
#include "AT_Vector.h"

#include <algorithm>
#include <climits>
#include <utility>

AT_Vector::AT_Vector(int count, int growBy) : growBy_(std::max(growBy, 0)) {
  count = std::max(count, 0);
  cells_ = std::make_unique<std::unique_ptr<AT_Item>[]>(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) cells_[i] = std::make_unique<AT_Item>();
  count_ = count;
  capacity_ = count;
}

AT_Vector::AT_Vector(const AT_Vector& other, int extra)
    : AT_Vector(other.count_ + std::max(extra, 0), other.growBy_) {
  for (int i = 0; i < other.count_; ++i) *cells_[i] = *other.cells_[i];
  key_ = other.key_;
}

void AT_Vector::reserveFor(int k) {
  if (capacity_ - count_ >= k) return;
  const long long wanted =
      static_cast<long long>(count_) + k + std::max(growBy_, count_ / 2);
  const int newCapacity = static_cast<int>(std::min<long long>(wanted, INT_MAX));
  auto cells = std::make_unique<std::unique_ptr<AT_Item>[]>(static_cast<std::size_t>(newCapacity));
  std::move(cells_.get(), cells_.get() + count_, cells.get());
  cells_ = std::move(cells);
  capacity_ = newCapacity;
}

int AT_Vector::grow(int k) {
  const int first = count_;
  if (k <= 0 || k > INT_MAX - count_) return first;
  reserveFor(k);
  for (int i = 0; i < k; ++i) cells_[count_ + i] = std::make_unique<AT_Item>();
  count_ += k;
  return first;
}

int AT_Vector::appendCell() { return grow(1); }

void AT_Vector::insert(int index) {
  if (index < 0 || index >= count_) return;
  reserveFor(1);
  std::move_backward(cells_.get() + index, cells_.get() + count_, cells_.get() + count_ + 1);
  cells_[index] = std::make_unique<AT_Item>();
  ++count_;
}

int AT_Vector::remove(int index) {
  if (index > count_) return count_ - 1;
  if (index < 0 || index == count_) return index;
  cells_[index].reset();
  std::move(cells_.get() + index + 1, cells_.get() + count_, cells_.get() + index);
  --count_;
  return index;
}

int AT_Vector::appendPointer(const void* object) {
  const int index = appendCell();
  cells_[index]->setRaw(object, 0);
  return index;
}

int AT_Vector::appendDouble(double value) {
  const int index = appendCell();
  cells_[index]->setDouble(value);
  return index;
}

int AT_Vector::appendFloat(float value) {
  const int index = appendCell();
  cells_[index]->setFloat(value);
  return index;
}

int AT_Vector::appendLong(std::int32_t value) {
  const int index = appendCell();
  cells_[index]->setLong(value);
  return index;
}

int AT_Vector::appendInt(std::int32_t value) {
  const int index = appendCell();
  cells_[index]->setInt(value);
  return index;
}

int AT_Vector::appendChar(char value) {
  const int index = appendCell();
  cells_[index]->setChar(value);
  return index;
}

int AT_Vector::appendText(const char* text) {
  const int index = appendCell();
  cells_[index]->setText(text);
  return index;
}

AT_Item* AT_Vector::cellPtr(int index) {
  return index >= 0 && index < count_ ? cells_[index].get() : nullptr;
}

const AT_Item* AT_Vector::cellPtr(int index) const {
  return index >= 0 && index < count_ ? cells_[index].get() : nullptr;
}

AT_Item& AT_Vector::cellAt(int index) {
  AT_Item* cell = cellPtr(index);
  return cell != nullptr ? *cell : AT_Item::sharedEmpty();
}

const AT_Item& AT_Vector::cellAt(int index) const {
  const AT_Item* cell = cellPtr(index);
  return cell != nullptr ? *cell : AT_Item::sharedEmpty();
}

void AT_Vector::setCellFormat(int index, const char* format) {
  if (AT_Item* cell = cellPtr(index)) cell->setFormat(format);
}

template <typename Match>
int AT_Vector::findFirst(Match match) const {
  for (int i = 0; i < count_; ++i) {
    if (match(*cells_[i])) return i;
  }
  return -1;
}

int AT_Vector::findByMatch(AT_MatchFn fn, const void* userValue) const {
  return findFirst([&](const AT_Item& cell) { return cell.matches(fn, userValue); });
}

int AT_Vector::findByPointer(const void* pointer) const {
  return findFirst([&](const AT_Item& cell) { return cell.value() == pointer; });
}

int AT_Vector::findByDouble(double value) const {
  return findFirst([&](const AT_Item& cell) { return cell.holdsDouble(value); });
}

int AT_Vector::findByFloat(float value) const {
  return findFirst([&](const AT_Item& cell) { return cell.holdsFloat(value); });
}

int AT_Vector::findByLong(std::int32_t value) const {
  return findFirst([&](const AT_Item& cell) { return cell.holdsLong(value); });
}

int AT_Vector::findByInt(std::int32_t value) const {
  return findFirst([&](const AT_Item& cell) { return cell.holdsInt(value); });
}

int AT_Vector::findByChar(char value) const {
  return findFirst([&](const AT_Item& cell) { return cell.holdsChar(value); });
}

int AT_Vector::findByText(const char* text) const {
  return findFirst([&](const AT_Item& cell) { return cell.rendersAs(text); });
}

AT_Vector& AT_Vector::sharedEmptyRow() {
  static AT_Vector row(1, 1);
  if (row.count_ != 1) {
    row.cells_ = std::make_unique<std::unique_ptr<AT_Item>[]>(1);
    row.cells_[0] = std::make_unique<AT_Item>();
    row.count_ = 1;
    row.capacity_ = 1;
  }
  row.cells_[0]->clear();
  row.cells_[0]->clearFormat();
  row.key_ = 0;
  return row;
}
