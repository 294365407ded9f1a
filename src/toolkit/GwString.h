// A text of the toolkit, and the process-wide string type that decides how numbers are
// turned into texts for edit boxes.
#pragma once

#include <string>

class GwString {
 public:
  GwString() = default;
  explicit GwString(const char* text) : text_(text ? text : "") {}
  // A number as the toolkit shows it in an edit box: string type 0 gives the shortest form
  // ("%g"), string type 1 a fixed form with two decimals ("%.2f"). Always a decimal point.
  explicit GwString(double value);

  const char* c_str() const { return text_.c_str(); }
  const std::string& str() const { return text_; }

  static void set_string_type(int type);
  static int string_type();

 private:
  std::string text_;
};
