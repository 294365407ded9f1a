// IniSection: one named section of the settings file with its key/value entries.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "settings/AT_Array.h"

/// A section: its name and its entries in order of creation, each a row of two text cells
/// (column 0 the key, column 1 the value). Owns the entries table and its cells.
class IniSection final {
 public:
  /// Longest section name kept; longer names are cut (a 40-byte field with its zero).
  static constexpr std::size_t maxNameLength = 39;

  /// The name as a section keeps it: cut to `maxNameLength` characters. Lookups cut their
  /// query the same way, so a long name finds the section that was made from it.
  static std::string_view clipName(std::string_view name);

  explicit IniSection(std::string_view name);
  IniSection(const IniSection&) = delete;
  IniSection& operator=(const IniSection&) = delete;

  const std::string& name() const { return name_; }
  AT_Array& entries() { return entries_; }
  const AT_Array& entries() const { return entries_; }

  /// Row of the first entry whose key equals `key` exactly, or -1.
  int findEntry(const char* key) const { return entries_.findRowByText(key, 0); }
  /// Appends an entry holding copies of key and value; returns its row.
  int appendEntry(const char* key, const char* value);

  /// Entry cursor: the current entry's row, or -1 when none is selected.
  int entryCursor() const { return entryCursor_; }
  void setEntryCursor(int row) { entryCursor_ = row >= 0 && row < entries_.rowCount() ? row : -1; }

 private:
  std::string name_;
  AT_Array entries_{0, 2};
  int entryCursor_ = -1;
};
