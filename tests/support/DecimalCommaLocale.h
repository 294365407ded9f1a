// A decimal-comma numeric locale for tests of number texts.
#pragma once

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "TestSupport.h"

// Makes a decimal-comma numeric locale current while it lives; builds one in a temporary
// folder when the system has none installed.
class DecimalCommaLocale {
 public:
  DecimalCommaLocale() {
    if (tryLocale()) return;
    const std::string target = dir_.file("de_DE.UTF-8").string();
    if (std::system(("localedef -i de_DE -f UTF-8 '" + target + "' >/dev/null 2>&1").c_str()) !=
            0 &&
        !std::filesystem::exists(target))
      return;
    setenv("LOCPATH", dir_.path().c_str(), 1);
    tryLocale();
  }
  ~DecimalCommaLocale() {
    std::setlocale(LC_NUMERIC, "C");
    unsetenv("LOCPATH");
  }
  bool active() const { return active_; }

 private:
  bool tryLocale() {
    active_ = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr &&
              std::localeconv()->decimal_point[0] == ',';
    return active_;
  }
  testsupport::TempDir dir_;
  bool active_ = false;
};
