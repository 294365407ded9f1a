// A text of the toolkit, and the process-wide string type that decides how numbers are
// turned into texts for edit boxes.
#pragma once

#include <string>

// How numbers become edit box texts: the shortest form ("%g") or a fixed form with two
// decimals ("%.2f"). Always a decimal point.
enum GwStringType { GwSTRING_SHORTEST = 0, GwSTRING_TWO_DECIMALS = 1 };

class GwString {
 public:
  GwString() = default;
  explicit GwString(const char* text) : text_(text ? text : "") {}
  // A number as the toolkit shows it in an edit box, in the string type in force.
  explicit GwString(double value);

  const char* c_str() const { return text_.c_str(); }
  const std::string& str() const { return text_; }

  static void set_string_type(GwStringType type);
  static GwStringType string_type();

 private:
  std::string text_;
};
