// The numeric locale de_DE.UTF-8, whose numbers have a decimal comma, for the tests of
// number texts that must keep their decimal point under any locale.
#pragma once

#include <clocale>
#include <string>

#include "dxf/CNumericLocale.h"

namespace testsupport {

// The locale scripts/install-deps generates for these tests.
inline constexpr const char* kDecimalCommaLocale = "de_DE.UTF-8";

// True when the C library's numeric locale in effect writes a decimal comma.
inline bool decimalCommaInEffect() { return std::localeconv()->decimal_point[0] == ','; }

// Makes de_DE.UTF-8 the numeric locale while it lives, the previous one again afterwards.
// A test asserts active() first: without the locale it would prove nothing.
class DecimalCommaLocale {
 public:
  DecimalCommaLocale() {
    if (const char* current = std::setlocale(LC_NUMERIC, nullptr)) previous_ = current;
    active_ = std::setlocale(LC_NUMERIC, kDecimalCommaLocale) != nullptr && decimalCommaInEffect();
  }
  ~DecimalCommaLocale() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
  DecimalCommaLocale(const DecimalCommaLocale&) = delete;
  DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

  bool active() const { return active_; }

 private:
  std::string previous_ = "C";
  bool active_ = false;
};

// The numeric locale "C" while it lives, as the main window keeps it while it runs: the
// callbacks and read-outs that run inside the window are tested under it.
using NumericLocaleC = CNumericLocale;

// Message of a test that found no decimal-comma locale.
inline constexpr const char* kNoDecimalCommaLocale =
    "the locale de_DE.UTF-8 is missing: scripts/install-deps generates it";

}  // namespace testsupport
