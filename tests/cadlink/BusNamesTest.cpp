// The service-name-to-bus-name rule.
#include <string>

#include <gtest/gtest.h>

#include "cadlink/BusNames.h"

namespace {

TEST(BusNames, ServiceNamesMapByTheRule) {
  const struct {
    const char* service;
    const char* busName;
    bool valid;
  } cases[] = {
      {"AutoCAD.r14.DDE", "AutoCAD.r14.DDE", true},
      {"AutoCAD.r15.DDE", "AutoCAD.r15.DDE", true},
      {"AutoCAD LT.DDE", "AutoCAD_LT.DDE", true},
      {"Cad.15.DDE", "Cad._15.DDE", true},        // an element may not start with a digit
      {"Cad-Plus.Säge", "Cad-Plus.S__ge", true},  // both UTF-8 bytes of the umlaut
      {"DDE", "DDE", false},                      // one element is not enough
      {"a..b", "a..b", false},
      {"", "", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(busNameForService(c.service), c.busName) << c.service;
    EXPECT_EQ(isValidBusName(busNameForService(c.service)), c.valid) << c.service;
  }
}

TEST(BusNames, OverlongNamesAreNoBusNames) {
  EXPECT_FALSE(isValidBusName("a." + std::string(254, 'b')));
  EXPECT_TRUE(isValidBusName("a." + std::string(253, 'b')));
}

}  // namespace
