// Tests of tables: rows, column formats, searches by column and the fallback cells.
#include <gtest/gtest.h>

#include "AT_Array.h"

namespace {

int addPair(AT_Array& table, const char* key, const char* value) {
  const int row = table.appendRow();
  table.cellAt(row, 0).setText(key);
  table.cellAt(row, 1).setText(value);
  return row;
}

TEST(AT_ArrayRows, AppendInsertRemoveKeepOrder) {
  AT_Array table(0, 2);
  EXPECT_EQ(table.columnCount(), 2);
  EXPECT_EQ(addPair(table, "a", "1"), 0);
  EXPECT_EQ(addPair(table, "c", "3"), 1);
  EXPECT_EQ(table.insertRow(1), 2);
  table.cellAt(1, 0).setText("b");
  EXPECT_STREQ(table.cellAt(1, 0).text(), "b");
  EXPECT_STREQ(table.cellAt(2, 0).text(), "c");
  EXPECT_EQ(table.rowAt(1).count(), 2);

  EXPECT_EQ(table.removeRow(0), 1);
  EXPECT_STREQ(table.cellAt(0, 0).text(), "b");
  EXPECT_EQ(table.removeRow(5), 1);
  EXPECT_EQ(table.insertRow(2), 1);
  EXPECT_EQ(table.rowCount(), 2);

  EXPECT_EQ(table.appendRows(3), 2);
  EXPECT_EQ(table.rowCount(), 5);
  EXPECT_EQ(table.cellAt(4, 1).typeCode(), AT_Empty);
}

TEST(AT_ArrayRows, ColumnFormatAppliesToEveryExistingRow) {
  AT_Array table(2, 2);
  table.cellAt(0, 1).setDouble(1.0);
  table.cellAt(1, 1).setDouble(2.5);
  table.setColumnFormat(1, "%.3f");
  EXPECT_STREQ(table.cellAt(0, 1).text(), "1.000");
  EXPECT_STREQ(table.cellAt(1, 1).text(), "2.500");
  EXPECT_EQ(table.cellAt(0, 0).format(), nullptr);
}

TEST(AT_ArraySearch, TextSearchIsExactAndReturnsTheFirstMatch) {
  AT_Array table(0, 2);
  EXPECT_EQ(table.findRowByText("key", 0), -1);
  addPair(table, "Key", "upper");
  addPair(table, "key", "first");
  addPair(table, "key", "second");
  EXPECT_EQ(table.findRowByText("key", 0), 1);
  EXPECT_EQ(table.findRowByText("second", 1), 2);
  EXPECT_EQ(table.findRowByText("KEY", 0), -1);
  EXPECT_EQ(table.findRowByText("key", 2), -1);
  EXPECT_EQ(table.findRowByText("key", -1), -1);
}

TEST(AT_ArraySearch, NumberAndPointerSearchesByColumn) {
  int object = 0;
  AT_Array table(3, 2);
  table.cellAt(0, 1).setInt(10);
  table.cellAt(1, 1).setLong(10);
  table.cellAt(2, 1).setDouble(0.5);
  table.cellAt(2, 0).setRaw(&object, 0);
  table.cellAt(1, 0).setFloat(1.5F);
  table.cellAt(0, 0).setChar('x');
  EXPECT_EQ(table.findRowByInt(10, 1), 0);
  EXPECT_EQ(table.findRowByLong(10, 1), 1);
  EXPECT_EQ(table.findRowByDouble(0.5, 1), 2);
  EXPECT_EQ(table.findRowByFloat(1.5F, 0), 1);
  EXPECT_EQ(table.findRowByChar('x', 0), 0);
  EXPECT_EQ(table.findRowByPointer(&object, 0), 2);
  EXPECT_EQ(table.findRowByPointer(&object, 1), -1);
}

TEST(AT_ArraySearch, MatchCallbackSeesTheStoredPointer) {
  struct Named {
    int number;
  };
  Named a{1}, b{2};
  AT_Array table(0, 1);
  table.cellAt(table.appendRow(), 0).setRaw(&a, 0);
  table.cellAt(table.appendRow(), 0).setRaw(&b, 0);
  const auto byNumber = [](const void* value, const void* user) {
    return static_cast<const Named*>(value)->number == *static_cast<const int*>(user) ? 0 : 1;
  };
  const int two = 2;
  const int three = 3;
  EXPECT_EQ(table.findRowByMatch(byNumber, &two, 0), 1);
  EXPECT_EQ(table.findRowByMatch(byNumber, &three, 0), -1);
}

TEST(AT_ArrayFallback, OutOfRangeCellsAreEmptyAndWritesStayThere) {
  AT_Array table(0, 2);
  addPair(table, "k", "v");
  for (const auto& [row, column] : {std::pair{-1, 0}, {1, 0}, {0, 2}, {0, -1}, {100, 100}}) {
    AT_Item& cell = table.cellAt(row, column);
    EXPECT_EQ(cell.value(), nullptr) << row << "," << column;
    cell.setText("written");
  }
  EXPECT_EQ(table.rowCount(), 1);
  EXPECT_STREQ(table.cellAt(0, 0).text(), "k");
  EXPECT_STREQ(table.cellAt(0, 1).text(), "v");
  EXPECT_EQ(table.cellAt(-1, 0).value(), nullptr);
  EXPECT_EQ(table.rowAt(-5).count(), 1);
}

}  // namespace
