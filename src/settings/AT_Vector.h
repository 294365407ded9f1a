// AT_Vector: a growable vector of value cells, used for table rows and for object lists.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "settings/AT_Item.h"

/// A vector of owned cells. Cell access outside 0..count-1 never fails: `cellAt` yields the
/// shared empty cell (`AT_Item::sharedEmpty`), `cellPtr` null.
///
/// Object lists: `appendPointer` keeps a foreign pointer. The vector never deletes the objects
/// behind foreign pointers; their owner (the drawing document, a block, a polyline) deletes
/// them before it frees the vector, walking with `count` and `objectAt`.
///
/// Growth: when more cells are needed than free slots remain, the slot array is reallocated
/// with `growBy` spare slots, or half the current count if that is more, so filling a long
/// list costs amortised constant time per cell. Removing a cell frees its slot for reuse.
///
/// Storage: the cells themselves are made in blocks of many cells owned by the vector, so a
/// long list costs one allocation per block instead of one per cell. A cell keeps its
/// address for as long as it is in the vector; a removed cell is emptied and taken again by
/// a later growth.
class AT_Vector final {
 public:
  /// `count` empty cells in an array of exactly `count` slots; `growBy` spare slots are added
  /// whenever the array must grow (negative values count as 0).
  explicit AT_Vector(int count = 0, int growBy = 0);
  /// A copy of `other` (cells, formats, key, `growBy`) followed by `extra` empty cells.
  AT_Vector(const AT_Vector& other, int extra);
  AT_Vector(const AT_Vector& other) : AT_Vector(other, 0) {}
  AT_Vector& operator=(const AT_Vector&) = delete;
  ~AT_Vector() = default;

  /// Appends `k` empty cells; returns the index of the first new one (the count when k <= 0).
  int grow(int k);
  /// One empty cell at `index`, later cells move up; outside 0..count-1 nothing happens.
  void insert(int index);
  /// Frees the cell at `index`, later cells move down; outside 0..count-1 nothing happens.
  /// Returns `index`, or count-1 when index exceeds the count.
  int remove(int index);

  /// Appenders; each returns the index of the new cell.
  int appendPointer(const void* object);
  int appendDouble(double value);
  int appendFloat(float value);
  int appendLong(std::int32_t value);
  int appendInt(std::int32_t value);
  int appendChar(char value);
  /// Appends an owned copy of `text` (null gives a text cell without value).
  int appendText(const char* text);

  int count() const { return count_; }
  int key() const { return key_; }
  void setKey(int key) { key_ = key; }
  int growBy() const { return growBy_; }
  /// Number of allocated slots (count plus free slots).
  int capacity() const { return capacity_; }

  /// The cell at `index`, or null outside 0..count-1.
  AT_Item* cellPtr(int index) { return index >= 0 && index < count_ ? cells_[index] : nullptr; }
  const AT_Item* cellPtr(int index) const {
    return index >= 0 && index < count_ ? cells_[index] : nullptr;
  }
  /// The cell at `index`, or the shared empty cell outside 0..count-1.
  AT_Item& cellAt(int index);
  const AT_Item& cellAt(int index) const;
  /// The object kept by `appendPointer` at `index`; null outside the range or when that cell
  /// holds no foreign pointer.
  template <typename T>
  T* objectAt(int index) const {
    const AT_Item* cell = cellPtr(index);
    if (cell == nullptr || cell->typeCode() != AT_Pointer) return nullptr;
    return static_cast<T*>(const_cast<void*>(cell->value()));
  }
  /// Sets the format of the cell at `index`; outside the range nothing happens.
  void setCellFormat(int index, const char* format);

  /// Finds scan from index 0 and return the first matching index, or -1.
  /// `fn` gets each cell's value pointer (null for empty cells) and `userValue`; 0 is a match.
  int findByMatch(AT_MatchFn fn, const void* userValue) const;
  /// A cell whose value pointer is `pointer`.
  int findByPointer(const void* pointer) const;
  /// Number finds match cells of that same type holding an equal value.
  int findByDouble(double value) const;
  int findByFloat(float value) const;
  int findByLong(std::int32_t value) const;
  int findByInt(std::int32_t value) const;
  int findByChar(char value) const;
  /// A cell whose rendered text equals `text` exactly (case-sensitive); null finds nothing.
  int findByText(const char* text) const;

  /// The process-wide one-cell row handed out for out-of-range row access; it is reset to one
  /// empty cell on every hand-out.
  static AT_Vector& sharedEmptyRow();

 private:
  template <typename Match>
  int findFirst(Match match) const;
  void reserveFor(int k);
  int appendCell();
  /// An empty cell: a removed one if any, else the next unused cell of the newest block; a
  /// new block is made when none is left, with room for at least `wanted` cells.
  AT_Item* takeItem(int wanted);
  /// Makes a new block of `size` cells the source of unused cells.
  void addBlock(int size);
  /// Empties a cell that left the vector and keeps it for takeItem.
  void releaseItem(AT_Item* item);

  /// Pointer slots (none yet when empty); the first `count_` point to the cells in order.
  std::unique_ptr<AT_Item*[]> cells_;
  /// Blocks of cells; every cell in use lives in one of them. Most vectors need one block
  /// only, which is held apart so that it costs no list.
  std::unique_ptr<AT_Item[]> firstBlock_;
  std::vector<std::unique_ptr<AT_Item[]>> moreBlocks_;
  /// Removed cells, emptied, to be taken again.
  std::vector<AT_Item*> spareItems_;
  /// The unused cells at the end of the newest block.
  AT_Item* nextFresh_ = nullptr;
  int freshLeft_ = 0;
  int count_ = 0;
  int capacity_ = 0;
  int growBy_ = 0;
  int key_ = 0;
};
