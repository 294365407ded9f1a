// Tests of how a cell vector keeps its cells: stable cells, removed cells coming back empty,
// copies and long lists.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/AT_Vector.h"

namespace {

TEST(AT_VectorStorage, CellsKeepTheirPlaceWhileTheListGrows) {
  AT_Vector vector(3, 2);
  vector.cellAt(0).setText("first");
  vector.cellAt(2).setInt(3);
  AT_Item* const first = vector.cellPtr(0);
  const char* const firstText = first->text();
  for (int i = 0; i < 20000; ++i) vector.appendInt(i);
  vector.insert(1);
  EXPECT_EQ(vector.cellPtr(0), first);
  EXPECT_EQ(first->text(), firstText);
  EXPECT_STREQ(vector.cellAt(0).text(), "first");
  EXPECT_EQ(vector.cellAt(1).typeCode(), AT_Empty);
  EXPECT_EQ(vector.cellAt(3).toInt(), 3);
  EXPECT_EQ(vector.cellAt(20003).toInt(), 19999);
  EXPECT_EQ(vector.count(), 20004);
}

TEST(AT_VectorStorage, RemovedCellsComeBackEmpty) {
  AT_Vector vector(0, 1);
  for (int i = 0; i < 10; ++i) {
    vector.appendDouble(i + 0.5);
    vector.setCellFormat(i, "%.3f");
    vector.cellAt(i).text();  // a rendering, so that the cell holds its text buffer
  }
  for (int i = 9; i >= 0; i -= 2) vector.remove(i);
  ASSERT_EQ(vector.count(), 5);
  vector.grow(3);
  vector.insert(0);
  for (int i : {0, 6, 7, 8}) {
    const AT_Item& cell = vector.cellAt(i);
    EXPECT_EQ(cell.typeCode(), AT_Empty) << i;
    EXPECT_EQ(cell.value(), nullptr) << i;
    EXPECT_EQ(cell.format(), nullptr) << i;
    EXPECT_STREQ(cell.text(), "") << i;
  }
  EXPECT_STREQ(vector.cellAt(1).text(), "0.500");
  EXPECT_STREQ(vector.cellAt(5).text(), "8.500");
}

TEST(AT_VectorStorage, RemovingAndAppendingOverAndOverKeepsTheValuesInOrder) {
  AT_Vector vector(0, 4);
  std::vector<int> expected;
  for (int round = 0; round < 200; ++round) {
    for (int k = 0; k < 7; ++k) {
      vector.appendInt(round * 10 + k);
      expected.push_back(round * 10 + k);
    }
    for (int k = 0; k < 5; ++k) {
      const int index = (round * 3 + k) % vector.count();
      vector.remove(index);
      expected.erase(expected.begin() + index);
    }
  }
  ASSERT_EQ(vector.count(), static_cast<int>(expected.size()));
  for (int i = 0; i < vector.count(); ++i)
    ASSERT_EQ(vector.cellAt(i).toInt(), expected[static_cast<std::size_t>(i)]);
}

TEST(AT_VectorStorage, LongCopiesAreWholeAndIndependent) {
  AT_Vector original(0, 10);
  for (int i = 0; i < 3000; ++i) {
    if (i % 3 == 0) original.appendText(std::string("t").append(std::to_string(i)).c_str());
    if (i % 3 == 1) original.appendDouble(i);
    if (i % 3 == 2) original.appendPointer(&original);
  }
  AT_Vector copy(original, 5);
  ASSERT_EQ(copy.count(), 3005);
  EXPECT_STREQ(copy.cellAt(2997).text(), "t2997");
  EXPECT_EQ(copy.cellAt(2998).toDouble(), 2998.0);
  EXPECT_EQ(copy.objectAt<AT_Vector>(2999), &original);
  EXPECT_EQ(copy.cellAt(3004).typeCode(), AT_Empty);
  copy.cellAt(0).setText("changed");
  EXPECT_STREQ(original.cellAt(0).text(), "t0");
}

TEST(AT_VectorStorage, SharedEmptyRowShrinksBackToOneCell) {
  AT_Vector& row = AT_Vector::sharedEmptyRow();
  for (int i = 0; i < 50; ++i) row.appendText("x");
  row.cellAt(0).setFormat("%d");
  AT_Vector& again = AT_Vector::sharedEmptyRow();
  ASSERT_EQ(again.count(), 1);
  EXPECT_EQ(again.cellAt(0).format(), nullptr);
  EXPECT_EQ(again.cellAt(0).value(), nullptr);
}

}  // namespace
