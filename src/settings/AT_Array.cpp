// AT_Array: linear row searches by column.
#include "settings/AT_Array.h"

template <typename Match>
int AT_Array::findRow(int column, Match match) const {
  for (int r = 0; r < rows_.count(); ++r) {
    const AT_Item* cell = rows_.rowPtr(r)->cellPtr(column);
    if (cell != nullptr && match(*cell)) return r;
  }
  return -1;
}

int AT_Array::findRowByMatch(AT_MatchFn fn, const void* userValue, int column) const {
  return findRow(column, [&](const AT_Item& cell) { return cell.matches(fn, userValue); });
}

int AT_Array::findRowByPointer(const void* pointer, int column) const {
  return findRow(column, [&](const AT_Item& cell) { return cell.value() == pointer; });
}

int AT_Array::findRowByDouble(double value, int column) const {
  return findRow(column, [&](const AT_Item& cell) { return cell.holdsDouble(value); });
}

int AT_Array::findRowByFloat(float value, int column) const {
  return findRow(column, [&](const AT_Item& cell) { return cell.holdsFloat(value); });
}

int AT_Array::findRowByLong(std::int32_t value, int column) const {
  return findRow(column, [&](const AT_Item& cell) { return cell.holdsLong(value); });
}

int AT_Array::findRowByInt(std::int32_t value, int column) const {
  return findRow(column, [&](const AT_Item& cell) { return cell.holdsInt(value); });
}

int AT_Array::findRowByChar(char value, int column) const {
  return findRow(column, [&](const AT_Item& cell) { return cell.holdsChar(value); });
}

int AT_Array::findRowByText(const char* text, int column) const {
  return findRow(column, [&](const AT_Item& cell) { return cell.rendersAs(text); });
}
