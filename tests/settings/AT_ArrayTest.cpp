// Tests of tables: rows, column formats, searches by column and the fallback cells.
#include <gtest/gtest.h>

#include "settings/AT_Array.h"

namespace {

int addPair(AT_Array& table, const char* key, const char* value) {
  const int row = table.appendRow();
  table.cellAt(row, 0).setText(key);
  table.cellAt(row, 1).setText(value);
  return row;
}

TEST(AT_ArrayRows, AppendInsertRemoveKeepOrder) {
  AT_Array table(0, 2);
  addPair(table, "a", "1");
  addPair(table, "c", "3");
  EXPECT_EQ(table.insertRow(1), 2);
  table.cellAt(1, 0).setText("b");
  EXPECT_STREQ(table.cellAt(2, 0).text(), "c");
  EXPECT_EQ(table.removeRow(0), 1);
  EXPECT_STREQ(table.cellAt(0, 0).text(), "b");
  EXPECT_EQ(table.removeRow(5), 1);
  EXPECT_EQ(table.insertRow(2), 1);
  EXPECT_EQ(table.appendRows(3), 2);
  EXPECT_EQ(table.rowCount(), 5);
  table.setColumnFormat(1, "<%s>");
  EXPECT_STREQ(table.cellAt(1, 1).text(), "<3>");
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
}

TEST(AT_ArraySearch, NumberPointerAndCallbackSearchesByColumn) {
  struct Named {
    int number;
  };
  Named object{2};
  AT_Array table(2, 2);
  table.cellAt(0, 1).setInt(10);
  table.cellAt(1, 1).setDouble(10.0);
  table.cellAt(1, 0).setRaw(&object, 0);
  EXPECT_EQ(table.findRowByDouble(10.0, 1), 1);
  EXPECT_EQ(table.findRowByInt(10, 1), 0);
  EXPECT_EQ(table.findRowByPointer(&object, 0), 1);
  EXPECT_EQ(table.findRowByPointer(&object, 1), -1);
  const auto byNumber = [](const void* value, const void* user) {
    return value != nullptr &&
                   static_cast<const Named*>(value)->number == *static_cast<const int*>(user)
               ? 0
               : 1;
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
}

}  // namespace
