// Test programs take their locale from the environment, as the viewer does when GTK starts.
// ./test runs the suite once more with LC_ALL=de_DE.UTF-8 and DXFV_TEST_DECIMAL_COMMA=1;
// a program that then does not really run with a decimal comma stops at once instead of
// passing untested.
#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "support/DecimalCommaLocale.h"

namespace {

[[maybe_unused]] const bool localeTaken = [] {
  std::setlocale(LC_ALL, "");
  if (std::getenv("DXFV_TEST_DECIMAL_COMMA") && !testsupport::decimalCommaInEffect()) {
    std::fprintf(stderr, "the decimal-comma run has no decimal comma: %s\n",
                 testsupport::kNoDecimalCommaLocale);
    std::exit(EXIT_FAILURE);
  }
  return true;
}();

}  // namespace
