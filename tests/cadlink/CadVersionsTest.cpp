// The version table: which toggle wins, and which toggle a remembered name switches on.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "cadlink/CadVersions.h"

namespace {

TEST(CadVersions, EachToggleAloneChoosesItsRow) {
  for (const CadVersion& row : kCadVersions) {
    const CadVersion& chosen =
        chosenCadVersion([&](const char* toggle) { return std::string(toggle) == row.toggle; });
    EXPECT_EQ(&chosen, &row) << row.toggle;
  }
}

TEST(CadVersions, NoToggleOnGivesRelease14) {
  const CadVersion& chosen = chosenCadVersion([](const char*) { return false; });
  EXPECT_STREQ(chosen.service, "AutoCAD.r14.DDE");
  EXPECT_STREQ(chosen.name, "ACAD14");
  EXPECT_EQ(chosen.code, 14);
}

TEST(CadVersions, TheFirstToggleOnInTableOrderWins) {
  const std::set<std::string> on = {"TB_ACAD_LT_97", "TB_ACAD13", "TB_ACAD_2002"};
  const CadVersion& chosen =
      chosenCadVersion([&](const char* toggle) { return on.count(toggle) > 0; });
  EXPECT_STREQ(chosen.toggle, "TB_ACAD13");
  EXPECT_EQ(chosen.code, 13);
}

TEST(CadVersions, LightVersionsShareOneServiceAndKeepTheirCodes) {
  const struct {
    const char* toggle;
    const char* service;
    int code;
  } rows[] = {{"TB_ACAD_2000", "AutoCAD.r15.DDE", 15},
              {"TB_ACAD_2002", "AutoCAD.r15.DDE", 16},
              {"TB_ACAD_LT", "AutoCAD LT.DDE", 1},
              {"TB_ACAD_LT_95", "AutoCAD LT.DDE", 95},
              {"TB_ACAD_LT_2002", "AutoCAD LT.DDE", 2002}};
  for (const auto& row : rows) {
    const CadVersion& chosen =
        chosenCadVersion([&](const char* toggle) { return std::string(toggle) == row.toggle; });
    EXPECT_STREQ(chosen.service, row.service) << row.toggle;
    EXPECT_EQ(chosen.code, row.code) << row.toggle;
  }
}

TEST(CadVersions, EveryStoredNameSwitchesItsOwnToggleOnAgain) {
  for (const CadVersion& row : kCadVersions) {
    EXPECT_STREQ(preselectedToggle(row.name), row.toggle) << row.name;
  }
}

TEST(CadVersions, OlderAndUnknownNamesPreselect) {
  EXPECT_STREQ(preselectedToggle("ACAD_LT"), "TB_ACAD_LT");
  for (const char* name : {"", "acad2000", "ACAD15", "ACAD_LT_98"}) {
    EXPECT_STREQ(preselectedToggle(name), "TB_ACAD14") << name;
  }
}

}  // namespace
