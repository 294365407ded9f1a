// Tests of the cell vector: growth and slot reuse, insertion, removal, finds, fallbacks.
#include <cstring>

#include <gtest/gtest.h>

#include "AT_Vector.h"

namespace {

TEST(AT_VectorGrowth, NewVectorHoldsEmptyCellsInExactlyThatManySlots) {
  AT_Vector vector(3, 10);
  EXPECT_EQ(vector.count(), 3);
  EXPECT_EQ(vector.capacity(), 3);
  EXPECT_EQ(vector.growBy(), 10);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(vector.cellAt(i).typeCode(), AT_Empty);
}

TEST(AT_VectorGrowth, GrowingLeavesGrowBySpareSlots) {
  AT_Vector vector(0, 4);
  EXPECT_EQ(vector.grow(2), 0);
  EXPECT_EQ(vector.count(), 2);
  EXPECT_EQ(vector.capacity(), 6);
  EXPECT_EQ(vector.grow(3), 2);
  EXPECT_EQ(vector.capacity(), 6);
  EXPECT_EQ(vector.grow(0), 5);
  EXPECT_EQ(vector.grow(-2), 5);
  EXPECT_EQ(vector.count(), 5);
}

TEST(AT_VectorGrowth, RemovingThenAppendingReusesTheFreedSlot) {
  AT_Vector vector(0, 0);
  for (int i = 0; i < 8; ++i) vector.appendInt(i);
  const int capacity = vector.capacity();
  while (vector.count() < capacity) vector.appendInt(0);
  const AT_Item* survivor = vector.cellPtr(0);
  vector.remove(3);
  vector.appendInt(99);
  EXPECT_EQ(vector.capacity(), capacity);
  EXPECT_EQ(vector.cellPtr(0), survivor);
  EXPECT_EQ(vector.cellAt(vector.count() - 1).toInt(), 99);
}

TEST(AT_VectorGrowth, LongListsGrowGeometrically) {
  AT_Vector vector(0, 2);
  int reallocations = 0;
  for (int i = 0; i < 100000; ++i) {
    const int before = vector.capacity();
    vector.appendInt(i);
    if (vector.capacity() != before) ++reallocations;
  }
  EXPECT_EQ(vector.count(), 100000);
  EXPECT_EQ(vector.cellAt(99999).toInt(), 99999);
  EXPECT_LT(reallocations, 60);
}

TEST(AT_VectorEditing, InsertMovesLaterCellsUp) {
  AT_Vector vector(0, 1);
  vector.appendInt(1);
  vector.appendInt(3);
  vector.insert(1);
  vector.cellAt(1).setInt(2);
  ASSERT_EQ(vector.count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(vector.cellAt(i).toInt(), i + 1);
  vector.insert(3);
  vector.insert(-1);
  EXPECT_EQ(vector.count(), 3);
}

TEST(AT_VectorEditing, RemoveMovesLaterCellsDownAndIgnoresBadIndexes) {
  AT_Vector vector(0, 1);
  for (int i = 0; i < 4; ++i) vector.appendInt(i);
  EXPECT_EQ(vector.remove(1), 1);
  ASSERT_EQ(vector.count(), 3);
  EXPECT_EQ(vector.cellAt(1).toInt(), 2);
  EXPECT_EQ(vector.remove(10), 2);
  EXPECT_EQ(vector.remove(-1), -1);
  EXPECT_EQ(vector.count(), 3);
}

TEST(AT_VectorEditing, CopyCarriesCellsFormatsKeyAndExtraCells) {
  AT_Vector vector(0, 5);
  vector.appendText("a");
  vector.appendDouble(2.0);
  vector.setCellFormat(1, "%.1f");
  vector.setKey(17);
  AT_Vector copy(vector, 2);
  ASSERT_EQ(copy.count(), 4);
  EXPECT_STREQ(copy.cellAt(0).text(), "a");
  EXPECT_STREQ(copy.cellAt(1).text(), "2.0");
  EXPECT_EQ(copy.cellAt(3).typeCode(), AT_Empty);
  EXPECT_EQ(copy.key(), 17);
  EXPECT_EQ(copy.growBy(), 5);
  EXPECT_NE(copy.cellAt(0).value(), vector.cellAt(0).value());
}

TEST(AT_VectorObjects, ForeignPointersAreKeptNotOwned) {
  struct Thing {
    int id;
  };
  auto* first = new Thing{1};
  auto* second = new Thing{2};
  {
    AT_Vector list(0, 200);
    list.appendPointer(first);
    list.appendPointer(second);
    list.appendInt(3);
    EXPECT_EQ(list.objectAt<Thing>(1)->id, 2);
    EXPECT_EQ(list.objectAt<Thing>(2), nullptr);
    EXPECT_EQ(list.objectAt<Thing>(5), nullptr);
    EXPECT_EQ(list.findByPointer(second), 1);
  }
  // The vector is gone; the objects are still the caller's (use after free would be caught).
  EXPECT_EQ(first->id + second->id, 3);
  delete first;
  delete second;
}

TEST(AT_VectorFinds, NumberFindsMatchOnlyTheirOwnType) {
  AT_Vector vector(0, 1);
  vector.appendText("5");
  vector.appendLong(5);
  vector.appendInt(5);
  vector.appendDouble(5.0);
  vector.appendFloat(5.0F);
  vector.appendChar('5');
  EXPECT_EQ(vector.findByLong(5), 1);
  EXPECT_EQ(vector.findByInt(5), 2);
  EXPECT_EQ(vector.findByDouble(5.0), 3);
  EXPECT_EQ(vector.findByFloat(5.0F), 4);
  EXPECT_EQ(vector.findByChar('5'), 5);
  EXPECT_EQ(vector.findByInt(6), -1);
}

TEST(AT_VectorFinds, TextFindComparesRenderingsExactly) {
  AT_Vector vector(0, 1);
  vector.appendText("Layer");
  vector.appendText("layer");
  vector.appendInt(12);
  vector.appendText("layer");
  EXPECT_EQ(vector.findByText("layer"), 1);
  EXPECT_EQ(vector.findByText("12"), 2);
  EXPECT_EQ(vector.findByText("LAYER"), -1);
  EXPECT_EQ(vector.findByText(nullptr), -1);
}

TEST(AT_VectorFinds, CallbackFindReceivesValuePointers) {
  AT_Vector vector(0, 1);
  vector.appendText("one");
  vector.appendText("two");
  const auto byName = [](const void* value, const void* user) {
    return value == nullptr ? 1
                            : std::strcmp(static_cast<const char*>(value),
                                          static_cast<const char*>(user));
  };
  EXPECT_EQ(vector.findByMatch(byName, "two"), 1);
  EXPECT_EQ(vector.findByMatch(byName, "three"), -1);
  EXPECT_EQ(vector.findByMatch(nullptr, "two"), -1);
}

TEST(AT_VectorFallback, OutOfRangeCellIsTheEmptySharedCell) {
  AT_Vector vector(2, 1);
  vector.cellAt(0).setInt(1);
  EXPECT_EQ(vector.cellPtr(2), nullptr);
  EXPECT_EQ(vector.cellPtr(-1), nullptr);
  AT_Item& outside = vector.cellAt(-1);
  EXPECT_EQ(&outside, &AT_Item::sharedEmpty());
  outside.setInt(77);
  EXPECT_EQ(vector.cellAt(0).toInt(), 1);
  EXPECT_EQ(vector.cellAt(1).typeCode(), AT_Empty);
  EXPECT_EQ(vector.cellAt(2).value(), nullptr);
  vector.setCellFormat(9, "%d");
  EXPECT_EQ(vector.count(), 2);
}

TEST(AT_VectorFallback, SharedEmptyRowIsResetOnEveryHandOut) {
  AT_Vector& row = AT_Vector::sharedEmptyRow();
  row.cellAt(0).setText("dirty");
  row.appendInt(4);
  row.setKey(3);
  AT_Vector& again = AT_Vector::sharedEmptyRow();
  EXPECT_EQ(&row, &again);
  EXPECT_EQ(again.count(), 1);
  EXPECT_EQ(again.key(), 0);
  EXPECT_EQ(again.cellAt(0).value(), nullptr);
}

}  // namespace
