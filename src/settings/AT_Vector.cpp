// AT_Vector: growth, insertion, removal, appenders and linear finds of a cell vector.
#include "settings/AT_Vector.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <utility>

namespace {

// Cells per block: a block holds half as many cells as the vector already has (so a long
// list makes few blocks), within these bounds (so a short list wastes little and a long one
// never holds a huge block of unused cells).
constexpr int kMinBlock = 4;
constexpr int kMaxBlock = 1024;

}  // namespace

AT_Vector::AT_Vector(int count, int growBy) : growBy_(std::max(growBy, 0)) {
  count = std::max(count, 0);
  if (count > 0) {
    cells_ = std::make_unique_for_overwrite<AT_Item*[]>(static_cast<std::size_t>(count));
    addBlock(count);
  }
  for (int i = 0; i < count; ++i) cells_[i] = takeItem(count - i);
  count_ = count;
  capacity_ = count;
}

AT_Vector::AT_Vector(const AT_Vector& other, int extra)
    : AT_Vector(other.count_ + std::max(extra, 0), other.growBy_) {
  for (int i = 0; i < other.count_; ++i) *cells_[i] = *other.cells_[i];
  key_ = other.key_;
}

AT_Item* AT_Vector::takeItem(int wanted) {
  if (!spareItems_.empty()) {
    AT_Item* item = spareItems_.back();
    spareItems_.pop_back();
    return item;
  }
  if (freshLeft_ == 0) addBlock(std::max(wanted, std::clamp(count_ / 2, kMinBlock, kMaxBlock)));
  --freshLeft_;
  return nextFresh_++;
}

void AT_Vector::addBlock(int size) {
  auto block = std::make_unique<AT_Item[]>(static_cast<std::size_t>(size));
  nextFresh_ = block.get();
  freshLeft_ = size;
  if (firstBlock_) {
    moreBlocks_.push_back(std::move(block));
  } else {
    firstBlock_ = std::move(block);
  }
}

void AT_Vector::releaseItem(AT_Item* item) {
  // Made anew in its place: value, format and rendering buffer all go.
  std::destroy_at(item);
  std::construct_at(item);
  spareItems_.push_back(item);
}

void AT_Vector::reserveFor(int k) {
  if (capacity_ - count_ >= k) return;
  const long long wanted = static_cast<long long>(count_) + k + std::max(growBy_, count_ / 2);
  const int newCapacity = static_cast<int>(std::min<long long>(wanted, INT_MAX));
  // Slots beyond the count are never read, so they need no zeroing.
  auto cells = std::make_unique_for_overwrite<AT_Item*[]>(static_cast<std::size_t>(newCapacity));
  std::copy(cells_.get(), cells_.get() + count_, cells.get());
  cells_ = std::move(cells);
  capacity_ = newCapacity;
}

int AT_Vector::grow(int k) {
  const int first = count_;
  if (k <= 0 || k > INT_MAX - count_) return first;
  reserveFor(k);
  for (int i = 0; i < k; ++i) cells_[count_ + i] = takeItem(k - i);
  count_ += k;
  return first;
}

int AT_Vector::appendCell() { return grow(1); }

void AT_Vector::insert(int index) {
  if (index < 0 || index >= count_) return;
  reserveFor(1);
  std::move_backward(cells_.get() + index, cells_.get() + count_, cells_.get() + count_ + 1);
  cells_[index] = takeItem(1);
  ++count_;
}

int AT_Vector::remove(int index) {
  if (index > count_) return count_ - 1;
  if (index < 0 || index == count_) return index;
  releaseItem(cells_[index]);
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
  while (row.count_ > 1) row.remove(row.count_ - 1);
  if (row.count_ == 0) row.grow(1);
  row.cells_[0]->clear();
  row.cells_[0]->clearFormat();
  row.key_ = 0;
  return row;
}
