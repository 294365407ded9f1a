// Holds the C library's numeric locale at "C" for the life of the object, so that numbers
// are written and read with a decimal point, and restores the previous one on every way out.
#pragma once

#include <clocale>
#include <string>

class CNumericLocale {
 public:
  CNumericLocale() {
    if (const char* current = std::setlocale(LC_NUMERIC, nullptr)) previous_ = current;
    std::setlocale(LC_NUMERIC, "C");
  }
  ~CNumericLocale() {
    if (!previous_.empty()) std::setlocale(LC_NUMERIC, previous_.c_str());
  }
  CNumericLocale(const CNumericLocale&) = delete;
  CNumericLocale& operator=(const CNumericLocale&) = delete;

 private:
  std::string previous_;
};
