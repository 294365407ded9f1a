// FixedText: a text field of fixed byte size that cuts what does not fit.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

/// A zero-terminated single-byte text in `Size` bytes, so at most Size-1 characters. Every
/// assignment cuts to that length, which keeps the fixed-size texts of the design (paths of
/// 260 bytes, titles of 200) from ever overflowing; nothing else changes the bytes.
template <std::size_t Size>
class FixedText {
  static_assert(Size >= 1, "room for the terminating zero is needed");

 public:
  /// Longest text kept.
  static constexpr std::size_t capacity = Size - 1;

  FixedText() = default;
  FixedText(std::string_view text) { assign(text); }  // NOLINT: implicit like std::string
  FixedText(const char* text) { assign(text); }       // NOLINT: null gives the empty text

  FixedText& operator=(std::string_view text) {
    assign(text);
    return *this;
  }
  FixedText& operator=(const char* text) {
    assign(text);
    return *this;
  }

  /// Copies `text`, cut to `capacity` characters; a NUL inside it ends the text.
  void assign(std::string_view text) {
    const std::size_t length = std::min(text.size(), capacity);
    if (length > 0) std::memmove(text_, text.data(), length);
    text_[length] = '\0';
  }
  void assign(const char* text) {
    assign(text != nullptr ? std::string_view(text) : std::string_view());
  }

  const char* c_str() const { return text_; }
  std::size_t size() const { return std::strlen(text_); }
  bool empty() const { return text_[0] == '\0'; }
  std::string str() const { return text_; }
  operator std::string_view() const { return text_; }  // NOLINT: reads like a string

  friend bool operator==(const FixedText& a, std::string_view b) {
    return std::string_view(a) == b;
  }

 private:
  char text_[Size] = {};
};
