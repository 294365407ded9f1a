// A kind's table of real-valued groups: which code goes with which field, listed once for
// reading and writing.
#pragma once

#include <ostream>
#include <type_traits>

#include "dxf/GroupLines.h"

// A group whose value is a real: its code and the field it is read into (Value = double)
// or written from (Value = const double).
template <class Value>
struct RealGroup {
  int code;
  Value* field;
};

// The group type of a table built over `Self`: writable fields for a kind, read-only ones
// for a const kind.
template <class Self>
using RealGroupOf = RealGroup<std::conditional_t<std::is_const_v<Self>, const double, double>>;

// Reads the next line into the field of `code` when the table lists that code; false, with
// nothing read, when it does not.
template <class Table>
bool readListedGroup(DxfLineReader& in, int code, const Table& table) {
  for (const auto& group : table) {
    if (group.code == code) {
      *group.field = in.readReal();
      return true;
    }
  }
  return false;
}

// Writes the groups of the table in its order: each code right-justified in three
// characters, then its value in the stream's number format.
template <class Table>
void writeListedGroups(std::ostream& out, const Table& table) {
  for (const auto& group : table) {
    writeGroupCode(out, group.code);
    out << *group.field << '\n';
  }
}
