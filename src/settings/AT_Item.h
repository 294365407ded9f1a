// AT_Item: one typed value cell, the building block of every list and table in the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

/// Kind of value an AT_Item holds (its `typeCode`).
enum AT_Type : int {
  AT_Empty = 0,    ///< no value
  AT_Pointer = 1,  ///< foreign pointer: the caller's object, never owned or freed by the item
  AT_Bytes = 2,    ///< owned copy of a byte block
  AT_Text = 3,     ///< owned copy of a zero-terminated Windows-1252 text
  AT_Char = 4,     ///< one byte
  AT_Int = 5,      ///< 32-bit signed
  AT_Long = 6,     ///< 32-bit signed (kept 32 bits wide on every platform)
  AT_Float = 7,    ///< 32-bit float
  AT_Double = 8,   ///< 64-bit double
};

/// Signature of match callbacks: receives a cell's value pointer and the caller's value and
/// returns 0 for a match (strcmp-like).
using AT_MatchFn = int (*)(const void* value, const void* userValue);

/// One value cell. Every setter first clears the cell (an owned value is freed, a foreign
/// pointer only forgotten) and then stores the new value with its type.
///
/// Ownership: a foreign pointer (`AT_Pointer`) stays the caller's; clearing or destroying the
/// cell never deletes it. Lists of objects therefore delete their objects themselves before
/// the cells go.
///
/// Numbers are held inside the cell, texts and byte blocks on the heap; the 256-byte
/// rendering buffer is allocated on the first rendering that needs it, so an unused cell
/// stays small (the drawing document keeps one cell per drawing object).
class AT_Item final {
 public:
  /// Size of `textBuffer`, including the terminating zero.
  static constexpr std::size_t textBufferSize = 256;

  AT_Item() = default;
  /// Copy: same type, the value copied as its setter would, the format copied.
  AT_Item(const AT_Item& other);
  AT_Item& operator=(const AT_Item& other);
  ~AT_Item();

  /// Frees an owned value; afterwards the type is `AT_Empty` and the value null.
  void clear();
  /// Forgets the format.
  void clearFormat();

  /// length 0 stores `data` as a foreign pointer (`AT_Pointer`); otherwise keeps an owned
  /// copy of `length` bytes (`AT_Bytes`, at most 4 GiB - 1; longer blocks are cut).
  AT_Item& setRaw(const void* data, std::size_t length);
  AT_Item& setDouble(double value);
  AT_Item& setFloat(float value);
  AT_Item& setLong(std::int32_t value);
  AT_Item& setInt(std::int32_t value);
  AT_Item& setChar(char value);
  /// Owned copy of a zero-terminated text; null leaves no value but type `AT_Text`.
  AT_Item& setText(const char* text);

  /// printf-style format used by `text`; an owned copy, null clears it.
  void setFormat(const char* format);
  const char* format() const { return format_.get(); }
  int typeCode() const { return typeCode_; }

  /// Pointer to the held value (foreign pointer, owned text or bytes, or the number held in
  /// the cell), or null without a value.
  const void* value() const {
    switch (typeCode_) {
      case AT_Pointer: return storage_.foreign;
      case AT_Bytes:
      case AT_Text: return storage_.owned;
      case AT_Char:
      case AT_Int:
      case AT_Long:
      case AT_Float:
      case AT_Double: return &storage_;
      default: return nullptr;
    }
  }
  void* value() { return const_cast<void*>(std::as_const(*this).value()); }
  /// Number of bytes of an `AT_Bytes` value, else 0.
  std::size_t byteLength() const { return typeCode_ == AT_Bytes ? bytesLength_ : 0; }

  /// The value as text. A text value without format is returned itself (no copy), so it
  /// changes with the cell; every other rendering lands in `textBuffer` and stays valid until
  /// the next rendering or change of this cell. A format that does not fit the value's type
  /// (or has more than one conversion) is ignored, since handing it to printf would read
  /// arguments that were never passed.
  const char* text() const;

  /// Conversions. Null value: 0, for `toChar` the character '0'. Text: the leading number
  /// (atoi/atof rules, saturated at the type's limits), `toChar` its first character.
  /// Numbers: converted by value (saturated, NaN gives 0). Byte blocks: their first bytes,
  /// zero-padded when shorter. Foreign pointers: the first bytes of the pointed-to object,
  /// which the caller must make that large.
  std::int32_t toInt() const;
  std::int32_t toLong() const;
  float toFloat() const;
  double toDouble() const;
  char toChar() const;

  /// Find predicates: true when the cell holds a value of that same type that is equal.
  bool holdsDouble(double value) const { return typeCode_ == AT_Double && storage_.d == value; }
  bool holdsFloat(float value) const { return typeCode_ == AT_Float && storage_.f == value; }
  bool holdsLong(std::int32_t value) const { return typeCode_ == AT_Long && storage_.i == value; }
  bool holdsInt(std::int32_t value) const { return typeCode_ == AT_Int && storage_.i == value; }
  bool holdsChar(char value) const { return typeCode_ == AT_Char && storage_.c == value; }
  /// True when the rendered text equals `text` exactly (case-sensitive); null never matches.
  bool rendersAs(const char* text) const;
  /// True when `fn` returns 0 for this cell's value pointer and `userValue`.
  bool matches(AT_MatchFn fn, const void* userValue) const {
    return fn != nullptr && fn(value(), userValue) == 0;
  }

  /// The process-wide empty cell handed out for out-of-range cell access. It is emptied on
  /// every hand-out, so a value set on it never leaks into a later out-of-range read.
  static AT_Item& sharedEmpty();

 private:
  template <typename T>
  T rawPrefix() const;
  char* buffer() const;
  const char* renderUnformatted() const;
  const char* renderFormatted() const;

  /// Holds numbers directly; `owned` is a heap block for texts and bytes, `foreign` the
  /// caller's pointer.
  union Storage {
    const void* foreign;
    char* owned;
    double d;
    float f;
    std::int32_t i;
    char c;
  };

  Storage storage_{nullptr};
  std::unique_ptr<char[]> format_;
  mutable std::unique_ptr<char[]> textBuffer_;
  int typeCode_ = AT_Empty;
  std::uint32_t bytesLength_ = 0;
};
