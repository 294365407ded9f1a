// Tests of the cell vector: growth and slot reuse, insertion, removal, finds, fallbacks.
#include <gtest/gtest.h>

#include "settings/AT_Vector.h"

namespace {

TEST(AT_VectorGrowth, ExactSlotsFirstThenGrowBySpares) {
  AT_Vector vector(3, 4);
  EXPECT_EQ(vector.capacity(), 3);
  EXPECT_EQ(vector.cellAt(2).typeCode(), AT_Empty);
  EXPECT_EQ(vector.grow(2), 3);
  EXPECT_EQ(vector.capacity(), 9);
  EXPECT_EQ(vector.grow(4), 5);
  EXPECT_EQ(vector.capacity(), 9);
  EXPECT_EQ(vector.grow(-2), 9);
}

TEST(AT_VectorGrowth, RemovingThenAppendingReusesTheFreedSlot) {
  AT_Vector vector(0, 0);
  for (int i = 0; i < 8 || vector.count() < vector.capacity(); ++i) vector.appendInt(i);
  const int capacity = vector.capacity();
  vector.remove(3);
  vector.appendInt(99);
  EXPECT_EQ(vector.capacity(), capacity);
  EXPECT_EQ(vector.cellAt(3).toInt(), 4);
  EXPECT_EQ(vector.cellAt(vector.count() - 1).toInt(), 99);
}

TEST(AT_VectorGrowth, LongListsGrowGeometrically) {
  AT_Vector vector(0, 2);
  int reallocations = 0;
  for (int i = 0; i < 100000; ++i) {
    const int before = vector.capacity();
    vector.appendInt(i);
    reallocations += vector.capacity() != before ? 1 : 0;
  }
  EXPECT_EQ(vector.cellAt(99999).toInt(), 99999);
  EXPECT_LT(reallocations, 60);
}

TEST(AT_VectorEditing, InsertAndRemoveShiftLaterCellsAndIgnoreBadIndexes) {
  AT_Vector vector(0, 1);
  vector.appendInt(1);
  vector.appendInt(3);
  vector.insert(1);
  vector.cellAt(1).setInt(2);
  vector.insert(3);
  vector.insert(-1);
  ASSERT_EQ(vector.count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(vector.cellAt(i).toInt(), i + 1);
  EXPECT_EQ(vector.remove(0), 0);
  EXPECT_EQ(vector.cellAt(0).toInt(), 2);
  EXPECT_EQ(vector.remove(10), 1);
  EXPECT_EQ(vector.remove(-1), -1);
  EXPECT_EQ(vector.count(), 2);
}

TEST(AT_VectorEditing, CopyCarriesCellsFormatsKeyAndExtraCells) {
  AT_Vector vector(0, 5);
  vector.appendText("a");
  vector.appendDouble(2.0);
  vector.setCellFormat(1, "%.1f");
  vector.setKey(17);
  AT_Vector copy(vector, 2);
  ASSERT_EQ(copy.count(), 4);
  EXPECT_STREQ(copy.cellAt(1).text(), "2.0");
  EXPECT_EQ(copy.cellAt(3).typeCode(), AT_Empty);
  EXPECT_EQ(copy.key(), 17);
  EXPECT_NE(copy.cellAt(0).value(), vector.cellAt(0).value());
}

TEST(AT_VectorObjects, ForeignPointersAreKeptNotOwned) {
  struct Thing {
    int id;
  };
  auto* first = new Thing{1};
  {
    AT_Vector list(0, 200);
    list.appendPointer(first);
    list.appendInt(3);
    EXPECT_EQ(list.objectAt<Thing>(0), first);
    EXPECT_EQ(list.objectAt<Thing>(1), nullptr);
    EXPECT_EQ(list.objectAt<Thing>(5), nullptr);
    EXPECT_EQ(list.findByPointer(first), 0);
  }
  EXPECT_EQ(first->id, 1);  // still alive: ASan would report a use after free
  delete first;
}

TEST(AT_VectorFinds, NumberFindsMatchOnlyTheirOwnType) {
  AT_Vector vector(0, 1);
  vector.appendText("5");
  vector.appendLong(5);
  vector.appendInt(5);
  vector.appendDouble(5.0);
  vector.appendChar('5');
  EXPECT_EQ(vector.findByLong(5), 1);
  EXPECT_EQ(vector.findByInt(5), 2);
  EXPECT_EQ(vector.findByDouble(5.0), 3);
  EXPECT_EQ(vector.findByChar('5'), 4);
  EXPECT_EQ(vector.findByText("5"), 0);
  EXPECT_EQ(vector.findByInt(6), -1);
  EXPECT_EQ(vector.findByText(nullptr), -1);
}

TEST(AT_VectorFallback, OutOfRangeCellIsTheEmptySharedCell) {
  AT_Vector vector(1, 1);
  vector.cellAt(0).setInt(1);
  EXPECT_EQ(vector.cellPtr(1), nullptr);
  vector.cellAt(-1).setInt(77);
  EXPECT_EQ(vector.cellAt(0).toInt(), 1);
  EXPECT_EQ(vector.cellAt(1).value(), nullptr);
  vector.setCellFormat(9, "%d");
  EXPECT_EQ(vector.count(), 1);
}

TEST(AT_VectorFallback, SharedEmptyRowIsResetOnEveryHandOut) {
  AT_Vector& row = AT_Vector::sharedEmptyRow();
  row.cellAt(0).setText("dirty");
  row.appendInt(4);
  row.setKey(3);
  AT_Vector& again = AT_Vector::sharedEmptyRow();
  EXPECT_EQ(again.count(), 1);
  EXPECT_EQ(again.key(), 0);
  EXPECT_EQ(again.cellAt(0).value(), nullptr);
}

}  // namespace
