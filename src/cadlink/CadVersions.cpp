// The version table of the transfer dialog.
#include "cadlink/CadVersions.h"

const std::array<CadVersion, 11> kCadVersions = {{
    {"TB_ACAD12", "AutoCAD.r12.DDE", "ACAD12", 12},
    {"TB_ACAD13", "AutoCAD.r13.DDE", "ACAD13", 13},
    {"TB_ACAD14", "AutoCAD.r14.DDE", "ACAD14", 14},
    {"TB_ACAD_2000", "AutoCAD.r15.DDE", "ACAD2000", 15},
    {"TB_ACAD_2002", "AutoCAD.r15.DDE", "ACAD2002", 16},
    {"TB_ACAD_LT", "AutoCAD LT.DDE", "ACADLT", 1},
    {"TB_ACAD_LT_2", "AutoCAD LT.DDE", "ACAD_LT_2", 2},
    {"TB_ACAD_LT_95", "AutoCAD LT.DDE", "ACAD_LT_95", 95},
    {"TB_ACAD_LT_97", "AutoCAD LT.DDE", "ACAD_LT_97", 97},
    {"TB_ACAD_LT_2000", "AutoCAD LT.DDE", "ACAD_LT_2000", 2000},
    {"TB_ACAD_LT_2002", "AutoCAD LT.DDE", "ACAD_LT_2002", 2002},
}};

namespace {
constexpr int kDefaultIndex = 2;  // "TB_ACAD14"
}

const CadVersion& defaultCadVersion() { return kCadVersions[kDefaultIndex]; }

const CadVersion& chosenCadVersion(const std::function<bool(const char* toggle)>& isOn) {
  for (const CadVersion& version : kCadVersions) {
    if (isOn(version.toggle)) return version;
  }
  return defaultCadVersion();
}

const char* preselectedToggle(std::string_view cadVersion) {
  // Settings written before the light version's name was "ACADLT".
  if (cadVersion == "ACAD_LT") return "TB_ACAD_LT";
  for (const CadVersion& version : kCadVersions) {
    if (cadVersion == version.name) return version.toggle;
  }
  return defaultCadVersion().toggle;
}
