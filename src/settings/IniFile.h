// IniFile: the INI-style settings file, read whole, changed in memory and rewritten whole.
#pragma once

#include <cstddef>
#include <string>

#include "settings/AT_Array.h"
#include "settings/IniSection.h"

/// The settings file. Sections hold key=value entries; names, keys and values are compared
/// exactly and case-sensitively and kept in file order. Comments (";" lines) and lines that
/// are neither headers nor entries are dropped on reading, so `write` regenerates the file
/// from what was understood.
///
/// Failures are small codes (`Error`), returned by each operation and also kept in one
/// process-wide sticky code shared by all IniFile objects: a failure sets it, a success never
/// resets it, `clearError` does. Callers clear it before a series of lookups and test it after.
///
/// Texts are UTF-8, in memory and in the file. A line of an older file that is no UTF-8
/// was written in the drawings' Windows-1252 and is read as such.
class IniFile final {
 public:
  enum Error : int {
    NoError = 0,
    SectionMissing = 1,
    SectionExists = 2,
    KeyMissing = 3,
    EntryExists = 4,
    NoSectionSelected = 5,
    NoEntrySelected = 6,
    CannotOpen = 7,
  };

  /// Longest line read; the rest of a longer line is discarded. Room for the longest line
  /// the program writes: a key and a folder path of the system's longest (4096 bytes).
  static constexpr std::size_t maxLineLength = 8192;

  /// Creates an empty settings object and sets the error code to 0. With a non-empty path,
  /// keeps its absolute form (against the current directory now; later directory changes do
  /// not move the file), reads it with `read(stripBlanks)` and stores the result as the error
  /// code. The path is kept whole: cutting it would read and write another file.
  explicit IniFile(const char* path = nullptr, bool stripBlanks = false);
  ~IniFile();
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  /// Reads the stored path, adding its sections and entries. Returns 7 when the file cannot be
  /// opened or read (what was read before a read error is kept), otherwise the result of the
  /// last header or entry line (0 unless that one failed). With `stripBlanks` every
  /// white-space character before the first "=" is removed. CR LF line ends are accepted; a
  /// NUL byte ends the usable text of its line.
  int read(bool stripBlanks);
  /// Writes every section and entry to `path`, or to the stored path when null. The file is
  /// replaced atomically: a temporary file in the same folder is written and flushed, then
  /// renamed over the old one; on any failure the old file stays untouched and the result is
  /// false. Sections with an empty name and entries with an empty key are written like others.
  bool write(const char* path = nullptr);

  /// Appends an empty section; 2 (nothing changed) when one of that name exists. Names longer
  /// than `IniSection::maxNameLength` are cut. Null counts as the empty name.
  int addSection(const char* name);
  /// Appends key=value (copies) at the end of the section: 1 section missing, 4 key already
  /// there (the old value stays), else 0.
  int addEntry(const char* section, const char* key, const char* value);
  /// Replaces the value of an existing key: 1 section missing, 3 key missing (nothing is
  /// added), else 0.
  int setValue(const char* section, const char* key, const char* value);

  /// The stored value cell of section/key. When section or key is null, or either is missing
  /// (error 1 or 3), `sharedEmptyItem` is returned holding `defaultText` (no value when that
  /// is null). The cell stays valid until the next change of this object; `sharedEmptyItem`
  /// only until the next failed lookup.
  AT_Item& getItem(const char* section, const char* key, const char* defaultText = nullptr);
  /// The text of `getItem`: the value, the default, or "" when neither exists.
  const char* getString(const char* section, const char* key, const char* defaultText = nullptr);
  /// The leading decimal number of the value; 0 when missing (error 1 or 3 as for `getItem`).
  int getInt(const char* section, const char* key);

  static int lastError();
  static void clearError();
  /// The message of codes 0 to 6, each beginning with a newline; "" for any other code.
  static const char* errorText(int code);
  /// The one cell that failed lookups hand out; overwritten by every failed lookup.
  static AT_Item& sharedEmptyItem();

  /// Absolute path given at creation, or empty.
  const std::string& path() const { return path_; }
  int sectionCount() const { return sections_.rowCount(); }

  /// Cursor iteration in table order. `firstSection`/`nextSection` make a section current,
  /// deselect its entry and return its name, or null past the last section.
  const char* firstSection();
  const char* nextSection();
  /// Moves the current section's entry cursor and returns the key, or null past the last entry
  /// (error 5 without a current section).
  const char* firstKey();
  const char* nextKey();
  /// Value of the current entry; "" with error 5 (no section) or 6 (no entry selected).
  const char* currentValue();

 private:
  static int fail(int code);
  IniSection* sectionAt(int row) const;
  IniSection* findSection(const char* name) const;
  IniSection* currentSection() const { return sectionAt(sectionCursor_); }
  const char* selectSection(int row);
  const char* selectEntry(IniSection& section, int row);
  std::string render();

  AT_Array sections_{0, 1};  ///< column 0: foreign pointers to owned IniSection objects
  std::string path_;
  int sectionCursor_ = -1;  ///< current section's row, or -1 when none is selected
};
